#pragma once

#include "search/TablicaOdleglosci.h"

// Closed length of a route of n cities, summed in route order in the type
// Suma: each step from the earlier city to the later one (row = the later
// city), then the closing step back to the first city. The permutation and
// random searches compare these single-precision values exactly; the
// genetic search sums in double.
template <class Suma = float>
Suma SumaTrasy(const TablicaOdleglosci& odleglosci, const int* trasa, int n) {
    if (n < 1)
        return Suma(0);
    Suma s = Suma(0);
    for (int i = 1; i < n; ++i)
        s += odleglosci[trasa[i]][trasa[i - 1]];
    s += odleglosci[trasa[0]][trasa[n - 1]];
    return s;
}
