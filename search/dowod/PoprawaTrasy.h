#pragma once

#include "search/dowod/Krawedz.h"
#include "search/dowod/WagiKrawedzi.h"

#include <span>
#include <vector>

// A route made lighter under the branch and cut's weights by 2-opt and
// Or-opt moves (a stretch of up to three cities moved, either way round)
// until none gains: each move starts from an edge to one of a city's
// candidates, the edges given (the lightest few at each city, say, and the
// support of an LP solution: where the relaxation says routes go). Works for
// the longest route as for the shortest, the weights being negated lengths.
// A move is taken only when it gains more than rounding, so it ends.
std::vector<int> PoprawTrase(const WagiKrawedzi& w, std::vector<int> trasa, std::span<const Krawedz> kandydaci,
                             std::span<const Krawedz> dodatkowe);
