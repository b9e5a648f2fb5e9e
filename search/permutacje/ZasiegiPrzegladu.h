#pragma once

#include "search/permutacje/GraniceDopelnien.h"
#include "search/permutacje/PokrycieTras.h"
#include "search/permutacje/ProgramDynamiczny.h"
#include "search/permutacje/ZbiorMiast.h"

#include <climits>

// Which parts of the exact permutation search run for n cities, in one
// place. Each row gives the city counts a part is used for and, beside them,
// the most cities the part itself supports (its tables, bit sets or counts
// would overflow or outgrow memory past that).
enum class CzescPrzegladu {
    // One walk bounded by Held-Karp tables of exact completions; the route
    // counter (32 bits) holds (n-1)! and gives the progress.
    Tablice,
    // That walk's memory of searched subtrees, one entry per table entry.
    PamiecTablic,
    // Two walks with the Lagrangian 1-tree bound, after the shortest and
    // after the longest route, on two threads; a share of routes covered
    // gives the progress.
    Lagrange,
    // Those walks capped at a step count, giving way to the dynamic
    // programme over the single-precision sums.
    ProgramDynamiczny,
    // One walk bounded by the cheapest and the dearest edge into each city
    // left; no progress can be given.
    Proste,
};

struct ZasiegCzesci {
    CzescPrzegladu czesc;
    int odMiast;
    int doMiast;
    int najwiecejMiast;  // what the part supports
};

inline constexpr ZasiegCzesci kZasiegiPrzegladu[] = {
    {CzescPrzegladu::Tablice, 2, 13, GraniceDopelnien::kNajwiecejMiast},
    {CzescPrzegladu::PamiecTablic, 2, 13, 18},
    {CzescPrzegladu::Lagrange, 14, 33, kNajwiecejMiastWZbiorze < PokrycieTras::kNajwiecejMiast
                                           ? kNajwiecejMiastWZbiorze
                                           : PokrycieTras::kNajwiecejMiast},
    {CzescPrzegladu::ProgramDynamiczny, 14, 25, ProgramDynamiczny::kNajwiecejMiast},
    {CzescPrzegladu::Proste, 34, INT_MAX, INT_MAX},
};

constexpr const ZasiegCzesci& Zasieg(CzescPrzegladu czesc) {
    for (const ZasiegCzesci& z : kZasiegiPrzegladu)
        if (z.czesc == czesc)
            return z;
    throw "every part has a row";  // unreachable; a compile-time error if not
}

// The part runs for n cities.
constexpr bool Uzyta(CzescPrzegladu czesc, int iloscMiast) {
    const ZasiegCzesci& z = Zasieg(czesc);
    return iloscMiast >= z.odMiast && iloscMiast <= z.doMiast;
}

// The part supports n cities, whether or not it is used for them.
constexpr bool Obslugiwana(CzescPrzegladu czesc, int iloscMiast) {
    return iloscMiast <= Zasieg(czesc).najwiecejMiast;
}

// Up to here the exact search is known to finish on any layout: past the
// dynamic programme's reach the walks alone are left, and on layouts full of
// routes of equal length (a row, a diagonal of cells) they take exponential
// time. Random layouts of up to 33 cities usually finish within minutes.
inline constexpr int kPrzegladKonczySieDo = Zasieg(CzescPrzegladu::ProgramDynamiczny).doMiast;

static_assert(Zasieg(CzescPrzegladu::Tablice).doMiast <= Zasieg(CzescPrzegladu::Tablice).najwiecejMiast);
static_assert(Zasieg(CzescPrzegladu::Lagrange).doMiast <= Zasieg(CzescPrzegladu::Lagrange).najwiecejMiast);
static_assert(Zasieg(CzescPrzegladu::ProgramDynamiczny).doMiast <=
              Zasieg(CzescPrzegladu::ProgramDynamiczny).najwiecejMiast);
