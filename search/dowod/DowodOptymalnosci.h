#pragma once

#include "search/Metryka.h"
#include "search/certyfikat/Certyfikat.h"
#include "search/dowod/CelDowodu.h"
#include "search/dowod/PodzialIOdciecia.h"
#include "search/dowod/PostepDowodu.h"
#include "toolkit/core/RunningClock.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct UstawieniaDowodu {
    // The running time on the clock by which the proof stops with the
    // bound it has (0: none). Absolute on the clock given, not from the call.
    double limitSekund = 0.0;
    // The local search that gives the first route: its rounds (kicks of
    // both threads together; by default so many a city) and at most this
    // part of the time left.
    long long rundyNaMiasto = 20;
    std::optional<long long> rundy;
    double czescCzasuTrasy = 0.25;
    std::uint64_t ziarno = 1;
    int watki = 2;
    UstawieniaPodzialu podzial;
    // Record the proof and make its certificate once the route is proven.
    bool certyfikat = false;
};

// The answer for one goal, in the route's own lengths.
struct WynikDowodu {
    std::vector<int> trasa;
    // The metric's length of the route (for the window's cells, its
    // single-precision sum, as the window shows it).
    double dlugosc = 0.0;
    // No route is shorter than this (the longest: longer); whole for the
    // whole metrics. Equal to dlugosc once proven; -infinity (+infinity)
    // when the search stopped before its first bound.
    double granica = 0.0;
    bool udowodniona = false;
    long long wezly = 0;
    long long ciecia = 0;
    double sekundy = 0.0;
    // The first route: its length and when the local search gave it.
    double dlugoscPoczatkowa = 0.0;
    double sekundyTrasy = 0.0;
    // The root node's bound (a length, as granica) and when it was done.
    double granicaKorzenia = 0.0;
    double sekundyKorzenia = 0.0;
    // Ended by przerwij before the proof.
    bool przerwana = false;
    // Why it ended (Dowod once proven), the nodes left unresolved, and the
    // cuts added by Ciecie::Rodzaj.
    PowodKonca powod = PowodKonca::Dowod;
    long long nierozwiazane = 0;
    std::array<long long, Ciecie::kRodzaje> cieciaRodzaju{};
    // Asked for: the certificate's section of the proven route, or why
    // there is none.
    std::shared_ptr<const SekcjaCertyfikatu> certyfikat;
    QString bezCertyfikatu;
};

// The shortest (or longest) route and a proof that no route is shorter
// (longer): the local search's route first, then branch and cut. Whatever
// ends it (the proof, the limit, przerwij), the result holds the best route
// and the bound reached. trasa, when given, is a first route to start from
// instead of the local search's. n <= 3: every route is the same length.
// For the shortest route of 100 cities or more, with watki > 1 and not in
// step mode, a second local search runs beside branch and cut
// (SzukanieObok): przerwij is then called from its thread too.
WynikDowodu Udowodnij(const Metryka& d, CelDowodu cel, const UstawieniaDowodu& ustawienia,
                      const std::function<bool()>& przerwij, const RunningClock& zegar, PostepDowodu* postep,
                      std::optional<std::vector<int>> trasa = std::nullopt);
