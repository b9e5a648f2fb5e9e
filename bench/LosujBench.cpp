// Random placement of cities on a grid: the grid's own draw against drawing
// cells until a free one turns up, which slows down as the grid fills.

#include "grid/LosoweKomorki.h"
#include "search/LosowaLiczba.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

void losujDoslownie(std::uint8_t* komorki, int wiersze, int kolumny, std::int64_t miasta) {
    std::fill(komorki, komorki + std::int64_t(wiersze) * kolumny, 0);
    for (std::int64_t k = 0; k < miasta; ++k) {
        std::size_t indeks;
        do {
            const int wiersz = LosowaLiczba(wiersze);
            const int kolumna = LosowaLiczba(kolumny);
            indeks = std::size_t(wiersz) * std::size_t(kolumny) + std::size_t(kolumna);
        } while (komorki[indeks]);
        komorki[indeks] = 1;
    }
}

// Args: side of the square grid, cities in percent of its cells.
template <void (*Losuj)(std::uint8_t*, int, int, std::int64_t)>
void BM_Losuj(benchmark::State& state) {
    const int bok = int(state.range(0));
    const std::int64_t miasta = std::int64_t(bok) * bok * state.range(1) / 100;
    std::vector<std::uint8_t> komorki(std::size_t(bok) * std::size_t(bok));
    UstawZiarno(1);
    for (auto _ : state) {
        Losuj(komorki.data(), bok, bok, miasta);
        benchmark::DoNotOptimize(komorki.data());
    }
    state.SetItemsProcessed(state.iterations() * miasta);
}

void BM_LosujKomorki(benchmark::State& state) {
    BM_Losuj<LosujKomorki>(state);
}

void BM_LosujDoslownie(benchmark::State& state) {
    BM_Losuj<losujDoslownie>(state);
}

} // namespace

BENCHMARK(BM_LosujKomorki)->ArgsProduct({{1024}, {5, 50, 90, 100}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LosujDoslownie)->ArgsProduct({{1024}, {5, 50, 90, 100}})->Unit(benchmark::kMillisecond);
