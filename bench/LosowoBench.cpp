// Random routes per second of the random search worker.

#include "search/permutacje/TObliczThread.h"
#include "reference/MiastaTestowe.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Args: cities, draws.
void BM_Losowo(benchmark::State& state) {
    const int n = int(state.range(0));
    const int ile = int(state.range(1));
    const OdleglosciSlot slot = std::make_unique<TablicaOdleglosci>(TablicaDla(LosoweKomorki(n, 25, 25, 1)));
    for (auto _ : state) {
        TObliczThread watek;
        watek.Odleglosci = &slot;
        watek.IloscMiast = n;
        watek.IleLosowan = ile;
        watek.Tryb = 2;
        watek.release();
        watek.waitForEnd();
        benchmark::DoNotOptimize(watek.NajkrotszaDroga);
    }
    state.SetItemsProcessed(state.iterations() * ile);
}

} // namespace

BENCHMARK(BM_Losowo)
    ->ArgsProduct({{13, 50}, {10000000}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
