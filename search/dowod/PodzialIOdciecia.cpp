#include "search/dowod/PodzialIOdciecia.h"
#include "search/BramkaKrokow.h"
#include "search/JestTrasa.h"

#include "search/dowod/GrafWsparcia.h"
#include "search/dowod/NaprawaSprzecznosci.h"
#include "search/dowod/PostepDowodu.h"
#include "search/dowod/SeparacjaGrzebieni.h"
#include "search/dowod/SeparacjaKwiatow.h"
#include "search/dowod/SeparacjaPodcykli.h"
#include "search/dowod/SwiadekDowodu.h"
#include "search/dowod/TolerancjeDowodu.h"
#include "search/dowod/TrasaZRozwiazania.h"
#include "search/dowod/ZaokraglenieLP.h"
#include "search/dowod/ZasiegDowodu.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace TolerancjeDowodu;

namespace {

// Reading routes off LP solutions takes at most this share of the time.
constexpr double kCzescZaokraglen = 0.1;

} // namespace

PodzialIOdciecia::PodzialIOdciecia(const WagiKrawedzi& w, PostepDowodu* postep)
    : w_(w), postep_(postep), lp_(w), wyeliminowana_(IloscKrawedzi(w.Ilosc()), 0), wycena_(lp_, wyeliminowana_),
      pula_(w.Ilosc()), limitKolumn_(std::size_t(100 + w.Ilosc() / 4)) {}

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

// Every route better than the best lies below an open node, the one being
// solved or one given up: the least of their bounds.
void PodzialIOdciecia::pokazGranice() {
    if (!postep_)
        return;
    long double granica = std::min({kolejka_.Najmniejsza(), granicaBiezacego_, granicaNierozwiazanych_});
    if (!wynik_.trasa.empty())
        granica = std::min(granica, wynik_.waga);
    if (std::isfinite(granica))
        postep_->ZglosGranice(dlugosc(granica), zegar_->seconds());
}

void PodzialIOdciecia::pokazCiecia() {
    if (!postep_)
        return;
    std::array<long long, Ciecie::kRodzaje> ile{};
    for (const Ciecie& c : lp_.Ciecia())
        ++ile[std::size_t(c.rodzaj)];
    postep_->UstawCieciaWLP(ile);
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

// Cheapest first, each stage only when those before found nothing: the
// pool's violated cuts and the subtours of components; blossoms of the
// fractional components and combs; subtours exactly; blossoms and combs by
// the Gomory-Hu tree. The two stages with the tree's n - 1 maximum flows
// come last: they cost more than all the others together, and late in the
// cutting every round would run them to find nothing.
std::vector<Ciecie> PodzialIOdciecia::separuj(const GrafWsparcia& g) {
    std::vector<Ciecie> ciecia = pula_.WezNaruszone(g);
    std::vector<Ciecie> podcykle = SeparujPodcykleSkladowymi(g);
    if (!podcykle.empty() || !ciecia.empty()) {
        ciecia.insert(ciecia.end(), std::make_move_iterator(podcykle.begin()), std::make_move_iterator(podcykle.end()));
        return ciecia;
    }
    const auto zGrzebieniami = [&](std::vector<Ciecie> kwiaty, bool drzewem) {
        if (ustawienia_.grzebienie)
            for (Ciecie& c : SeparujGrzebienie(g, drzewem))
                if (std::find(kwiaty.begin(), kwiaty.end(), c) == kwiaty.end())
                    kwiaty.push_back(std::move(c));
        return kwiaty;
    };
    ciecia = zGrzebieniami(SeparujKwiatyUlamkowe(g), false);
    if (!ciecia.empty())
        return ciecia;
    ciecia = SeparujPodcykle(g);
    if (!ciecia.empty() || !ustawienia_.kwiatyDrzewem || !czasNaDrzewo())
        return ciecia;
    const double od = zegar_->seconds();
    ciecia = zGrzebieniami(SeparujKwiatyDrzewem(g), true);
    sekundyDrzewa_ += zegar_->seconds() - od;
    return ciecia;
}

bool PodzialIOdciecia::czasNaDrzewo() const {
    return wKorzeniu_ || ustawienia_.czescDrzewa >= 1.0 ||
           sekundyDrzewa_ <= ustawienia_.czescDrzewa * zegar_->seconds();
}

void PodzialIOdciecia::eliminuj(long double granica) {
    const std::vector<WycenaKrawedzi::Ustalenie> ustalenia =
        wycena_.Ustal(lp_.Dualne(), granica, [this](long double b) { return wystarcza(b); });
    if (ustawienia_.swiadek)
        ustawienia_.swiadek->Wyeliminowane(lp_);
    for (const WycenaKrawedzi::Ustalenie& u : ustalenia) {
        if (u.zostaw != 0)
            continue;
        wyeliminowana_[u.krawedz.Indeks()] = 1;
        if (const int j = lp_.Kolumna(u.krawedz); j >= 0)
            lp_.UstawGranice(j, 0.0, 0.0);
    }
}

bool PodzialIOdciecia::przerwany() {
    if (ustawienia_.trasyObok)
        if (std::optional<std::vector<int>> trasa = ustawienia_.trasyObok(); trasa && JestTrasa(*trasa, w_.Ilosc()))
            nowaTrasa(std::move(*trasa));
    if ((*przerwij_)()) {
        wynik_.przerwana = true;
        return true;
    }
    return koniecCzasu();
}

PodzialIOdciecia::Koniec PodzialIOdciecia::przetworz(Wezel& wezel, int& kolumnaRozgalezienia) {
    ZastojCiecia zastoj;
    bool dualnie = true;
    bool pierwsze = true;
    for (;;) {
        if (przerwany())
            return Koniec::Przerwany;
        ProgramLiniowy::Stan stan = dualnie ? lp_.RozwiazDualnie() : lp_.RozwiazPrymalnie();
        if (pierwsze && ustawienia_.awariaLP && ustawienia_.awariaLP(wynik_.wezly))
            stan = ProgramLiniowy::Stan::Blad;
        pierwsze = false;
        if (stan == ProgramLiniowy::Stan::Blad) {
            powodNierozwiazania_ = PowodKonca::BladLP;
            return Koniec::Nierozwiazany;
        }
        if (stan == ProgramLiniowy::Stan::Sprzeczny) {
            const Sprzecznosc s = NaprawSprzecznosc(lp_, wycena_, limitKolumn_);
            powodNierozwiazania_ = PowodKonca::Sprzecznosc;
            if (s == Sprzecznosc::Dowiedziona && ustawienia_.swiadek)
                ustawienia_.swiadek->Sprzeczny(lp_, wycena_);
            if (s != Sprzecznosc::Dodane)
                return s == Sprzecznosc::Dowiedziona ? Koniec::Zamkniety : Koniec::Nierozwiazany;
            dualnie = false;
            continue;
        }
        if (const std::optional<Koniec> koniec = poRozwiazaniu(wezel, zastoj, dualnie, kolumnaRozgalezienia))
            return *koniec;
    }
}

// After an optimal solve: its route, when it is one, and the bound of its
// duals; then cuts, else columns, else the node is done.
std::optional<PodzialIOdciecia::Koniec> PodzialIOdciecia::poRozwiazaniu(Wezel& wezel, ZastojCiecia& zastoj,
                                                                        bool& dualnie, int& kolumnaRozgalezienia) {
    const GrafWsparcia g = GrafWsparcia::Z(lp_);
    pokaz(g);
    const std::vector<int> trasa = TrasaZRozwiazania(g);
    if (!trasa.empty())
        nowaTrasa(trasa);
    const bool zastojCiecia = zastoj.Po(
        lp_.Wartosc(), wynik_.trasa.empty() ? std::nullopt : std::optional<double>(double(wynik_.waga)));
    // The bound of these duals over all edges, at every solve: a node
    // closes as soon as it reaches the best route, however many cuts are
    // left, and a search stopped while cutting has a bound still.
    const WycenaKrawedzi::Wynik wycena = wycena_.Wycen(lp_.Dualne(), true, limitKolumn_);
    if (ustawienia_.swiadek)
        ustawienia_.swiadek->Wyceniony(lp_, wycena.granica);
    wezel.granica = std::max(wezel.granica, wycena.granica);
    granicaBiezacego_ = wezel.granica;
    pokazGranice();
    if (ustawienia_.kroki)
        krokLP(g);
    if (wystarcza(wezel.granica))
        return Koniec::Zamkniety;
    // A route violates no cut: separating it would be wasted.
    if (trasa.empty() && dodajCiecia(g, zastojCiecia)) {
        dualnie = true;
        return std::nullopt;
    }
    if (!wycena.ujemne.empty()) {
        dodajKolumny(wycena.ujemne);
        zastoj.OdNowa();
        dualnie = false;
        return std::nullopt;
    }
    return rozwiazanyWezel(wezel, g, wycena.granica, kolumnaRozgalezienia);
}

bool PodzialIOdciecia::dodajCiecia(const GrafWsparcia& g, bool zastoj) {
    pula_.OdlozLuzne(lp_);
    std::vector<Ciecie> ciecia = zastoj ? SeparujPodcykle(g) : separuj(g);
    if (ciecia.empty())
        return false;
    if (ustawienia_.kroki)
        krokiCiec(g, ciecia);
    wynik_.ciecia += (long long)ciecia.size();
    for (const Ciecie& c : ciecia)
        ++wynik_.cieciaRodzaju[std::size_t(c.rodzaj)];
    if (postep_)
        postep_->DodajCiecia((long long)ciecia.size());
    pula_.Dodaj(lp_, std::move(ciecia));
    pokazCiecia();
    return true;
}

void PodzialIOdciecia::dodajKolumny(const std::vector<WycenaKrawedzi::Ujemna>& ujemne) {
    std::vector<Krawedz> nowe;
    for (const WycenaKrawedzi::Ujemna& u : ujemne)
        nowe.push_back(u.krawedz);
    lp_.DodajKrawedzie(nowe);
    wynik_.kolumny += (long long)nowe.size();
}

// The LP over all edges is solved: a bound no cut here improves.
PodzialIOdciecia::Koniec PodzialIOdciecia::rozwiazanyWezel(Wezel& wezel, const GrafWsparcia& g,
                                                           long double granicaDualnych, int& kolumnaRozgalezienia) {
    zaokraglij(g);
    if (wystarcza(wezel.granica))
        return Koniec::Zamkniety;
    // By the bound of these duals, not the node's best: reduced costs
    // prove something only added to the bound of the duals they came from.
    if (wKorzeniu_)
        eliminuj(granicaDualnych);
    kolumnaRozgalezienia = WybierzRozgalezienie(lp_, ustawienia_.rozgalezienie);
    powodNierozwiazania_ = PowodKonca::Numeryczny;
    return kolumnaRozgalezienia >= 0 ? Koniec::Rozgaleziony : Koniec::Nierozwiazany;
}

// The root: the first route, and an LP over the lightest edges at each city
// and the route's own.
void PodzialIOdciecia::zacznij(std::vector<int> trasa) {
    wynik_ = WynikPodzialu{};
    wKorzeniu_ = true;
    granicaNierozwiazanych_ = std::numeric_limits<long double>::infinity();
    nowaTrasa(std::move(trasa));
    najlzejsze_ = w_.Najlzejsze(kSasiedziPoczatkowi);
    std::vector<Krawedz> krawedzie = najlzejsze_;
    for (std::size_t k = 0; k < wynik_.trasa.size(); ++k)
        krawedzie.emplace_back(wynik_.trasa[k], wynik_.trasa[(k + 1) % wynik_.trasa.size()]);
    lp_.DodajKrawedzie(krawedzie);
    kolejka_.Dodaj(Wezel{});
}

// A node that cannot beat the best route: by its bound, or by an edge it
// fixed at 1 that the root eliminated.
bool PodzialIOdciecia::pominiety(const Wezel& wezel) const {
    if (wystarcza(wezel.granica))
        return true;
    return std::any_of(wezel.ustalenia.begin(), wezel.ustalenia.end(), [&](const Wezel::Ustalenie& u) {
        return u.wartosc == 1 && wyeliminowana_[u.krawedz.Indeks()];
    });
}

void PodzialIOdciecia::policzony(const Wezel& wezel) {
    ++wynik_.wezly;
    if (wKorzeniu_) {
        wKorzeniu_ = false;
        wynik_.granicaKorzenia = wezel.granica;
        wynik_.sekundyKorzenia = zegar_->seconds();
    }
}

void PodzialIOdciecia::rozgalez(const Wezel& wezel, int kolumna) {
    const Krawedz e = lp_.Krawedzie()[std::size_t(kolumna)];
    if (ustawienia_.swiadek)
        ustawienia_.swiadek->Rozgaleziony(e);
    if (ustawienia_.kroki)
        krokGalezi(wezel, e);
    for (const int wartosc : {1, 0}) {
        Wezel dziecko{wezel.granica, wezel.glebokosc + 1, wezel.ustalenia};
        dziecko.ustalenia.push_back({e, wartosc});
        kolejka_.Dodaj(std::move(dziecko));
    }
}

// The bound is the least of the open and unresolved nodes' (and the best
// route's): every route better than the best lies below one of them.
WynikPodzialu PodzialIOdciecia::zakoncz(const std::vector<Wezel>& nierozwiazane) {
    long double granica = std::min(kolejka_.Najmniejsza(), wynik_.waga);
    for (const Wezel& w : nierozwiazane)
        granica = std::min(granica, w.granica);
    wynik_.udowodniona = kolejka_.Pusta() && nierozwiazane.empty();
    wynik_.nierozwiazane = (long long)nierozwiazane.size();
    if (wynik_.udowodniona)
        wynik_.powod = PowodKonca::Dowod;
    else if (wynik_.przerwana)
        wynik_.powod = PowodKonca::Przerwana;
    else if (!kolejka_.Pusta())
        wynik_.powod = PowodKonca::LimitCzasu;
    // Else the first unresolved node's cause, set when it was given up.
    wynik_.granica = wynik_.udowodniona ? wynik_.waga : (w_.Calkowite() ? std::ceil(granica) : granica);
    if (postep_) {
        postep_->ZglosGranice(dlugosc(wynik_.granica), zegar_->seconds());
        if (wynik_.udowodniona)
            postep_->Udowodniono();
    }
    return wynik_;
}

WynikPodzialu PodzialIOdciecia::Rozwiaz(std::vector<int> trasa, const UstawieniaPodzialu& ustawienia,
                                       const std::function<bool()>& przerwij, const RunningClock& zegar) {
    ustawienia_ = ustawienia;
    przerwij_ = &przerwij;
    zegar_ = &zegar;
    zacznij(std::move(trasa));
    std::vector<Wezel> nierozwiazane;
    while (!kolejka_.Pusta()) {
        Wezel wezel = kolejka_.Wez();
        SwiadekDowodu* swiadek = ustawienia_.swiadek;
        if (swiadek)
            swiadek->Wziety(wezel);
        if (pominiety(wezel)) {
            if (swiadek)
                swiadek->Zamkniety();
            continue;
        }
        ustawWezel(wezel);
        granicaBiezacego_ = wezel.granica;
        int kolumna = -1;
        const Koniec koniec = przetworz(wezel, kolumna);
        if (koniec == Koniec::Przerwany) {
            kolejka_.Dodaj(std::move(wezel));
            break;
        }
        policzony(wezel);
        if (swiadek && koniec == Koniec::Zamkniety)
            swiadek->Zamkniety();
        if (swiadek && koniec == Koniec::Nierozwiazany)
            swiadek->Nierozwiazany();
        if (koniec == Koniec::Nierozwiazany) {
            // The first one's cause is the result's, should nothing else
            // end the search.
            if (nierozwiazane.empty())
                wynik_.powod = powodNierozwiazania_;
            granicaNierozwiazanych_ = std::min(granicaNierozwiazanych_, wezel.granica);
            nierozwiazane.push_back(std::move(wezel));
            if (postep_)
                postep_->UstawNierozwiazane((long long)nierozwiazane.size());
        }
        else if (koniec == Koniec::Rozgaleziony)
            rozgalez(wezel, kolumna);
        granicaBiezacego_ = std::numeric_limits<long double>::infinity();
        if (postep_)
            postep_->UstawWezly(wynik_.wezly, (long long)kolejka_.Ile());
        pokazGranice();
    }
    return zakoncz(nierozwiazane);
}

// The steps of step mode, in lengths as the window shows them. A finish
// asked for at a step reaches the search at its next poll.
void PodzialIOdciecia::krokLP(const GrafWsparcia& g) {
    OpisKroku opis;
    opis.rodzaj = OpisKroku::Rodzaj::ProgramLiniowy;
    const double wartosc = lp_.Wartosc();
    opis.wartosc = w_.Cel() == CelDowodu::Najkrotsza ? wartosc : -wartosc;
    if (!wynik_.trasa.empty())
        opis.najlepsza = dlugosc(wynik_.waga);
    opis.numer = wynik_.wezly;
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
        opis.dodane.emplace_back(k.a, k.b);
    opis.najlepszaTrasa = wynik_.trasa;
    ustawienia_.kroki->Krok(std::move(opis));
}

// One step a cut, each showing the LP's edges inside its first set: what the
// cut says those edges may not carry.
void PodzialIOdciecia::krokiCiec(const GrafWsparcia& g, const std::vector<Ciecie>& ciecia) {
    std::vector<std::uint8_t> wZbiorze(std::size_t(w_.Ilosc()), 0);
    for (std::size_t i = 0; i < ciecia.size(); ++i) {
        const Ciecie& c = ciecia[i];
        OpisKroku opis;
        opis.rodzaj = OpisKroku::Rodzaj::Ciecie;
        opis.numer = (long long)i + 1;
        opis.ile = (long long)ciecia.size();
        opis.rodzajCiecia = c.rodzaj == Ciecie::Rodzaj::Podcykl ? OpisKroku::RodzajCiecia::Podcykl
                            : c.rodzaj == Ciecie::Rodzaj::Kwiat ? OpisKroku::RodzajCiecia::Kwiat
                                                                 : OpisKroku::RodzajCiecia::Grzebien;
        if (!c.zbiory.empty())
            opis.trasa = c.zbiory.front();
        for (int m : opis.trasa)
            wZbiorze[std::size_t(m)] = 1;
        for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
            if (wZbiorze[std::size_t(k.a)] && wZbiorze[std::size_t(k.b)])
                opis.dodane.emplace_back(k.a, k.b);
        for (int m : opis.trasa)
            wZbiorze[std::size_t(m)] = 0;
        if (ustawienia_.kroki->Krok(std::move(opis)))
            return;
    }
}

void PodzialIOdciecia::krokGalezi(const Wezel& wezel, Krawedz e) {
    OpisKroku opis;
    opis.rodzaj = OpisKroku::Rodzaj::Galaz;
    opis.dodane.emplace_back(e.a, e.b);
    opis.wartosc = dlugosc(wezel.granica);
    opis.numer = wezel.glebokosc + 1;
    ustawienia_.kroki->Krok(std::move(opis));
}
