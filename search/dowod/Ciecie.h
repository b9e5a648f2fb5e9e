#pragma once

#include "search/dowod/Krawedz.h"

#include <cstddef>
#include <vector>

// An inequality that every closed route through all n cities satisfies, in
// the one form the LP, the pricing and the bound read:
//
//     sum over j of x(delta(S_j))  -  2 x(F)  >=  prawa
//
// where x(delta(S)) is the weight of the edges with one end in S. A subtour
// constraint is one set with prawa 2. A blossom (the 2-matching inequality)
// is a handle H and an odd set F of edges of delta(H), prawa 1 - |F|: a
// route crosses H an even number of times, so it cannot cross it on exactly
// the edges of F. Sums of several sets (combs) fit the same form.
//
// x(delta(S)) = x(delta(V \ S)), so a set is kept as its smaller side.
struct Ciecie {
    enum class Rodzaj { Podcykl, Kwiat };
    static constexpr int kRodzaje = 2;

    Rodzaj rodzaj = Rodzaj::Podcykl;
    // Each sorted.
    std::vector<std::vector<int>> zbiory;
    std::vector<Krawedz> zeby;  // F, sorted
    int prawa = 2;

    static Ciecie Podcykl(std::vector<int> zbior, int n);
    static Ciecie Kwiat(std::vector<int> raczka, std::vector<Krawedz> zeby, int n);

    // Whether the sets and edges have the shape that makes the inequality
    // hold for every route of n cities; an inequality that fails this never
    // enters the LP.
    bool Poprawne(int n) const;

    // The coefficient of an edge.
    int Wspolczynnik(Krawedz k) const;

    bool operator==(const Ciecie&) const = default;
    std::size_t Skrot() const;
};
