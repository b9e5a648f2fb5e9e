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
    // No route through the path p, then c, is shorter than Dolna or longer
    // than Gorna.
    double Dolna(float p, int c) const {
        return (double(p) + (sumaTanszych[poziom] - najtanszeWejscie[c]) + najtanszeZamkniecie) * zapasDolny;
    }
    double Gorna(float p, int c) const {
        return (double(p) + (sumaDrozszych[poziom] - najdrozszeWejscie[c]) + najdrozszeZamkniecie) * zapasGorny;
    }
    bool bezZmian(float p, int c, float najkrotsza, float najdluzsza) const {
        if (Dolna(p, c) < najkrotsza)
            return false;
        return Gorna(p, c) <= najdluzsza;
    }
};
