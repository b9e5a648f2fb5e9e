#pragma once

// The cheapest and the dearest way into each city still to visit: every
// such city is entered once, from a city other than 0, and the route closes
// with one edge into city 0. Needs no memory beyond a few sums, at any size.
struct GraniceProste {
    const double* najtanszeWejscie;
    const double* najdrozszeWejscie;
    double najtanszeZamkniecie;
    double najdrozszeZamkniecie;
    double zapasDolny;
    double zapasGorny;
    // Sums over the cities not yet placed, one level per placed city, so
    // that backtracking restores them exactly.
    double* sumaTanszych;
    double* sumaDrozszych;
    int poziom = 0;

    void zajmij(int c) {
        sumaTanszych[poziom + 1] = sumaTanszych[poziom] - najtanszeWejscie[c];
        sumaDrozszych[poziom + 1] = sumaDrozszych[poziom] - najdrozszeWejscie[c];
        ++poziom;
    }
    void zwolnij(int, float) { --poziom; }
    bool bezZmian(float p, int c, float najkrotsza, float najdluzsza) const {
        const double dolna =
            (double(p) + (sumaTanszych[poziom] - najtanszeWejscie[c]) + najtanszeZamkniecie) * zapasDolny;
        if (dolna < najkrotsza)
            return false;
        const double gorna =
            (double(p) + (sumaDrozszych[poziom] - najdrozszeWejscie[c]) + najdrozszeZamkniecie) * zapasGorny;
        return gorna <= najdluzsza;
    }
};
