#pragma once

#include "search/Metryka.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/MemoryBudget.h"

#include <functional>
#include <memory>

// Bytes of the n x n table of a search of n cities.
inline double RozmiarTablicy(int n) {
    return double(n) * double(n) * sizeof(float);
}

// The single-precision table of every distance of the metric, for the
// searches that read a table. Whole distances below 2^24 are exact in it.
// A table larger than the budget is refused with "Za mało pamięci" before
// anything is allocated; przerwij, when given, is asked before every row,
// and once it answers true there is no table.
std::unique_ptr<TablicaOdleglosci> TablicaZMetryki(const Metryka& metryka, std::uint64_t budzet = memoryBudget(),
                                                   const std::function<bool()>& przerwij = {});
