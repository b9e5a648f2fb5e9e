#include "search/lokalne/PodzialTrasy.h"

#include "search/Pomocnik.h"
#include "search/ZOdlegloscia.h"
#include "search/lokalne/KolejkaAktywnych.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/RundaLokalna.h"
#include "search/lokalne/TrasaTablicowa.h"

#include <algorithm>
#include <barrier>
#include <cstdint>
#include <random>

namespace {

constexpr double NajdluzszaEpoka = 0.5;

struct Watek {
    Watek(TrasaTablicowa& t, int n) : okno(t), kolejka(n) {}
    OknoTrasy okno;
    KolejkaAktywnych kolejka;
    std::mt19937_64 los;
    int poczatek = 0;
    int dlugosc = 0;
    long long przydzial = 0;
    long long rundy = 0;
};

// One route shared by the threads, its stretches and each thread's state.
class WspolnaTrasa {
public:
    WspolnaTrasa(const KontekstLokalny& k, const std::vector<int>& poczatkowa);

    int Watki() const { return int(stan_.size()); }
    // Between epochs, with every thread at the barrier (or dropped out):
    // the route to the readers, then new stretches and round allowances,
    // unless the search is over.
    void NowaEpoka() noexcept;
    // Thread w's epochs until the search is over.
    template <class Bariera>
    void Pracuj(int w, Bariera& bariera);
    // The descent over the whole route from the cities by the last
    // borders, which may still hold a move across them; the result.
    std::vector<int> Zakoncz();

private:
    void podziel();
    template <MiaraOdleglosci D>
    long long epoka(Watek& s, const D& d);

    const KontekstLokalny& k_;
    const int n_;
    TrasaTablicowa trasa_;
    std::vector<std::uint8_t> wlasciciel_;
    // Cities whose moves no thread has looked at since their last change.
    std::vector<std::uint8_t> doSprawdzenia_;
    std::vector<Watek> stan_;
    // Epochs by time as well as by rounds only where time decides anyway:
    // a round limit alone gives one route for one seed.
    const bool epokiCzasem_;
    bool koniec_ = false;
    bool pierwsza_ = true;
    long long zrobione_ = 0;
    long long pozostalo_ = -1;
    double koniecEpoki_ = 0.0;
    std::mt19937_64 losPodzialu_;
};

WspolnaTrasa::WspolnaTrasa(const KontekstLokalny& k, const std::vector<int>& poczatkowa)
    : k_(k), n_(k.Ilosc()), trasa_(poczatkowa), wlasciciel_(std::size_t(n_), 0), doSprawdzenia_(std::size_t(n_), 1),
      epokiCzasem_(k.ustawienia.limitRund < 0 || k.ustawienia.limitSekund > 0.0),
      losPodzialu_(ZiarnoWatku(k.ustawienia.ziarno, -1)) {
    const int watki = std::clamp(k.ustawienia.watki, 1, 255);
    stan_.reserve(std::size_t(watki));
    for (int w = 0; w < watki; ++w) {
        stan_.emplace_back(trasa_, n_);
        stan_.back().los.seed(ZiarnoWatku(k.ustawienia.ziarno, w));
    }
}

void WspolnaTrasa::NowaEpoka() noexcept {
    for (Watek& s : stan_) {
        zrobione_ += s.rundy;
        s.rundy = 0;
    }
    try {
        if (!pierwsza_)
            k_.Zglos(trasa_.Kolejnosc());
    } catch (...) {
        // Only the readers' copy is lost; the search goes on.
    }
    pozostalo_ = k_.ustawienia.limitRund < 0 ? -1 : k_.ustawienia.limitRund - zrobione_;
    // The first epoch runs even with no rounds to make: its descent is
    // the start's.
    if (!pierwsza_ && (k_.warunek.Zakonczone() || pozostalo_ == 0)) {
        koniec_ = true;
        return;
    }
    pierwsza_ = false;
    podziel();
    koniecEpoki_ = k_.warunek.Sekundy() + NajdluzszaEpoka;
}

void WspolnaTrasa::podziel() {
    // The old ends join the middle of a stretch: their moves across the
    // old border were out of reach until now.
    for (const Watek& s : stan_)
        for (int d = -3; d <= 3; ++d) {
            const int p = ((s.poczatek + d) % n_ + n_) % n_;
            doSprawdzenia_[std::size_t(trasa_.Miasto(p))] = 1;
        }
    const int watki = Watki();
    const int przesuniecie = int(losPodzialu_() % std::uint64_t(n_));
    for (int w = 0; w < watki; ++w) {
        Watek& s = stan_[std::size_t(w)];
        const int od = int(std::int64_t(n_) * w / watki), dokad = int(std::int64_t(n_) * (w + 1) / watki);
        s.poczatek = (przesuniecie + od) % n_;
        s.dlugosc = dokad - od;
        for (int r = 0; r < s.dlugosc; ++r)
            wlasciciel_[std::size_t(trasa_.Miasto((s.poczatek + r) % n_))] = std::uint8_t(w);
        s.przydzial = k_.plan.rundWEpoce;
        if (pozostalo_ >= 0)
            s.przydzial = std::min(s.przydzial, pozostalo_ / watki + (w < pozostalo_ % watki ? 1 : 0));
    }
}

template <class Bariera>
void WspolnaTrasa::Pracuj(int w, Bariera& bariera) {
    Watek& s = stan_[std::size_t(w)];
    ZOdlegloscia(k_.d, [&](const auto& d) {
        while (!koniec_) {
            s.okno.Fragment(s.poczatek, s.dlugosc, wlasciciel_, std::uint8_t(w));
            for (int r = 0; r < s.dlugosc; ++r) {
                const int c = trasa_.Miasto((s.poczatek + r) % n_);
                if (doSprawdzenia_[std::size_t(c)]) {
                    doSprawdzenia_[std::size_t(c)] = 0;
                    s.kolejka.Dodaj(c);
                }
            }
            s.rundy = epoka(s, d);
            while (!s.kolejka.Pusta())
                doSprawdzenia_[std::size_t(s.kolejka.Wez())] = 1;
            bariera.arrive_and_wait();
        }
    });
}

// The descent from the stretch's cities to check, then rounds up to the
// thread's allowance; the rounds made.
template <MiaraOdleglosci D>
long long WspolnaTrasa::epoka(Watek& s, const D& d) {
    bool przerwane = false;
    ZejscieBezDziennika(k_, d, s.okno, s.kolejka, przerwane);
    long long r = 0;
    while (!przerwane && r < s.przydzial && !k_.warunek()) {
        if (epokiCzasem_ && k_.warunek.Sekundy() >= koniecEpoki_)
            break;
        double zmiana = 0.0;
        if (RundaLokalna(k_, d, s.okno, s.kolejka, s.los, zmiana) != WynikRundy::Zrobiona)
            break;
        ++r;
        k_.postep.DodajRundy(1);
    }
    return r;
}

std::vector<int> WspolnaTrasa::Zakoncz() {
    OknoTrasy cala(trasa_);
    cala.CalaTrasa();
    KolejkaAktywnych kolejka(n_);
    for (int c = 0; c < n_; ++c)
        if (doSprawdzenia_[std::size_t(c)])
            kolejka.Dodaj(c);
    bool przerwane = false;
    ZOdlegloscia(k_.d, [&](const auto& d) { ZejscieBezDziennika(k_, d, cala, kolejka, przerwane); });
    return trasa_.Kolejnosc();
}

}  // namespace

std::vector<int> SzukajPodzialem(const KontekstLokalny& k, const std::vector<int>& poczatkowa) {
    WspolnaTrasa trasa(k, poczatkowa);
    trasa.NowaEpoka();
    std::barrier bariera(trasa.Watki(), [&trasa]() noexcept { trasa.NowaEpoka(); });
    NaWatkach(
        trasa.Watki(),
        [&](int w) {
            try {
                trasa.Pracuj(w, bariera);
            } catch (...) {
                // The others stop at once, and pass the barrier without this
                // thread from now on.
                k.warunek.Zakoncz();
                bariera.arrive_and_drop();
                throw;
            }
        },
        [&] { k.warunek.Zakoncz(); }, [&](int) { bariera.arrive_and_drop(); });
    return trasa.Zakoncz();
}
