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
// the edges of F. A comb is a handle H and an odd number k >= 3 of teeth
// T_1..T_k, pairwise disjoint, each with cities in H and out of it, prawa
// 3k + 1 (zbiory: H, then the teeth): a route crosses each tooth at least
// twice, and a tooth it crosses only twice it passes through from its part
// in H to its part outside, crossing H inside the tooth; with H crossed an
// even number of times and k odd, the crossings add up to at least 3k + 1.
// A blossom is the comb whose teeth are the ends of its edges F.
//
// x(delta(S)) = x(delta(V \ S)), so a subtour's set and a handle are kept
// as their smaller side; a comb's teeth as they are, their disjointness
// being part of the shape.
struct Ciecie {
    enum class Rodzaj { Podcykl, Kwiat, Grzebien };
    static constexpr int kRodzaje = 3;

    Rodzaj rodzaj = Rodzaj::Podcykl;
    // Each sorted.
    std::vector<std::vector<int>> zbiory;
    std::vector<Krawedz> zeby;  // F, sorted
    int prawa = 2;

    static Ciecie Podcykl(std::vector<int> zbior, int n);
    static Ciecie Kwiat(std::vector<int> raczka, std::vector<Krawedz> zeby, int n);
    static Ciecie Grzebien(std::vector<int> raczka, std::vector<std::vector<int>> zeby, int n);
    // A comb whose teeth are all two cities is kept as the blossom it is,
    // so that the pool and the certificate see one cut, not two shapes.
    static Ciecie GrzebienLubKwiat(std::vector<int> raczka, std::vector<std::vector<int>> zeby, int n);

    // Whether the sets and edges have the shape that makes the inequality
    // hold for every route of n cities; an inequality that fails this never
    // enters the LP.
    bool Poprawne(int n) const;

    // The coefficient of an edge.
    int Wspolczynnik(Krawedz k) const;

    bool operator==(const Ciecie&) const = default;
    std::size_t Skrot() const;
};
