#pragma once

#include "search/TablicaOdleglosci.h"

#include <cstdint>
#include <optional>

// Single-precision sums of whole distances are exact while every sum stays
// below 2^24; past that each of the n additions may round, by a part in 2^24
// of the sum at most. The least the optimum can be, given the length (exact,
// in whole numbers) of the route whose single-precision sum is the least:
// none when the sums are exact and that route is the optimum itself.
std::optional<std::int64_t> OptimumCoNajmniej(const TablicaOdleglosci& odleglosci, int n, std::int64_t znaleziona);
