#pragma once

#include "search/Punkt.h"

#include <vector>

// The route drawn over the grid: grid cells in visiting order. The start
// cell is not repeated at the end; the route is drawn as a closed loop.
class CPunktyNowe {
public:
    std::vector<TPunkt> Punkty;

    int Count() const { return static_cast<int>(Punkty.size()); }
    void Clear() { Punkty.clear(); }
    void Add(TPunkt p) { Punkty.push_back(p); }
};
