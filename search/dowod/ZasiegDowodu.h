#pragma once

// Which sizes the proof by branch and cut takes, in one place.

// The weight of every pair of cities is kept (8 bytes a pair) and every pair
// is priced at each bound: n(n-1)/2 of them, 36 MB and a few milliseconds a
// pricing at 3,000 cities. The bound's error margin (TolerancjeDowodu.h)
// holds up to about 6,000.
inline constexpr int kDowodNajwiecejMiast = 3000;

// The first LP holds the edges from each city to this many nearest cities
// (farthest, for the longest route) and the first route's edges; pricing
// brings in whatever else the bound needs.
inline constexpr int kSasiedziPoczatkowi = 10;

// wedrownik-cli's auto method tries a proof within its time limit from
// past the permutation search's reach up to here. Beyond, a proof takes
// minutes at least and the local search's own time gives a better route
// meanwhile: the local search has kAutoCzescTrasy of the time, and the
// first LP of branch and cut the rest, for a lower bound (up to
// kDowodNajwiecejMiast cities).
inline constexpr int kAutoDowodDo = 400;
inline constexpr double kAutoCzescTrasy = 0.8;
