#pragma once

#include "search/dowod/GrafWsparcia.h"
#include "search/dowod/WagiKrawedzi.h"

#include <span>
#include <vector>

// A route read off a fractional LP solution: edges taken greedily, the
// largest x first (the lighter among equal x), while no city gets a third
// edge and no cycle closes early; the paths left are joined by the lightest
// edges between their ends; then PoprawTrase with the support's edges as
// candidates beside the ones given. The relaxation knows where good routes
// go long before its solution is whole, so this often finds the best route
// deep in the search that the first route missed.
std::vector<int> ZaokraglijLP(const WagiKrawedzi& w, const GrafWsparcia& g, std::span<const Krawedz> kandydaci);
