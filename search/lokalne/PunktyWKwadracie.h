#pragma once

#include "search/lokalne/PunktPlaszczyzny.h"

#include <vector>

// The points moved and scaled alike in both axes into the unit square, the
// longer side of their bounding box becoming 1: the order of distances stays,
// and no coordinates however large or far apart overflow a squared distance.
// All points in one place all become (0, 0); a coordinate that is not finite
// lands on the square's edge. O(n).
std::vector<PunktPlaszczyzny> PunktyWKwadracie(const std::vector<PunktPlaszczyzny>& punkty);
