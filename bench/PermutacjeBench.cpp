// The permutation search against the literal one, on random cities of a
// 25 x 25 grid with fixed seeds, and on layouts full of equal-length routes.

#include "bench/PrzeszukajWatkiem.h"
#include "search/permutacje/PrzegladPermutacji.h"
#include "search/permutacje/TObliczThread.h"
#include "reference/MiastaTestowe.h"
#include "reference/PermutacjeDoslowne.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <stdexcept>

namespace {

OdleglosciSlot losowe(int n, int ziarno) {
    return std::make_unique<TablicaOdleglosci>(TablicaDla(LosoweKomorki(n, 25, 25, std::uint32_t(ziarno))));
}


double sekundy(const std::chrono::steady_clock::duration& d) {
    return std::chrono::duration<double>(d).count();
}

// Args: cities, seed.
void BM_Permutacje(benchmark::State& state) {
    const OdleglosciSlot slot = losowe(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        PrzeszukajWatkiem(slot);
}

void BM_PermutacjeDoslownie(benchmark::State& state) {
    const int n = int(state.range(0));
    const OdleglosciSlot slot = losowe(n, int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(PermutacjeDoslownie(*slot, n).najkrotsza);
    state.counters["trasy/s"] = benchmark::Counter(double(TObliczThread::Silnia(n)) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

// Both on the same instance in one run; the iteration time is the fast one.
void BM_PermutacjeStosunek(benchmark::State& state) {
    const int n = int(state.range(0));
    const OdleglosciSlot slot = losowe(n, int(state.range(1)));
    double doslownie = 0.0;
    double szybko = 0.0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        const WynikDoslowny wzor = PermutacjeDoslownie(*slot, n);
        auto t1 = std::chrono::steady_clock::now();
        TObliczThread watek;
        watek.Odleglosci = &slot;
        watek.IloscMiast = n;
        watek.Tryb = 1;
        watek.release();
        watek.waitForEnd();
        auto t2 = std::chrono::steady_clock::now();
        if (watek.NajlepszaTrasa != wzor.trasa || watek.NajkrotszaDroga != wzor.najkrotsza ||
            watek.NajdluzszaDroga != wzor.najdluzsza) {
            state.SkipWithError("results differ from the literal search");
            break;
        }
        doslownie += sekundy(t1 - t0);
        szybko += sekundy(t2 - t1);
        state.SetIterationTime(sekundy(t2 - t1));
    }
    state.counters["doslownie_s"] = doslownie / double(state.iterations());
    state.counters["szybko_s"] = szybko / double(state.iterations());
    state.counters["stosunek"] = szybko > 0.0 ? doslownie / szybko : 0.0;
}

// Layouts with hosts of routes of equal real length.
Komorki uklad(int rodzaj, int n) {
    Komorki miasta;
    for (int i = 0; i < n; ++i) {
        switch (rodzaj) {
        case 0: miasta.emplace_back(i, 0); break;          // one row: whole-number distances
        case 1: miasta.emplace_back(i, i); break;          // a diagonal: every sum rounds
        case 2: miasta.emplace_back(i % 4, i / 4); break;  // a filled block, 4 wide
        default: miasta.emplace_back(i % 2, i / 2); break; // a filled block, 2 wide
        }
    }
    return miasta;
}

// Args: layout, cities.
void BM_PermutacjeUklad(benchmark::State& state) {
    const OdleglosciSlot slot =
        std::make_unique<TablicaOdleglosci>(TablicaDla(uklad(int(state.range(0)), int(state.range(1)))));
    for (auto _ : state)
        PrzeszukajWatkiem(slot);
}

// How much of the work is evaluated routes: counters from the engine itself.
void BM_PermutacjeSilnik(benchmark::State& state) {
    const int n = int(state.range(0));
    const OdleglosciSlot slot = losowe(n, int(state.range(1)));
    std::uint64_t odwiedzone = 0;
    for (auto _ : state) {
        PrzegladPermutacji przeglad(*slot, n);
        std::atomic<std::uint32_t> nr{0};
        przeglad.Szukaj([] { return false; }, nr);
        odwiedzone = przeglad.Odwiedzone();
    }
    state.counters["odwiedzone"] = double(odwiedzone);
}

} // namespace

// The worker runs on a thread of its own: wall time is what counts.
BENCHMARK(BM_Permutacje)->ArgsProduct({{10, 11, 12, 13}, {1, 2, 3}})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PermutacjeDoslownie)->ArgsProduct({{10, 11, 12}, {1, 2, 3}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PermutacjeStosunek)
    ->ArgsProduct({{10}, {1, 2, 3}})->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PermutacjeStosunek)
    ->ArgsProduct({{11, 12, 13}, {1, 2, 3}})->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PermutacjeUklad)
    ->ArgsProduct({{0, 1, 2, 3}, {12, 16}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PermutacjeSilnik)->ArgsProduct({{10, 13, 16}, {1, 2, 3}})->Iterations(1)->Unit(benchmark::kMillisecond);
