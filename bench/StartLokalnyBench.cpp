// The set-up of the local search on layouts that used to stall it: a million
// uniform cities, cities on one line and cities at one place, each step on
// its own (the curve route, the candidate sets, the greedy start on them)
// and all three in a row. items_per_second compares the layouts per city;
// dlugosc_wzgledna is a route's length over the optimum of a line, or over
// 0.7124·sqrt(n·A), the optimum's known asymptote on a uniform square.

#include "search/lokalne/PlanPrzeszukiwania.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/TrasaKrzywej.h"
#include "search/lokalne/TrasaZachlanna.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

enum Uklad { kRownomierny = 0, kLinia = 1, kPunkt = 2 };

constexpr double kBok = 1e6;

// Cities in a random order, so that no layout comes sorted.
std::vector<PunktPlaszczyzny> miasta(int uklad, int n) {
    std::mt19937_64 los(7);
    std::vector<PunktPlaszczyzny> p(static_cast<std::size_t>(n));
    std::uniform_real_distribution<double> u(0.0, kBok);
    for (int i = 0; i < n; ++i) {
        if (uklad == kRownomierny)
            p[std::size_t(i)] = {u(los), u(los)};
        else if (uklad == kLinia)
            p[std::size_t(i)] = {double(i), -3.0};
        else
            p[std::size_t(i)] = {123.5, -7.0};
    }
    std::shuffle(p.begin(), p.end(), los);
    return p;
}

struct Odleglosc {
    const std::vector<PunktPlaszczyzny>* p;
    double operator()(int a, int b) const {
        const auto &s = (*p)[std::size_t(a)], &t = (*p)[std::size_t(b)];
        return std::sqrt((s.x - t.x) * (s.x - t.x) + (s.y - t.y) * (s.y - t.y));
    }
};

void dlugoscWzgledna(benchmark::State& state, int uklad, const std::vector<PunktPlaszczyzny>& p,
                     const std::vector<int>& trasa) {
    const Odleglosc d{&p};
    double s = 0.0;
    for (std::size_t i = 0; i < trasa.size(); ++i)
        s += d(trasa[i], trasa[(i + 1) % trasa.size()]);
    const double n = double(p.size());
    if (uklad == kRownomierny)
        state.counters["dlugosc_wzgledna"] = s / (0.7124 * std::sqrt(n * kBok * kBok));
    else if (uklad == kLinia)
        state.counters["dlugosc_wzgledna"] = s / (2.0 * (n - 1));
}

bool nigdy() {
    return false;
}

bool zbuduj(SasiedziKandydaci& s, const std::vector<PunktPlaszczyzny>& p) {
    const int n = int(p.size());
    const PlanPrzeszukiwania plan = PlanPrzeszukiwania::Dla(n);
    return s.Zbuduj(Odleglosc{&p}, n, p, plan.sasiedzi, plan.wCwiartce, nigdy);
}

std::vector<int> zachlanna(const SasiedziKandydaci& s, const std::vector<PunktPlaszczyzny>& p) {
    const Odleglosc d{&p};
    return TrasaZachlanna(s, int(p.size()), [&d](int a, int b) { return d(a, b); }, nigdy);
}

// Args: layout, cities.
void BM_StartKrzywa(benchmark::State& state) {
    const int uklad = int(state.range(0)), n = int(state.range(1));
    const auto p = miasta(uklad, n);
    std::vector<int> trasa;
    for (auto _ : state)
        benchmark::DoNotOptimize(trasa = TrasaKrzywej(p, n));
    state.SetItemsProcessed(state.iterations() * n);
    dlugoscWzgledna(state, uklad, p, trasa);
}

void BM_StartSasiedzi(benchmark::State& state) {
    const int uklad = int(state.range(0)), n = int(state.range(1));
    const auto p = miasta(uklad, n);
    for (auto _ : state) {
        SasiedziKandydaci s;
        if (!zbuduj(s, p))
            state.SkipWithError("stopped");
        benchmark::DoNotOptimize(s.Razem());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_StartZachlanna(benchmark::State& state) {
    const int uklad = int(state.range(0)), n = int(state.range(1));
    const auto p = miasta(uklad, n);
    SasiedziKandydaci s;
    zbuduj(s, p);
    std::vector<int> trasa;
    for (auto _ : state)
        benchmark::DoNotOptimize(trasa = zachlanna(s, p));
    state.SetItemsProcessed(state.iterations() * n);
    if (int(trasa.size()) != n)
        state.SkipWithError("no route");
    dlugoscWzgledna(state, uklad, p, trasa);
}

void BM_StartCaly(benchmark::State& state) {
    const int uklad = int(state.range(0)), n = int(state.range(1));
    const auto p = miasta(uklad, n);
    std::vector<int> trasa;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TrasaKrzywej(p, n));
        SasiedziKandydaci s;
        zbuduj(s, p);
        benchmark::DoNotOptimize(trasa = zachlanna(s, p));
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void uklady(benchmark::internal::Benchmark* b) {
    b->Args({kRownomierny, 1 << 20})
        ->Args({kRownomierny, 200000})
        ->Args({kRownomierny, 40000})
        ->Args({kLinia, 200000})
        ->Args({kPunkt, 40000})
        ->ArgNames({"uklad", "miasta"});
}

}  // namespace

BENCHMARK(BM_StartKrzywa)->Apply(uklady)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartSasiedzi)->Apply(uklady)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartZachlanna)->Apply(uklady)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartCaly)->Apply(uklady)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
