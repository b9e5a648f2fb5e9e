#pragma once

#include "search/Metryka.h"

#include <limits>
#include <optional>
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
    // The one neighbour of a leaf s of the spanning tree (the root too, with
    // one child: the second city listed).
    int SasiadLiscia(int s) const {
        const int r = rodzic[std::size_t(s)];
        return r >= 0 ? r : kolejnosc[1];
    }
};

// A leaf's cheapest edge but its tree edge: the edge's cost and other end
// (-1: none).
struct KrawedzLiscia {
    double koszt = std::numeric_limits<double>::infinity();
    int dokad = -1;
};

// The special city of a 1-tree, into drzewo: of the spanning tree's leaves
// (stopien 1), the one whose second cheapest edge, druga(s, its neighbour),
// is dearest, which gives the highest bound among the leaves. Returns that
// edge's cost, -infinity when no leaf has one; none when druga returned
// none (asked to stop).
template <class Druga>
std::optional<double> WybierzSpecjalne(JednoDrzewo& drzewo, std::span<const int> stopien, Druga&& druga) {
    double najlepsza = -std::numeric_limits<double>::infinity();
    for (int s = 0; s < drzewo.Ilosc(); ++s) {
        if (stopien[std::size_t(s)] != 1)
            continue;
        const std::optional<KrawedzLiscia> k = druga(s, drzewo.SasiadLiscia(s));
        if (!k)
            return std::nullopt;
        if (k->dokad >= 0 && k->koszt > najlepsza) {
            najlepsza = k->koszt;
            drzewo.specjalne = s;
            drzewo.drugi = k->dokad;
        }
    }
    return najlepsza;
}

// The tree from n - 1 undirected edges spanning n cities, rooted at city 0.
JednoDrzewo DrzewoZKrawedzi(int n, std::span<const std::pair<int, int>> krawedzie);
