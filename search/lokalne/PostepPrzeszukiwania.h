#pragma once

#include "search/HistoriaPostepu.h"
#include "toolkit/core/LatestValue.h"

#include <atomic>
#include <cstdint>
#include <limits>
#include <mutex>
#include <span>
#include <vector>

// What a running local search shows to another thread without slowing it:
// rounds and the best length as atomics, the best route through a triple
// buffer (the search threads take turns as its writer under a mutex; the
// reader never waits), and the convergence record for a chart.
class PostepPrzeszukiwania {
public:
    struct PunktZbieznosci {
        double sekundy = 0.0;
        double dlugosc = 0.0;
    };
    struct NajlepszaTrasa {
        std::vector<int> trasa;
        double dlugosc = 0.0;
    };

    // Reader side, any thread.
    long long Rundy() const { return rundy_.load(std::memory_order_relaxed); }
    // Infinity until the first route is known.
    double NajlepszaDlugosc() const { return najlepsza_.load(std::memory_order_relaxed); }
    // Moves the newest route handed out into Trasa(); false when none is new
    // since the last call. One reader thread only.
    bool WezTrase() { return trasa_.take(); }
    const NajlepszaTrasa& Trasa() const { return trasa_.front(); }
    std::vector<PunktZbieznosci> Zbieznosc() const { return zbieznosc_.Punkty(); }
    static constexpr std::size_t NajwiecejPunktow = HistoriaPostepu<PunktZbieznosci>::NajwiecejPunktow;

    // Search side.
    void DodajRundy(long long ile) { rundy_.fetch_add(ile, std::memory_order_relaxed); }
    // Publishes the route when it is shorter than the best so far.
    void Zglos(std::span<const int> trasa, double dlugosc, double sekundy);
    void Zeruj();

private:
    std::atomic<long long> rundy_{0};
    std::atomic<double> najlepsza_{std::numeric_limits<double>::infinity()};
    LatestValue<NajlepszaTrasa> trasa_;
    // The writers' turns.
    std::mutex mutex_;
    HistoriaPostepu<PunktZbieznosci> zbieznosc_;
};
