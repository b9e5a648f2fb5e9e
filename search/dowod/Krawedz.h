#pragma once

#include <cstddef>
#include <utility>

// An edge between two different cities, the larger first, and its place in
// the triangle of all n(n-1)/2 edges.
struct Krawedz {
    int a = 1;
    int b = 0;

    Krawedz() = default;
    Krawedz(int u, int v) : a(u > v ? u : v), b(u > v ? v : u) {}

    std::size_t Indeks() const { return std::size_t(a) * std::size_t(a - 1) / 2 + std::size_t(b); }
    bool operator==(const Krawedz&) const = default;
    auto operator<=>(const Krawedz&) const = default;
};

inline std::size_t IloscKrawedzi(int n) {
    return n < 2 ? 0 : std::size_t(n) * std::size_t(n - 1) / 2;
}
