#pragma once

#include "search/dolne/JednoDrzewo.h"

#include <functional>
#include <span>
#include <utility>
#include <vector>

// The sparse graph the ascent works on: each city's candidate edges, both
// ways, with their distances, O(n K) memory. Its minimum 1-tree is cheap to
// find (Prim with a heap, O(m log n)) but bounds nothing by itself: an edge
// outside the graph may be cheaper. PelneJednoDrzewo checks; what it finds
// missing is added here.
class GrafKandydatow {
public:
    using Odleglosc = std::function<double(int, int)>;

    // Edges from each city a to every b of listy[a], of length d(a, b).
    GrafKandydatow(const std::vector<std::vector<int>>& listy, const Odleglosc& d);

    // The edges not yet in the graph join it; false when all were there.
    bool Dodaj(std::span<const std::pair<int, int>> krawedzie, const Odleglosc& d);

    int Ilosc() const { return int(poczatki_.size()) - 1; }
    std::size_t Krawedzie() const { return sasiad_.size() / 2; }

    // The minimum 1-tree of the graph under the penalties (with the same
    // choice of special leaf as PelneJednoDrzewo), into drzewo, and its
    // cost with the penalties (each edge d + pi + pi); false when the graph
    // does not connect every city.
    bool MinimalneJednoDrzewo(std::span<const double> kary, JednoDrzewo& drzewo, double& koszt);

private:
    struct WpisKopca {
        double klucz;
        int miasto;
    };

    bool jest(int a, int b) const;
    void zbuduj(std::vector<std::pair<int, int>> krawedzie, const Odleglosc& d);
    // The minimum spanning tree into drzewo (rooted at city 0, its cities
    // in the order they joined), as far as the graph connects; its cost.
    double prim(std::span<const double> kary, JednoDrzewo& drzewo);
    void wGore(std::size_t k, WpisKopca wpis);
    void wDol(std::size_t k, WpisKopca wpis);
    void umiesc(std::size_t k, WpisKopca wpis) {
        kopiec_[k] = wpis;
        miejsce_[std::size_t(wpis.miasto)] = int(k);
    }

    std::vector<std::size_t> poczatki_{0};
    std::vector<int> sasiad_;
    std::vector<double> odleglosc_;

    // Prim's heap, kept between calls.
    std::vector<double> klucz_;
    std::vector<int> skad_;
    std::vector<WpisKopca> kopiec_;
    std::vector<int> miejsce_;
};
