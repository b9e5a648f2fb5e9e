#pragma once

#include "search/genetyczne/SeriaZbieznosci.h"

#include <vector>

// What a genetic search shows of itself at one display step: a copy, handed
// to the window while the search goes on.
struct StanGenetyka {
    int IlePokolen = 0;
    // The generation counter as the display step sees it: 0 after the
    // initial population and after the first generation, k-1 after the k-th.
    int NrPokolenia = 0;
    // The best route so far and its length.
    double Droga = 0.0;
    std::vector<int> Geny;
    SeriaZbieznosci Zbieznosc;
    // The search stopped for a pause right after this state.
    bool Wstrzymany = false;
};
