#include "search/dowod/PodzialIOdciecia.h"

#include "search/dowod/GrafWsparcia.h"
#include "search/dowod/PostepDowodu.h"
#include "search/dowod/SeparacjaKwiatow.h"
#include "search/dowod/SeparacjaPodcykli.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "search/dowod/TrasaZRozwiazania.h"
#include "search/dowod/ZaokraglenieLP.h"
#include "search/dowod/ZasiegDowodu.h"

#include <algorithm>
#include <cmath>

using namespace TolerancjeDowodu;

namespace {

// Reading routes off LP solutions takes at most this share of the time.
constexpr double kCzescZaokraglen = 0.1;
// A cut whose slack stayed basic this many solves in a row leaves the LP
// for the pool, from where it comes back when violated again.
constexpr int kWiekLuznego = 3;
// The pool keeps this many cuts a city at most, the newest.
constexpr std::size_t kPulaNaMiasto = 4;

} // namespace

PodzialIOdciecia::PodzialIOdciecia(const WagiKrawedzi& w, PostepDowodu* postep)
    : w_(w), postep_(postep), lp_(w), wyeliminowana_(IloscKrawedzi(w.Ilosc()), 0), wycena_(lp_, wyeliminowana_) {}

bool PodzialIOdciecia::wystarcza(long double granica) const {
    if (wynik_.trasa.empty())
        return false;
    if (w_.Calkowite())
        return granica > wynik_.waga - 1.0L;
    return granica >= wynik_.waga - kDokladnoscKomorek * std::fabs(wynik_.waga);
}

bool PodzialIOdciecia::koniecCzasu() const {
    return ustawienia_.limitSekund > 0.0 && zegar_->seconds() >= ustawienia_.limitSekund;
}

// Lengths as the route's own: a bound on the weight rounds up to a whole
// number first where weights are whole, and the longest route's weights are
// negated lengths.
double PodzialIOdciecia::dlugosc(long double waga) const {
    if (w_.Calkowite())
        waga = std::ceil(waga);
    return double(w_.Cel() == CelDowodu::Najkrotsza ? waga : -waga);
}

void PodzialIOdciecia::nowaTrasa(std::vector<int> trasa) {
    const long double waga = w_.Waga(trasa);
    if (!wynik_.trasa.empty() && !(waga < wynik_.waga))
        return;
    wynik_.trasa = std::move(trasa);
    wynik_.waga = waga;
    if (postep_)
        postep_->ZglosTrase(wynik_.trasa, double(w_.Cel() == CelDowodu::Najkrotsza ? waga : -waga), zegar_->seconds());
}

void PodzialIOdciecia::pokazGranice() {
    if (!postep_)
        return;
    long double granica = std::min(kolejka_.Najmniejsza(), granicaBiezacego_);
    if (!wynik_.trasa.empty())
        granica = std::min(granica, wynik_.waga);
    if (std::isfinite(granica))
        postep_->ZglosGranice(dlugosc(granica), zegar_->seconds());
}

void PodzialIOdciecia::pokaz(const GrafWsparcia& g) {
    if (!postep_)
        return;
    PostepDowodu::RozwiazanieLP& r = postep_->NoweRozwiazanie();
    r.krawedzie.clear();
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
        r.krawedzie.push_back({k.a, k.b, k.x});
    r.sekundy = zegar_->seconds();
    postep_->PokazRozwiazanie();
}

void PodzialIOdciecia::zaokraglij(const GrafWsparcia& g) {
    const double od = zegar_->seconds();
    if (sekundyZaokraglen_ > kCzescZaokraglen * od)
        return;
    std::vector<int> trasa = ZaokraglijLP(w_, g, najlzejsze_);
    if (!trasa.empty())
        nowaTrasa(std::move(trasa));
    sekundyZaokraglen_ += zegar_->seconds() - od;
}

void PodzialIOdciecia::ustawWezel(const Wezel& wezel) {
    for (int j : zmienione_) {
        const bool wyeliminowana = wyeliminowana_[lp_.Krawedzie()[std::size_t(j)].Indeks()] != 0;
        lp_.UstawGranice(j, 0.0, wyeliminowana ? 0.0 : 1.0);
    }
    zmienione_.clear();
    for (const Wezel::Ustalenie& u : wezel.ustalenia) {
        if (lp_.Kolumna(u.krawedz) < 0)
            lp_.DodajKrawedzie(std::span(&u.krawedz, 1));
        const int j = lp_.Kolumna(u.krawedz);
        lp_.UstawGranice(j, u.wartosc, u.wartosc);
        zmienione_.push_back(j);
    }
}

void PodzialIOdciecia::odlozLuzne() {
    wiekLuznych_.resize(std::size_t(lp_.IloscCiec()), 0);
    std::vector<int> usuwane;
    for (int k = 0; k < lp_.IloscCiec(); ++k) {
        int& wiek = wiekLuznych_[std::size_t(k)];
        wiek = lp_.CiecieLuzne(k) ? wiek + 1 : 0;
        if (wiek >= kWiekLuznego)
            usuwane.push_back(k);
    }
    if (usuwane.empty())
        return;
    for (int k : usuwane)
        pula_.push_back(lp_.Ciecia()[std::size_t(k)]);
    const std::size_t najwiecej = kPulaNaMiasto * std::size_t(w_.Ilosc());
    if (pula_.size() > najwiecej)
        pula_.erase(pula_.begin(), pula_.begin() + std::ptrdiff_t(pula_.size() - najwiecej));
    lp_.UsunCiecia(usuwane);
    std::size_t j = 0, zostaje = 0;
    for (std::size_t k = 0; k < wiekLuznych_.size(); ++k) {
        if (j < usuwane.size() && usuwane[j] == int(k)) {
            ++j;
            continue;
        }
        wiekLuznych_[zostaje++] = wiekLuznych_[k];
    }
    wiekLuznych_.resize(zostaje);
}

std::vector<Ciecie> PodzialIOdciecia::separuj(const GrafWsparcia& g) {
    std::vector<Ciecie> ciecia;
    for (std::size_t k = 0; k < pula_.size();) {
        if (g.Naruszenie(pula_[k]) >= kNaruszenie) {
            ciecia.push_back(std::move(pula_[k]));
            pula_.erase(pula_.begin() + std::ptrdiff_t(k));
        } else {
            ++k;
        }
    }
    std::vector<Ciecie> podcykle = SeparujPodcykle(g);
    if (!podcykle.empty() || !ciecia.empty()) {
        ciecia.insert(ciecia.end(), std::make_move_iterator(podcykle.begin()), std::make_move_iterator(podcykle.end()));
        return ciecia;
    }
    ciecia = SeparujKwiatyUlamkowe(g);
    if (ciecia.empty() && ustawienia_.kwiatyDrzewem)
        ciecia = SeparujKwiatyDrzewem(g);
    return ciecia;
}

void PodzialIOdciecia::eliminuj(long double granica) {
    const std::vector<WycenaKrawedzi::Ustalenie> ustalenia =
        wycena_.Ustal(lp_.Dualne(), granica, [this](long double b) { return wystarcza(b); });
    for (const WycenaKrawedzi::Ustalenie& u : ustalenia) {
        if (u.zostaw != 0)
            continue;
        wyeliminowana_[u.krawedz.Indeks()] = 1;
        if (const int j = lp_.Kolumna(u.krawedz); j >= 0)
            lp_.UstawGranice(j, 0.0, 0.0);
    }
}

PodzialIOdciecia::Koniec PodzialIOdciecia::przetworz(Wezel& wezel, int& kolumnaRozgalezienia) {
    const int n = w_.Ilosc();
    const std::size_t limitKolumn = std::size_t(100 + n / 4);
    bool dualnie = true;
    std::vector<double> wartosci;
    for (;;) {
        if ((*przerwij_)()) {
            wynik_.przerwana = true;
            return Koniec::Przerwany;
        }
        if (koniecCzasu())
            return Koniec::Przerwany;
        const ProgramLiniowy::Stan stan = dualnie ? lp_.RozwiazDualnie() : lp_.RozwiazPrymalnie();
        if (stan == ProgramLiniowy::Stan::Blad)
            return Koniec::Nierozwiazany;
        if (stan == ProgramLiniowy::Stan::Sprzeczny) {
            // Over these columns no x meets the rows. Clp's ray, in either
            // sign, either proves that for all edges or names the edges
            // that could help.
            const std::vector<double> promien = lp_.PromienSprzecznosci();
            if (promien.empty())
                return Koniec::Nierozwiazany;
            WycenaKrawedzi::Wynik najlepsza;
            for (const double znak : {1.0, -1.0}) {
                std::vector<double> r(promien);
                for (std::size_t i = 0; i < r.size(); ++i) {
                    r[i] *= znak;
                    if (i >= std::size_t(n))
                        r[i] = std::max(0.0, r[i]);
                }
                WycenaKrawedzi::Wynik w = wycena_.Wycen(r, false, limitKolumn);
                if (w.granica > 0.0L)
                    return Koniec::Zamkniety;
                if (w.ujemne.size() > najlepsza.ujemne.size())
                    najlepsza = std::move(w);
            }
            if (najlepsza.ujemne.empty())
                return Koniec::Nierozwiazany;
            std::vector<Krawedz> nowe;
            for (const WycenaKrawedzi::Ujemna& u : najlepsza.ujemne)
                nowe.push_back(u.krawedz);
            lp_.DodajKrawedzie(nowe);
            dualnie = false;
            continue;
        }

        const GrafWsparcia g = GrafWsparcia::Z(lp_);
        pokaz(g);
        const std::vector<int> trasa = TrasaZRozwiazania(g);
        if (!trasa.empty())
            nowaTrasa(trasa);
        const double z = lp_.Wartosc();
        wartosci.push_back(z);
        // Near the end a tiny rise of the LP value is all that is left to
        // prove: the gap to the best route is the measure then.
        const double luka = wynik_.trasa.empty() ? std::fabs(z) : std::max(0.0, double(wynik_.waga) - z);
        const double wzrost = std::min(kWzrostZastoju * std::max(1.0, std::fabs(z)), kWzrostLuki * luka);
        const bool zastoj = wartosci.size() > std::size_t(kRundyZastoju)
                            && z - wartosci[wartosci.size() - 1 - std::size_t(kRundyZastoju)] < wzrost;
        // The bound of these duals over all edges, at every solve: a node
        // closes as soon as it reaches the best route, however many cuts
        // are left, and a search stopped while cutting has a bound still.
        const WycenaKrawedzi::Wynik wycena = wycena_.Wycen(lp_.Dualne(), true, limitKolumn);
        wezel.granica = std::max(wezel.granica, wycena.granica);
        granicaBiezacego_ = wezel.granica;
        pokazGranice();
        if (wystarcza(wezel.granica))
            return Koniec::Zamkniety;
        if (trasa.empty()) {
            odlozLuzne();
            std::vector<Ciecie> ciecia = zastoj ? SeparujPodcykle(g) : separuj(g);
            if (!ciecia.empty()) {
                wynik_.ciecia += (long long)ciecia.size();
                if (postep_)
                    postep_->DodajCiecia((long long)ciecia.size());
                wiekLuznych_.resize(std::size_t(lp_.IloscCiec()) + ciecia.size(), 0);
                lp_.DodajCiecia(std::move(ciecia));
                dualnie = true;
                continue;
            }
        }
        if (!wycena.ujemne.empty()) {
            std::vector<Krawedz> nowe;
            for (const WycenaKrawedzi::Ujemna& u : wycena.ujemne)
                nowe.push_back(u.krawedz);
            lp_.DodajKrawedzie(nowe);
            wynik_.kolumny += (long long)nowe.size();
            wartosci.clear();
            dualnie = false;
            continue;
        }
        // The LP over all edges is solved: a bound no cut here improves.
        zaokraglij(g);
        if (wystarcza(wezel.granica))
            return Koniec::Zamkniety;
        // By the bound of these duals, not the node's best: reduced costs
        // prove something only added to the bound of the duals they came from.
        if (wKorzeniu_)
            eliminuj(wycena.granica);
        kolumnaRozgalezienia = WybierzRozgalezienie(lp_, ustawienia_.rozgalezienie);
        return kolumnaRozgalezienia >= 0 ? Koniec::Rozgaleziony : Koniec::Nierozwiazany;
    }
}

WynikPodzialu PodzialIOdciecia::Rozwiaz(std::vector<int> trasa, const UstawieniaPodzialu& ustawienia,
                                       const std::function<bool()>& przerwij, const RunningClock& zegar) {
    ustawienia_ = ustawienia;
    przerwij_ = &przerwij;
    zegar_ = &zegar;
    wynik_ = WynikPodzialu{};
    wKorzeniu_ = true;
    nowaTrasa(std::move(trasa));
    najlzejsze_ = w_.Najlzejsze(kSasiedziPoczatkowi);
    std::vector<Krawedz> krawedzie = najlzejsze_;
    for (std::size_t k = 0; k < wynik_.trasa.size(); ++k)
        krawedzie.emplace_back(wynik_.trasa[k], wynik_.trasa[(k + 1) % wynik_.trasa.size()]);
    lp_.DodajKrawedzie(krawedzie);
    kolejka_.Dodaj(Wezel{});
    std::vector<Wezel> nierozwiazane;
    while (!kolejka_.Pusta()) {
        Wezel wezel = kolejka_.Wez();
        if (wystarcza(wezel.granica))
            continue;
        const bool wykluczony = std::any_of(wezel.ustalenia.begin(), wezel.ustalenia.end(), [&](const Wezel::Ustalenie& u) {
            return u.wartosc == 1 && wyeliminowana_[u.krawedz.Indeks()];
        });
        if (wykluczony)
            continue;
        ustawWezel(wezel);
        granicaBiezacego_ = wezel.granica;
        int kolumna = -1;
        const Koniec koniec = przetworz(wezel, kolumna);
        if (koniec == Koniec::Przerwany) {
            kolejka_.Dodaj(std::move(wezel));
            break;
        }
        ++wynik_.wezly;
        if (wKorzeniu_) {
            wKorzeniu_ = false;
            wynik_.granicaKorzenia = wezel.granica;
            wynik_.sekundyKorzenia = zegar.seconds();
        }
        if (koniec == Koniec::Nierozwiazany) {
            nierozwiazane.push_back(std::move(wezel));
        } else if (koniec == Koniec::Rozgaleziony) {
            const Krawedz e = lp_.Krawedzie()[std::size_t(kolumna)];
            for (const int wartosc : {1, 0}) {
                Wezel dziecko{wezel.granica, wezel.glebokosc + 1, wezel.ustalenia};
                dziecko.ustalenia.push_back({e, wartosc});
                kolejka_.Dodaj(std::move(dziecko));
            }
        }
        granicaBiezacego_ = std::numeric_limits<long double>::infinity();
        if (postep_)
            postep_->UstawWezly(wynik_.wezly, (long long)kolejka_.Ile());
        pokazGranice();
    }
    long double granica = std::min(kolejka_.Najmniejsza(), wynik_.waga);
    for (const Wezel& w : nierozwiazane)
        granica = std::min(granica, w.granica);
    wynik_.udowodniona = kolejka_.Pusta() && nierozwiazane.empty();
    wynik_.granica = wynik_.udowodniona ? wynik_.waga : (w_.Calkowite() ? std::ceil(granica) : granica);
    if (postep_) {
        postep_->ZglosGranice(dlugosc(wynik_.granica), zegar.seconds());
        if (wynik_.udowodniona)
            postep_->Udowodniono();
    }
    return wynik_;
}
