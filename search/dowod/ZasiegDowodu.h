#pragma once

// Which sizes the proof by branch and cut takes, in one place.

// Every pair of cities is kept (its weight, its column in the LP and
// whether it is eliminated: 13 bytes a pair) and priced at each bound:
// n(n-1)/2 of them, 58 MB at 3,000 cities. The bound's error margin
// (TolerancjeDowodu.h) holds up to about 6,000.
inline constexpr int kDowodNajwiecejMiast = 3000;

// The root's LP starts with the edges from each city to this many nearest
// cities (farthest, for the longest route) and the first route's edges;
// pricing brings in whatever else the bound needs.
inline constexpr int kSasiedziPoczatkowi = 10;

// wedrownik-cli's auto method tries a proof within its time limit from
// past the permutation search's reach up to here. Beyond, a proof takes
// minutes at least and the local search's own time gives a better route
// meanwhile: the local search has kAutoCzescTrasy of the time, and branch
// and cut from its route the rest, for the bound it reaches by then (up to
// kDowodNajwiecejMiast cities).
inline constexpr int kAutoDowodDo = 400;
inline constexpr double kAutoCzescTrasy = 0.8;
