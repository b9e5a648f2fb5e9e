// Generations per second of the genetic search, without a display step.

#include "search/genetyczne/CGenetyk.h"
#include "search/LosowaLiczba.h"
#include "reference/MiastaTestowe.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kMiasta = 50;

OdleglosciSlot tablica() {
    return std::make_unique<TablicaOdleglosci>(TablicaDla(LosoweKomorki(kMiasta, 25, 25, 1)));
}

void ustaw(CGenetyk& gen, const OdleglosciSlot& slot, int licznosc) {
    gen.Odleglosci = &slot;
    gen.UstawRozmiar(licznosc, kMiasta);
    gen.PKrzyzowania = 0.3;
    gen.PMutacji = 0.1;
}

// One generation per iteration, driven on this thread. Arg: population size.
void BM_GenetykPokolenie(benchmark::State& state) {
    const OdleglosciSlot slot = tablica();
    CGenetyk gen;
    ustaw(gen, slot, int(state.range(0)));
    gen.Inicjuj();
    UstawZiarno(1);
    gen.Ocen();
    gen.ZapamietajNajlepszy();
    for (auto _ : state) {
        gen.Selekcja();
        gen.Krzyzowanie();
        gen.Mutacja();
        gen.Ocen();
        gen.ZapamietajNajlepszy();
    }
    benchmark::DoNotOptimize(gen.Najlepszy().Droga);
    state.SetItemsProcessed(state.iterations());
}

// A whole run on the search's own thread, the initial population included.
// Args: population size, generations.
void BM_GenetykPrzebieg(benchmark::State& state) {
    const OdleglosciSlot slot = tablica();
    const int pokolenia = int(state.range(1));
    for (auto _ : state) {
        CGenetyk gen;
        ustaw(gen, slot, int(state.range(0)));
        gen.IlePokolen = pokolenia;
        gen.release();
        gen.waitForEnd();
        benchmark::DoNotOptimize(gen.Najlepszy().Droga);
    }
    state.SetItemsProcessed(state.iterations() * pokolenia);
}

} // namespace

BENCHMARK(BM_GenetykPokolenie)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenetykPrzebieg)->Args({100, 10000})->Args({10000, 100})->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
