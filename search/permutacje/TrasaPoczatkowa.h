#pragma once

#include <functional>
#include <vector>

// A good route found quickly, to bound an exact search before it meets one:
// nearest (or farthest) neighbour, then 2-opt and Or-opt moves, then a few
// deterministic double-bridge kicks each followed by the same descent.
//
// koszty holds n x n symmetric costs (row-major); the route minimises their
// sum, so a caller after the longest route passes negated costs. The route
// starts at city 0. przerwij is polled between passes; true there returns
// the best route met so far.
std::vector<int> TrasaPoczatkowa(const std::vector<double>& koszty, int n,
                                 const std::function<bool()>& przerwij);
