#pragma once

#include "search/Metryka.h"
#include "search/lokalne/PostepPrzeszukiwania.h"
#include "search/lokalne/PrzeszukiwanieLokalne.h"
#include "toolkit/core/HoldableThread.h"

#include <memory>
#include <optional>
#include <vector>

// The worker of the local search: created held; the owner gives it the
// cities' metric and the settings and releases it. Every thread of the
// search passes the worker's gate, so a hold stops them all and a finish
// request ends the search with the best route so far. It reads no distance
// table: distances come from the metric, computed as they are needed.
class TObliczLokalnieThread : public HoldableThread {
    Q_OBJECT

public:
    TObliczLokalnieThread();
    ~TObliczLokalnieThread() override;

    // Settings, given before the first release.
    void UstawMiasta(Metryka metryka);
    UstawieniaLokalne Ustawienia;
    // Progress, read from any thread while the search runs (the route by one
    // reader only); empty until the search has started.
    const PostepPrzeszukiwania* Postep() const;
    PostepPrzeszukiwania* Postep();

    // The search's running time so far: the one clock of its limit, its
    // progress and its result, standing still while the search is held.
    double CzasPracy() const { return runningClock().seconds(); }

    // The result, once the search has ended without an error: the best
    // route, from city 0; empty otherwise.
    const std::vector<int>& NajlepszaTrasa() const { return najlepsza_; }

protected:
    void Execute() override;

private:
    std::vector<int> najlepsza_;
    std::optional<Metryka> metryka_;
    // Made before the thread starts, so that readers never see it change.
    std::unique_ptr<PrzeszukiwanieLokalne> szukanie_;
};
