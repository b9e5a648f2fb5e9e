#pragma once

#include "search/certyfikat/Certyfikat.h"

#include <QString>

#include <optional>
#include <vector>

// Whether a cut has the shape that makes its inequality hold for every
// route of n cities (see CiecieCertyfikatu), and its right-hand side:
// checked from the sets and edges, never taken on trust. pozycja gives the
// position of each city in the section's route.
struct KsztaltCiecia {
    std::optional<QString> blad;  // what is wrong, when something is
    int prawa = 0;
};
KsztaltCiecia SprawdzKsztalt(const CiecieCertyfikatu& c, int n, const std::vector<int>& pozycja);

// The number of positions in a set of intervals that SprawdzKsztalt
// accepted, and whether a position is in it.
long long Rozmiar(const ZbiorPozycji& z);
bool Zawiera(const ZbiorPozycji& z, int p);
