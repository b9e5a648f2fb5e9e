#pragma once

#include "search/HistoriaPostepu.h"
#include "search/dowod/Ciecie.h"
#include "toolkit/core/LatestValue.h"

#include <array>
#include <atomic>
#include <limits>
#include <span>
#include <vector>

// What a running proof shows to another thread without slowing it or racing
// with it: the bound and the best route's length as atomics, the record of
// both over time (for a chart), the open nodes left and the cuts in the LP
// by kind, and the newest LP solution and
// best route through triple buffers (one writer, the proof's thread; one
// reader). Lengths are the route's own, so for the longest route the bound
// is the upper one: it falls towards the route's length from above.
class PostepDowodu {
public:
    struct PunktGranic {
        double sekundy = 0.0;
        double granica = 0.0;
        double dlugosc = 0.0;
    };
    struct KrawedzLP {
        int a = 0, b = 0;
        double x = 0.0;  // in (0, 1]: whole edges at 1, fractional ones below
    };
    struct RozwiazanieLP {
        std::vector<KrawedzLP> krawedzie;
        double sekundy = 0.0;
    };
    struct NajlepszaTrasa {
        std::vector<int> trasa;
        double dlugosc = 0.0;
    };

    // Reader side, any thread. NaN until known.
    double Granica() const { return granica_.load(std::memory_order_relaxed); }
    double Dlugosc() const { return dlugosc_.load(std::memory_order_relaxed); }
    long long Wezly() const { return wezly_.load(std::memory_order_relaxed); }
    long long Otwarte() const { return otwarte_.load(std::memory_order_relaxed); }
    long long Ciecia() const { return ciecia_.load(std::memory_order_relaxed); }
    // The cuts in the LP now, of one kind.
    long long CieciaWLP(Ciecie::Rodzaj r) const {
        return cieciaWLP_[std::size_t(r)].load(std::memory_order_relaxed);
    }
    // Nodes given up unresolved so far.
    long long Nierozwiazane() const { return nierozwiazane_.load(std::memory_order_relaxed); }
    bool Udowodniona() const { return udowodniona_.load(std::memory_order_acquire); }
    std::vector<PunktGranic> Historia() const { return historia_.Punkty(); }
    static constexpr std::size_t NajwiecejPunktow = HistoriaPostepu<PunktGranic>::NajwiecejPunktow;
    // One reader thread only for each of these two.
    bool WezRozwiazanie() { return rozwiazanie_.take(); }
    const RozwiazanieLP& Rozwiazanie() const { return rozwiazanie_.front(); }
    bool WezTrase() { return trasa_.take(); }
    const NajlepszaTrasa& Trasa() const { return trasa_.front(); }

    // Writer side: the proof's thread.
    void ZglosGranice(double granica, double sekundy);
    void ZglosTrase(std::span<const int> trasa, double dlugosc, double sekundy);
    RozwiazanieLP& NoweRozwiazanie() { return rozwiazanie_.back(); }
    void PokazRozwiazanie() { rozwiazanie_.publish(); }
    void UstawWezly(long long wezly, long long otwarte);
    void DodajCiecia(long long ile) { ciecia_.fetch_add(ile, std::memory_order_relaxed); }
    void UstawCieciaWLP(const std::array<long long, Ciecie::kRodzaje>& ile);
    void UstawNierozwiazane(long long ile) { nierozwiazane_.store(ile, std::memory_order_relaxed); }
    void Udowodniono() { udowodniona_.store(true, std::memory_order_release); }

private:
    void zapisz(double sekundy);

    std::atomic<double> granica_{std::numeric_limits<double>::quiet_NaN()};
    std::atomic<double> dlugosc_{std::numeric_limits<double>::quiet_NaN()};
    std::atomic<long long> wezly_{0};
    std::atomic<long long> otwarte_{0};
    std::atomic<long long> ciecia_{0};
    std::array<std::atomic<long long>, Ciecie::kRodzaje> cieciaWLP_{};
    std::atomic<long long> nierozwiazane_{0};
    std::atomic<bool> udowodniona_{false};
    HistoriaPostepu<PunktGranic> historia_;
    LatestValue<RozwiazanieLP> rozwiazanie_;
    LatestValue<NajlepszaTrasa> trasa_;
};
