// Rounds a second of the local search on random cities on TSPLIB's sphere
// (GEO) and in the plane (EUC_2D), in alternation within one run: what a
// distance on the sphere costs the search. Reports both rates and the ratio.

#include "search/Metryka.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace {

// DDD.MM, as GEO files give them: the minutes below 60.
double stopnieMinuty(double stopnie) {
    const double calkowite = std::trunc(stopnie);
    return calkowite + std::trunc((stopnie - calkowite) * 60.0) / 100.0;
}

Metryka losoweMiasta(RodzajMetryki rodzaj, int n, unsigned ziarno) {
    std::mt19937 los(ziarno);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<double> x, y;
    for (int k = 0; k < n; ++k) {
        if (rodzaj == RodzajMetryki::Geo) {
            // Between the polar circles, all round the globe.
            x.push_back(stopnieMinuty(-66.0 + 132.0 * u(los)));
            y.push_back(stopnieMinuty(-180.0 + 360.0 * u(los)));
        } else {
            x.push_back(std::floor(1e6 * u(los)));
            y.push_back(std::floor(1e6 * u(los)));
        }
    }
    return Metryka::Wspolrzedne(rodzaj, std::move(x), std::move(y));
}

// Seconds of one search of the given rounds on one thread, the same seed
// each time.
double sekundySzukania(const Metryka& metryka, long long rundy) {
    PrzeszukiwanieLokalne szukanie(metryka);
    UstawieniaLokalne ustawienia;
    ustawienia.limitRund = rundy;
    ustawienia.ziarno = 1;
    ustawienia.watki = 1;
    const auto start = std::chrono::steady_clock::now();
    szukanie.Szukaj(ustawienia, [] { return false; });
    benchmark::DoNotOptimize(szukanie.Dlugosc());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Args: cities, rounds. The start (candidate neighbours, the greedy route)
// is timed apart, with no rounds, and left out of the rates.
void BM_LokalneGeoStosunek(benchmark::State& state) {
    const int n = int(state.range(0));
    const long long rundy = state.range(1);
    const Metryka geo = losoweMiasta(RodzajMetryki::Geo, n, 1);
    const Metryka euc = losoweMiasta(RodzajMetryki::Euc2d, n, 1);
    double geoSek = 0.0;
    double eucSek = 0.0;
    for (auto _ : state) {
        const double g = sekundySzukania(geo, rundy) - sekundySzukania(geo, 0);
        const double e = sekundySzukania(euc, rundy) - sekundySzukania(euc, 0);
        geoSek += g;
        eucSek += e;
        state.SetIterationTime(g + e);
    }
    const double przebiegi = double(state.iterations());
    state.counters["geo_rund/s"] = przebiegi * double(rundy) / geoSek;
    state.counters["euc_rund/s"] = przebiegi * double(rundy) / eucSek;
    state.counters["stosunek"] = geoSek / eucSek;
}

} // namespace

BENCHMARK(BM_LokalneGeoStosunek)
    ->ArgNames({"miasta", "rundy"})
    ->Args({2000, 20000})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
