#pragma once

#include "search/OpisKroku.h"

#include <vector>

class TrasaTablicowa;

// A round of the local search as a step: the edges of the route before it
// that the route after it lacks, and those it gained; zmiana the change of
// length the round made before it was kept or taken back.
OpisKroku OpisRundy(const std::vector<int>& przed, const TrasaTablicowa& po, double zmiana, bool przyjety);
