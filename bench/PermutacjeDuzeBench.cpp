// The permutation search at 14 to 30 random cities of a 25 x 25 grid, seeds
// 1 to 5, as the program runs it, and a plain Held-Karp dynamic programme
// for both lengths as the baseline.

#include "bench/PrzeszukajWatkiem.h"
#include "reference/MiastaTestowe.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kZiarna = 5;

OdleglosciSlot losowe(int n, int ziarno) {
    return std::make_unique<TablicaOdleglosci>(TablicaDla(LosoweKomorki(n, 25, 25, std::uint32_t(ziarno))));
}

double sekundy(const std::chrono::steady_clock::duration& d) {
    return std::chrono::duration<double>(d).count();
}

// The process's peak resident memory since the last reset, in MB (Linux).
void wyzerujSzczytPamieci() {
    std::ofstream("/proc/self/clear_refs") << "5";
}
double szczytPamieciMB() {
    std::ifstream status("/proc/self/status");
    std::string klucz;
    while (status >> klucz) {
        if (klucz == "VmHWM:") {
            double kb = 0.0;
            status >> kb;
            return kb / 1024.0;
        }
    }
    return 0.0;
}

double czasWatku(const OdleglosciSlot& slot) {
    const auto t0 = std::chrono::steady_clock::now();
    PrzeszukajWatkiem(slot);
    return sekundy(std::chrono::steady_clock::now() - t0);
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Shortest and longest tour by dynamic programming over sets of cities,
// in double, one float table of 2^(n-1) x n entries for each.
std::pair<double, double> heldKarp(const TablicaOdleglosci& T, int n) {
    const std::uint32_t wszystkie = (std::uint32_t(1) << (n - 1)) - 1;
    const std::size_t rozmiar = (std::size_t(wszystkie) + 1) * std::size_t(n);
    std::vector<float> krotsze(rozmiar), dluzsze(rozmiar);
    const auto i = [n](std::uint32_t zbior, int koniec) { return std::size_t(zbior) * std::size_t(n) + std::size_t(koniec); };
    // Paths from city 0 through the set, ending at koniec (in the set).
    for (std::uint32_t zbior = 1; zbior <= wszystkie; ++zbior)
        for (std::uint32_t r = zbior; r != 0; r &= r - 1) {
            const int koniec = std::countr_zero(r) + 1;
            const std::uint32_t bez = zbior & ~(std::uint32_t(1) << (koniec - 1));
            double k = std::numeric_limits<double>::infinity(), d = -k;
            if (bez == 0) {
                k = d = T[koniec][0];
            } else {
                for (std::uint32_t s = bez; s != 0; s &= s - 1) {
                    const int przed = std::countr_zero(s) + 1;
                    k = std::min(k, double(krotsze[i(bez, przed)]) + T[koniec][przed]);
                    d = std::max(d, double(dluzsze[i(bez, przed)]) + T[koniec][przed]);
                }
            }
            krotsze[i(zbior, koniec)] = float(k);
            dluzsze[i(zbior, koniec)] = float(d);
        }
    double k = std::numeric_limits<double>::infinity(), d = -k;
    for (int koniec = 1; koniec < n; ++koniec) {
        k = std::min(k, double(krotsze[i(wszystkie, koniec)]) + T[0][koniec]);
        d = std::max(d, double(dluzsze[i(wszystkie, koniec)]) + T[0][koniec]);
    }
    return {k, d};
}

// Arg: cities. One pass over seeds 1..5; the iteration time is the median.
void BM_PermutacjeDuze(benchmark::State& state) {
    const int n = int(state.range(0));
    std::vector<double> czasy;
    double szczyt = 0.0;
    for (auto _ : state) {
        czasy.clear();
        for (int ziarno = 1; ziarno <= kZiarna; ++ziarno) {
            const OdleglosciSlot slot = losowe(n, ziarno);
            wyzerujSzczytPamieci();
            czasy.push_back(czasWatku(slot));
            szczyt = std::max(szczyt, szczytPamieciMB());
        }
        state.SetIterationTime(mediana(czasy));
    }
    state.counters["mediana_s"] = mediana(czasy);
    state.counters["najgorszy_s"] = *std::max_element(czasy.begin(), czasy.end());
    state.counters["szczyt_MB"] = szczyt;
}

// Arg: cities. The dynamic programme and the search on the same cities, side
// by side; the ratio is the median over the seeds.
void BM_HeldKarpStosunek(benchmark::State& state) {
    const int n = int(state.range(0));
    std::vector<double> stosunki, dp;
    for (auto _ : state) {
        for (int ziarno = 1; ziarno <= kZiarna; ++ziarno) {
            const OdleglosciSlot slot = losowe(n, ziarno);
            const auto t0 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(heldKarp(*slot, n));
            dp.push_back(sekundy(std::chrono::steady_clock::now() - t0));
            stosunki.push_back(dp.back() / czasWatku(slot));
        }
        state.SetIterationTime(mediana(dp));
    }
    state.counters["dp_mediana_s"] = mediana(dp);
    state.counters["stosunek_mediana"] = mediana(stosunki);
    state.counters["stosunek_najmniejszy"] = *std::min_element(stosunki.begin(), stosunki.end());
}

// Args: cities, layout (0 one row, 1 a diagonal, 2 a block two cells wide):
// routes of equal real length by the million, told apart only by rounding.
void BM_PermutacjeRemisy(benchmark::State& state) {
    const int n = int(state.range(0));
    const int uklad = int(state.range(1));
    Komorki miasta;
    for (int i = 0; i < n; ++i)
        miasta.emplace_back(uklad == 2 ? i % 2 : i, uklad == 0 ? 0 : uklad == 1 ? i : i / 2);
    const OdleglosciSlot slot = std::make_unique<TablicaOdleglosci>(TablicaDla(miasta));
    double szczyt = 0.0;
    for (auto _ : state) {
        wyzerujSzczytPamieci();
        state.SetIterationTime(czasWatku(slot));
        szczyt = std::max(szczyt, szczytPamieciMB());
    }
    state.counters["szczyt_MB"] = szczyt;
}

} // namespace

BENCHMARK(BM_PermutacjeRemisy)
    ->ArgsProduct({{21, 23, 25}, {0, 1, 2}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Long ones: one pass each, so that a filter can leave them out.
BENCHMARK(BM_PermutacjeDuze)
    ->DenseRange(14, 20, 2)
    ->Arg(21)->Arg(22)->Arg(23)->Arg(25)->Arg(28)->Arg(30)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeldKarpStosunek)->Arg(23)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
