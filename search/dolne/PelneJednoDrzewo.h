#pragma once

#include "search/Metryka.h"
#include "search/dolne/DrzewoKar.h"
#include "search/dolne/JednoDrzewo.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

// The minimum 1-tree over every pair of cities, not over a candidate graph:
// the one whose value is a valid bound. Under penalties pi an edge (i, j)
// costs d(i, j) + pi[i] + pi[j].
//
// In the plane (EUC_2D, CEIL_2D, ATT, cells) the minimum spanning tree comes
// from Boruvka's rounds, each component's cheapest outgoing edge found by
// branch and bound in a k-d tree (DrzewoKar); a city's nearest outside its
// component stays so until its component swallows it, so later rounds ask
// the tree again only for those cities: about n log n work. GEO and
// explicit weights have no plane: Prim's O(n^2) scan, O(n) memory.
//
// The special city is the leaf whose second cheapest edge is dearest
// (the choice that gives the highest bound among the leaves), found by one
// query per leaf in the plane, or a scan of its row otherwise.
class PelneJednoDrzewo {
public:
    // d must stay valid and unchanged while this object lives.
    explicit PelneJednoDrzewo(const Metryka& d);

    // At least three cities. przerwij is polled every millisecond or so;
    // nullopt when it asked to stop.
    std::optional<JednoDrzewo> Oblicz(std::span<const double> kary, const std::function<bool()>& przerwij);

    // Whether the k-d tree serves this metric (otherwise the work is n^2).
    bool WPlaszczyznie() const { return drzewo_.has_value(); }

private:
    bool boruvka(std::span<const double> kary, const std::function<bool()>& przerwij,
                 std::vector<std::pair<int, int>>& krawedzie);
    bool prim(std::span<const double> kary, const std::function<bool()>& przerwij,
              std::vector<std::pair<int, int>>& krawedzie);
    bool specjalne(JednoDrzewo& drzewo, std::span<const double> kary, const std::function<bool()>& przerwij);

    const Metryka& d_;
    std::optional<DrzewoKar> drzewo_;
};
