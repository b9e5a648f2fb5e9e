#pragma once

#include "search/Metryka.h"
#include "search/dolne/JednoDrzewo.h"
#include "search/dolne/PlanOgraniczenia.h"

#include <functional>
#include <optional>
#include <vector>

struct UstawieniaOgraniczenia {
    // Seconds for the whole computation; 0: none (the ascent ends by itself).
    double limitSekund = 0.0;
    // Seconds on the clock the limit is counted on (a held search's stands
    // still; a benchmark's may be the thread's processor time); none: wall
    // time.
    std::function<double()> zegar;
    // The length of a known route: the ascent's target. Without one, a
    // greedy route's (15 to 20 per cent above the optimum, a slower start).
    std::optional<double> dlugoscTrasy;
    // Steps of the ascent at most; 0: no limit. The same steps give the same
    // bound on any machine.
    int limitIteracji = 0;
    // In place of PlanOgraniczenia::Dla(n), for measurements and tests.
    std::optional<PlanOgraniczenia> plan;
};

// A lower bound on the shortest route, and what it came from.
struct OgraniczenieDolne {
    // Holds for every route: the value of a minimum 1-tree over every pair
    // of cities under the penalties kary, made safe against rounding and,
    // for whole metrics, rounded up (BezpieczneOgraniczenie). -infinity when
    // the computation was stopped before its first such tree. With three
    // cities or fewer it is the one route's length.
    double wartosc;
    // The penalties of that bound, one per city (zeros for three cities
    // or fewer), and the minimum 1-tree over every pair under them (empty
    // for three cities or fewer).
    std::vector<double> kary;
    JednoDrzewo drzewo;
    // Steps of the ascent, checks over every pair, seconds, and whether
    // przerwij or the time limit ended it before the ascent ran its course.
    int iteracje = 0;
    int kontrole = 0;
    double sekundy = 0.0;
    bool przerwane = false;

    bool Jest() const;
};

// The Held-Karp bound by subgradient ascent (Wznoszenie) on a sparse
// candidate graph, its best penalties checked over every pair of cities
// (KontrolaWznoszenia) now and then and at the end, each check adding the
// edges the graph missed. The best checked value is the answer: valid by
// construction, whenever the computation ends.
//
// Runs on the calling thread. przerwij is polled every step of the ascent
// (a few milliseconds; some tens at 100,000 cities) and every millisecond
// or so inside a check; once it returns true the best bound so far is the
// answer. The time limit bounds the whole call, the final check included
// (the ascent leaves it twice the time the longest check so far took).
//
// Work: O(n log n) per check in the plane (EUC_2D, CEIL_2D, ATT, cells),
// O(n^2) for GEO and explicit weights; O(m log n) per step of the ascent
// for the graph's m edges; memory O(n K).
OgraniczenieDolne ObliczOgraniczenieDolne(const Metryka& d, const UstawieniaOgraniczenia& ustawienia,
                                          const std::function<bool()>& przerwij);
