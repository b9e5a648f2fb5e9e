#include "search/dowod/TrasaNajdluzsza.h"

#include "search/dowod/Krawedz.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

std::vector<int> TrasaNajdluzsza(const Metryka& d, const UstawieniaLokalne& ustawienia,
                                 const std::function<bool()>& przerwij, const RunningClock* zegar) {
    const int n = d.Ilosc();
    std::vector<double> odleglosci(IloscKrawedzi(n));
    double najwieksza = 0.0;
    for (int a = 1; a < n; ++a)
        for (int b = 0; b < a; ++b) {
            const double x = d(a, b);
            odleglosci[Krawedz(a, b).Indeks()] = x;
            najwieksza = std::max(najwieksza, x);
        }
    // Whole weights fit in 31 bits after scaling down where they would not.
    double skala = d.Calkowita() ? 1.0 : 1024.0;
    if (najwieksza * skala > 1e9)
        skala = 1e9 / najwieksza;
    std::vector<std::int32_t> wagi(odleglosci.size());
    for (std::size_t i = 0; i < wagi.size(); ++i)
        wagi[i] = std::int32_t(std::llround((najwieksza - odleglosci[i]) * skala));
    const Metryka dopelnienie = Metryka::Jawna(n, std::move(wagi));
    // Under C - d the weights lie close together, so the Lin-Kernighan
    // chain's gain test prunes little and a round costs ten times as much
    // for no better route: 3-opt and Or-opt moves do here.
    UstawieniaLokalne u = ustawienia;
    if (!u.plan) {
        u.plan = PlanPrzeszukiwania::Dla(n);
        u.plan->krokiLinKernighana = 1;
    }
    PrzeszukiwanieLokalne szukanie(dopelnienie);
    szukanie.Szukaj(u, przerwij, zegar);
    std::vector<int> trasa = szukanie.Trasa();
    if (int(trasa.size()) != n) {
        trasa.resize(std::size_t(n));
        std::iota(trasa.begin(), trasa.end(), 0);
    }
    return trasa;
}
