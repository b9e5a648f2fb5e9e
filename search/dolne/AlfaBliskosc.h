#pragma once

#include "search/Metryka.h"
#include "search/dolne/JednoDrzewo.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

// Alpha-nearness (Helsgaun's LKH): how much a minimum 1-tree's cost rises
// when it must hold the edge (a, b). Under penalties pi an edge costs
// c(a, b) = d(a, b) + pi[a] + pi[b]; with the special city s a leaf of the
// spanning tree:
//   a, b != s: alpha = c(a, b) - the dearest edge on the tree's path a..b
//   a == s:    alpha = c(s, b) - the dearer of s's two edges
// (0 for the 1-tree's own edges). With the penalties of a good bound the
// optimal route's edges have small alpha: each city's few least-alpha
// neighbours make candidate lists that miss few of them, fewer than the
// nearest neighbours do.
class AlfaBliskosc {
public:
    // drzewo: the minimum 1-tree over every pair under kary (as
    // OgraniczenieDolne gives them); all three must outlive this object.
    AlfaBliskosc(const Metryka& d, std::span<const double> kary, const JednoDrzewo& drzewo);

    // The alpha of one pair, O(length of the tree path).
    double Alfa(int a, int b) const;

    // Each city's k neighbours of least alpha, least first (ties by c).
    // Up to kDokladnieDo cities, or without coordinates in the plane,
    // every pair is weighed (O(n^2) time, O(n) memory beyond the lists);
    // beyond, each city's kPula * k cheapest by c (a k-d tree query) are,
    // O(n k depth). nullopt when przerwij asked to stop.
    std::optional<std::vector<std::vector<int>>> Sasiedzi(int k, const std::function<bool()>& przerwij) const;

    static constexpr int kDokladnieDo = 3000;
    static constexpr int kPula = 4;

private:
    double koszt(int a, int b) const {
        return d_(a, b) + kary_[std::size_t(a)] + kary_[std::size_t(b)];
    }
    bool dokladnie(int k, const std::function<bool()>& przerwij, std::vector<std::vector<int>>& listy) const;
    bool zPuli(int k, const std::function<bool()>& przerwij, std::vector<std::vector<int>>& listy) const;

    const Metryka& d_;
    std::span<const double> kary_;
    const JednoDrzewo& drzewo_;
    // Per city: depth in the spanning tree and the cost of its edge up.
    std::vector<int> glebokosc_;
    std::vector<double> wGore_;
    // The dearer of the special city's two edges.
    double drugaSpecjalnego_ = 0.0;
};
