#pragma once

#include "search/lokalne/KontekstLokalny.h"

#include <vector>

// Each thread runs a chain of rounds of its own from the same start, with a
// seed of its own; the shortest chain's route is the result. Round limits
// are shared out between the threads beforehand, so that a seed and a
// limit give one route whatever the threads' timing.
std::vector<int> SzukajLancuchami(const KontekstLokalny& k, const std::vector<int>& poczatkowa);
