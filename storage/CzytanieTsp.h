#pragma once

#include "storage/CzytnikLinii.h"
#include "storage/InstancjaTsp.h"

// Reads a TSPLIB .tsp file line by line (see PlikTsp for its rules).
// Raises "NAME:LINE: what is wrong" for anything it cannot take.
InstancjaTsp CzytajInstancjeTsp(CzytnikLinii& linie);
