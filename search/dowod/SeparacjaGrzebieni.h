#pragma once

#include "search/dowod/Ciecie.h"
#include "search/dowod/GrafWsparcia.h"

#include <vector>

// Combs x(delta(H)) + sum x(delta(T_i)) >= 3k + 1 violated by at least
// TolerancjeDowodu::kNaruszenie, found as blossoms of the shrunk support
// graph: each path of edges at x = 1 becomes one city (its cut weighs 2, as
// a city's degree), both blossom heuristics run there, and a blossom's
// tooth edge {U, W} between two paths becomes the tooth U + W of a comb in
// the whole graph. With U and W tight the comb is violated exactly as much
// as the shrunk blossom; where teeth would overlap, or a single tooth is
// more than two cities, nothing is returned for it. A comb whose teeth are
// all two cities comes back as the blossom it is.
// drzewem: the Gomory-Hu tree's blossoms too, not only the fractional
// components'.
std::vector<Ciecie> SeparujGrzebienie(const GrafWsparcia& g, bool drzewem);
