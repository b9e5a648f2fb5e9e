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

}  // namespace

std::vector<int> SzukajPodzialem(const KontekstLokalny& k, const std::vector<int>& poczatkowa) {
    const int n = k.Ilosc();
    const int watki = std::clamp(k.ustawienia.watki, 1, 255);
    TrasaTablicowa trasa(poczatkowa);
    std::vector<std::uint8_t> wlasciciel(std::size_t(n), 0);
    std::vector<std::uint8_t> doSprawdzenia(std::size_t(n), 1);
    std::vector<Watek> stan;
    stan.reserve(std::size_t(watki));
    for (int w = 0; w < watki; ++w) {
        stan.emplace_back(trasa, n);
        stan.back().los.seed(ZiarnoWatku(k.ustawienia.ziarno, w));
    }
    // Epochs by time as well as by rounds only where time decides anyway:
    // a round limit alone gives one route for one seed.
    const bool epokiCzasem = k.ustawienia.limitRund < 0 || k.ustawienia.limitSekund > 0.0;
    bool koniec = false;
    bool pierwsza = true;
    long long zrobione = 0;
    double koniecEpoki = 0.0;
    std::mt19937_64 losPodzialu(ZiarnoWatku(k.ustawienia.ziarno, -1));

    // Between epochs, with every thread at the barrier (or dropped out).
    const auto nowaEpoka = [&]() noexcept {
        for (Watek& s : stan) {
            zrobione += s.rundy;
            s.rundy = 0;
        }
        try {
            if (!pierwsza)
                k.Zglos(trasa.Kolejnosc());
        } catch (...) {
            // Only the readers' copy is lost; the search goes on.
        }
        const long long pozostalo = k.ustawienia.limitRund < 0 ? -1 : k.ustawienia.limitRund - zrobione;
        // The first epoch runs even with no rounds to make: its descent is
        // the start's.
        if (!pierwsza && (k.warunek.Zakonczone() || pozostalo == 0)) {
            koniec = true;
            return;
        }
        pierwsza = false;
        // The old ends join the middle of a stretch: their moves across the
        // old border were out of reach until now.
        for (const Watek& s : stan)
            for (int d = -3; d <= 3; ++d) {
                const int p = ((s.poczatek + d) % n + n) % n;
                doSprawdzenia[std::size_t(trasa.Miasto(p))] = 1;
            }
        const int przesuniecie = int(losPodzialu() % std::uint64_t(n));
        for (int w = 0; w < watki; ++w) {
            Watek& s = stan[std::size_t(w)];
            const int od = int(std::int64_t(n) * w / watki), dokad = int(std::int64_t(n) * (w + 1) / watki);
            s.poczatek = (przesuniecie + od) % n;
            s.dlugosc = dokad - od;
            for (int r = 0; r < s.dlugosc; ++r)
                wlasciciel[std::size_t(trasa.Miasto((s.poczatek + r) % n))] = std::uint8_t(w);
            s.przydzial = k.plan.rundWEpoce;
            if (pozostalo >= 0)
                s.przydzial = std::min(s.przydzial, pozostalo / watki + (w < pozostalo % watki ? 1 : 0));
        }
        koniecEpoki = k.warunek.Sekundy() + NajdluzszaEpoka;
    };
    nowaEpoka();
    std::barrier bariera(watki, nowaEpoka);

    NaWatkach(
        watki,
        [&](int w) {
            Watek& s = stan[std::size_t(w)];
            try {
                ZOdlegloscia(k.d, [&](const auto& d) {
                    while (!koniec) {
                        s.okno.Fragment(s.poczatek, s.dlugosc, wlasciciel, std::uint8_t(w));
                        for (int r = 0; r < s.dlugosc; ++r) {
                            const int c = trasa.Miasto((s.poczatek + r) % n);
                            if (doSprawdzenia[std::size_t(c)]) {
                                doSprawdzenia[std::size_t(c)] = 0;
                                s.kolejka.Dodaj(c);
                            }
                        }
                        bool przerwane = false;
                        ZejscieBezDziennika(k, d, s.okno, s.kolejka, przerwane);
                        long long r = 0;
                        while (!przerwane && r < s.przydzial && !k.warunek()) {
                            if (epokiCzasem && k.warunek.Sekundy() >= koniecEpoki)
                                break;
                            double zmiana = 0.0;
                            if (RundaLokalna(k, d, s.okno, s.kolejka, s.los, zmiana) != WynikRundy::Zrobiona)
                                break;
                            ++r;
                            k.postep.DodajRundy(1);
                        }
                        while (!s.kolejka.Pusta())
                            doSprawdzenia[std::size_t(s.kolejka.Wez())] = 1;
                        s.rundy = r;
                        bariera.arrive_and_wait();
                    }
                });
            } catch (...) {
                // The others stop at once, and pass the barrier without this
                // thread from now on.
                k.warunek.Zakoncz();
                bariera.arrive_and_drop();
                throw;
            }
        },
        [&] { k.warunek.Zakoncz(); }, [&](int) { bariera.arrive_and_drop(); });

    // The cities by the last borders may still hold a move across them.
    OknoTrasy cala(trasa);
    cala.CalaTrasa();
    KolejkaAktywnych kolejka(n);
    for (int c = 0; c < n; ++c)
        if (doSprawdzenia[std::size_t(c)])
            kolejka.Dodaj(c);
    bool przerwane = false;
    ZOdlegloscia(k.d, [&](const auto& d) { ZejscieBezDziennika(k, d, cala, kolejka, przerwane); });
    return trasa.Kolejnosc();
}
