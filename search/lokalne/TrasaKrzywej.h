#pragma once

#include "search/lokalne/PunktPlaszczyzny.h"

#include <vector>

// A first route for any layout, before anything slower starts: the cities
// in the order a Hilbert curve through the square around them passes them
// (cities at one place in the order of their numbers). Near cities stay
// near on the route: cities on one line come in their order along it, and
// even layouts come out some 35 to 40 per cent above the optimum.
// O(n log n) on any coordinates, a key per city and a sort of the keys, fast
// enough to need no polling (about 0.3 s for a million cities). Without
// coordinates (punkty not of n points) the cities in their own order.
std::vector<int> TrasaKrzywej(const std::vector<PunktPlaszczyzny>& punkty, int n);
