#pragma once

#include "search/dolne/DrzewoKar.h"

#include <functional>
#include <limits>
#include <span>
#include <utility>
#include <vector>

// Boruvka's rounds for the minimum spanning tree under node penalties in the
// plane: each component's cheapest edge out, found by queries of the k-d
// tree (DrzewoKar) that skip the asking city's own component, then the
// components joined along those edges. A city's nearest outside its
// component stays so until its component swallows it, so each round asks
// the tree again only for the cities whose nearest was swallowed.
class RundyBoruvki {
public:
    // The tree and the penalties must outlive this object; the tree's
    // components are set here and by each round.
    RundyBoruvki(DrzewoKar& drzewo, std::span<const double> kary);

    int Skladowych() const { return skladowych_; }
    // One round; its edges are added to krawedzie. False when przerwij,
    // polled every few hundred queries, asked to stop.
    bool Runda(const std::function<bool()>& przerwij, std::vector<std::pair<int, int>>& krawedzie);

private:
    static constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();
    struct Najtanszy {
        double waga = kNieskonczonosc;
        int a = -1, b = -1;
    };

    bool najtansze(const std::function<bool()>& przerwij);
    void zglos(int a, int b, double waga);
    void polacz(std::vector<std::pair<int, int>>& krawedzie);

    DrzewoKar& drzewo_;
    std::span<const double> kary_;
    std::vector<int> uf_;
    std::vector<int> skladowa_;
    // Each city's nearest outside its component, d + kara of that city: a
    // hit while wazny, and a lower bound on that figure always.
    std::vector<int> najblizszy_;
    std::vector<double> klucz_;
    std::vector<char> wazny_;
    // Per component root, its cheapest edge out so far this round.
    std::vector<Najtanszy> najtanszy_;
    std::vector<int> korzenie_;
    int skladowych_;
    int pytania_ = 0;
};
