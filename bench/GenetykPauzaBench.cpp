// How soon a pause stops the genetic search at a population of millions: the
// time from hold() to the search thread parked, sampled at random moments
// from the start until the first generation has been shown, so that every
// step is sampled: the building of the populations, the initial population
// and each step of a generation.

#include "reference/MiastaTestowe.h"
#include "search/genetyczne/CGenetyk.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

// Arg: population size.
void BM_GenetykPauza(benchmark::State& state) {
    const int licznosc = int(state.range(0));
    const OdleglosciSlot tablica = std::make_unique<TablicaOdleglosci>(TablicaDla(LosoweKomorki(5, 25, 25, 1)));
    std::vector<double> przedPierwszym;
    std::vector<double> poPierwszym;
    for (auto _ : state) {
        CGenetyk gen;
        gen.Odleglosci = &tablica;
        gen.ZamowRozmiar(licznosc, 5);
        gen.PKrzyzowania = 0.3;
        gen.PMutacji = 0.1;
        gen.IlePokolen = 1000000;
        gen.release();
        std::mt19937 los(1);
        std::uniform_int_distribution<int> odstep(0, 300);
        // Generations shown: the initial population, then the first one.
        long long pokazane = 0;
        while (pokazane < 2) {
            std::this_thread::sleep_for(std::chrono::milliseconds(odstep(los)));
            QElapsedTimer pauza;
            pauza.start();
            gen.hold();
            while (gen.parkedThreads() == 0)
                std::this_thread::sleep_for(std::chrono::microseconds(20));
            const double ms = double(pauza.nsecsElapsed()) * 1e-6;
            (pokazane == 0 ? przedPierwszym : poPierwszym).push_back(ms);
            gen.NowyStan();
            pokazane = gen.OdebranyStan().Zbieznosc.IlePokolen();
            gen.release();
        }
    }
    const auto najdluzej = [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
    };
    std::vector<double> wszystkie = przedPierwszym;
    wszystkie.insert(wszystkie.end(), poPierwszym.begin(), poPierwszym.end());
    std::sort(wszystkie.begin(), wszystkie.end());
    state.counters["probki"] = double(wszystkie.size());
    state.counters["max_ms"] = najdluzej(wszystkie);
    state.counters["mediana_ms"] = wszystkie.empty() ? 0.0 : wszystkie[wszystkie.size() / 2];
    state.counters["max_przed_pierwszym_ms"] = najdluzej(przedPierwszym);
    state.counters["max_w_pierwszym_ms"] = najdluzej(poPierwszym);
}

} // namespace

BENCHMARK(BM_GenetykPauza)->Arg(10000000)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
