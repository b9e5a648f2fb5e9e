// The checker's cost per leaf: one Lagrangian bound over every pair of n
// cities, with cuts of a few intervals each as a proof near its route has
// them. A certificate's check costs about this times its leaves.

#include "search/LosowaLiczba.h"
#include "search/certyfikat/OgraniczenieWezla.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

// Args: cities, cuts with a multiplier, intervals a set.
void BM_GranicaLiscia(benchmark::State& state) {
    const int n = int(state.range(0));
    const int ciecia = int(state.range(1));
    const int przedzialy = int(state.range(2));
    std::vector<int> miasta(static_cast<std::size_t>(n));
    std::iota(miasta.begin(), miasta.end(), 0);
    std::vector<std::int64_t> wagi(std::size_t(n) * std::size_t(n - 1) / 2);
    for (std::int64_t& w : wagi)
        w = LosowaLiczba(20000);
    std::vector<OgraniczenieWezla::Ciecie> c;
    DualneCertyfikatu d;
    for (int k = 0; k < ciecia; ++k) {
        ZbiorPozycji z;
        int od = LosowaLiczba(n / 2);
        for (int i = 0; i < przedzialy && od < n - 1; ++i) {
            const int doKonca = std::min(n - 2, od + LosowaLiczba(20));
            z.push_back({od, doKonca});
            od = doKonca + 2 + LosowaLiczba(30);
        }
        c.push_back({{z}, {}, 2});
        d.mu.emplace_back(k, Int128(LosowaLiczba(1 << 30)) << 10);
    }
    for (int v = 0; v < n; ++v)
        d.y.push_back(Int128(LosowaLiczba(1 << 30)) << 12);
    OgraniczenieWezla o(miasta, std::move(wagi), std::move(c));
    const std::vector<std::uint8_t> stan(std::size_t(n) * std::size_t(n - 1) / 2, OgraniczenieWezla::Wolna);
    for (auto _ : state)
        benchmark::DoNotOptimize(o.Granica(d, Int128(1) << 32, true, stan));
}

} // namespace

BENCHMARK(BM_GranicaLiscia)
    ->Args({100, 100, 2})
    ->Args({1002, 1000, 3})
    ->Args({3000, 3000, 3})
    ->Unit(benchmark::kMillisecond);
