#pragma once

#include "search/Metryka.h"

#include <span>
#include <vector>

// A 1-tree: a spanning tree of all cities and one more edge, from a leaf
// (the special city) to the other end of its second cheapest edge. When
// that leaf's one tree edge is its cheapest, as in a minimum spanning tree,
// the tree without the leaf spans the rest minimally, and the whole is a
// minimum 1-tree for that special city: every route is a 1-tree, so under
// penalties pi the 1-tree's cost less 2 sum(pi) bounds every route from
// below (Held and Karp).
struct JednoDrzewo {
    // Parent of each city in the spanning tree, -1 at its root; cities are
    // listed root first, each after its parent, in kolejnosc.
    std::vector<int> rodzic;
    std::vector<int> kolejnosc;
    int specjalne = -1;
    int drugi = -1;

    int Ilosc() const { return int(rodzic.size()); }
    // Edges at each city, the extra one included.
    std::vector<int> Stopnie() const;
    // Sum over the edges of d + kary at both ends, less 2 sum(kary): the
    // Lagrangian bound of these penalties, in double, unrounded.
    double Wartosc(const Metryka& d, std::span<const double> kary) const;
    // Whether every city has two edges: then the 1-tree is a route.
    bool JestTrasa() const;
};

// The tree from n - 1 undirected edges spanning n cities, rooted at city 0.
JednoDrzewo DrzewoZKrawedzi(int n, std::span<const std::pair<int, int>> krawedzie);
