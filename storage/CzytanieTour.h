#pragma once

#include "storage/CzytnikLinii.h"

#include <vector>

// A route as a .tour file gives it: the cities' ids in route order, each
// with the line it stands on.
struct TrasaTour {
    std::vector<int> Ids;
    std::vector<int> Linie;
};

// Reads a TSPLIB .tour file line by line (see PlikTsp for its rules). The
// ids are positive and each there once; whether they are those of some
// instance is for the caller to check.
TrasaTour CzytajTraseTour(CzytnikLinii& linie);
