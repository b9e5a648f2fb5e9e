#pragma once

#include "search/Metryka.h"
#include "search/dowod/DowodOptymalnosci.h"
#include "search/dowod/PostepDowodu.h"
#include "toolkit/core/HoldableThread.h"

#include <atomic>
#include <optional>
#include <vector>

// The worker of the proof: created held; the owner gives it the cities'
// metric and the settings and releases it. It proves the shortest route,
// then the longest (either may be left out), each from the local search's
// route. A hold stops it between two LP solves (or in the local search),
// and its running clock stands still meanwhile; a finish request ends it
// with the best routes and bounds reached. With a time limit, the shortest
// route may take half of it and the longest the rest.
class TDowodThread : public HoldableThread {
    Q_OBJECT

public:
    TDowodThread();
    ~TDowodThread() override;

    // Settings, given before the first release.
    void UstawMiasta(Metryka metryka);
    UstawieniaDowodu Ustawienia;
    bool Najkrotsza = true;
    bool Najdluzsza = true;

    // Progress of each goal, readable from any thread while the proof runs
    // (its LP solution and route by one reader only), and the goal being
    // worked on.
    const PostepDowodu& Postep(CelDowodu cel) const;
    PostepDowodu& Postep(CelDowodu cel);
    CelDowodu Biezacy() const { return biezacy_.load(std::memory_order_relaxed); }
    double CzasPracy() const { return runningClock().seconds(); }

    // The result for a goal asked for, once the proof has ended without
    // an error.
    const WynikDowodu& Wynik(CelDowodu cel) const {
        return cel == CelDowodu::Najkrotsza ? wynikNajkrotszej_ : wynikNajdluzszej_;
    }

protected:
    void Execute() override;

private:
    std::optional<Metryka> metryka_;
    WynikDowodu wynikNajkrotszej_;
    WynikDowodu wynikNajdluzszej_;
    PostepDowodu postepNajkrotszej_;
    PostepDowodu postepNajdluzszej_;
    std::atomic<CelDowodu> biezacy_{CelDowodu::Najkrotsza};
};
