#pragma once

#include "search/dowod/Ciecie.h"
#include "search/dowod/GrafWsparcia.h"

#include <vector>

// Blossoms x(delta(H)) - 2 x(F) >= 1 - |F| violated by at least
// TolerancjeDowodu::kNaruszenie, by two heuristics:
//
// SeparujKwiatyUlamkowe: each component of the fractional edges
// (0 < x < 1) is a handle, its edges at 1 leaving it the teeth; an odd
// number of teeth makes a violated blossom. Cheap, and finds most.
//
// SeparujKwiatyDrzewem: Letchford, Reinelt and Theis's odd-cut heuristic.
// With weights min(x, 1 - x) each cut of the Gomory-Hu tree is a handle H,
// its edges at x > 1/2 the teeth F, the parity mended by the cheapest edge
// in or out of F; the left side less the right is the cut's weight (with
// the mending's cost) less 1, so cuts below 1 give violated blossoms.
std::vector<Ciecie> SeparujKwiatyUlamkowe(const GrafWsparcia& g);
std::vector<Ciecie> SeparujKwiatyDrzewem(const GrafWsparcia& g);
