#pragma once

#include "search/Metryka.h"
#include "search/dolne/DolnaOdleglosc.h"

#include <span>
#include <vector>

// A k-d tree over cities in the plane that answers "which cities j minimise
// d(i, j) + kara[j]", the question of a minimum spanning tree under node
// penalties, exactly: a box is skipped only when the least distance its
// metric allows (DolnaOdleglosc) plus the least penalty inside it cannot
// beat what is already found, and, for Boruvka's rounds, when all of it
// lies in the asking city's own component. nanoflann's tree keeps neither
// figure per node, hence a small tree of our own.
class DrzewoKar {
public:
    struct Trafienie {
        int miasto = -1;
        double klucz = 0.0;  // d(i, miasto) + kara[miasto]
    };

    // d must have coordinates in the plane (DolnaOdleglosc::Dotyczy); the
    // tree keeps a copy of them.
    explicit DrzewoKar(const Metryka& d);

    // Penalties per city; every query reads the last ones given.
    void UstawKary(std::span<const double> kary);
    // A component number per city, for queries that look outside their own.
    void UstawSkladowe(std::span<const int> skladowa);

    // The up to ile (at most kNajwiecej) cities j != i with the least
    // d(i, j) + kara[j] strictly below prog, least first, ties by number;
    // with pozaSkladowa only those in another component than i. Returns
    // how many were found.
    static constexpr int kNajwiecej = 64;
    int Najblizsze(int i, int ile, bool pozaSkladowa, double prog, Trafienie* wynik) const;

private:
    struct Wezel {
        double minX, maxX, minY, maxY;
        double minKara;
        int skladowa;  // shared by every city below, or -1
        int od, dokad;  // cities miasta_[od..dokad)
        int lewy, prawy;  // -1 in a leaf
    };
    struct Zapytanie;

    int zbuduj(int od, int dokad, const Metryka& d);
    template <class Wzor>
    void szukaj(int wezel, Zapytanie& z) const;

    RodzajMetryki rodzaj_;
    std::vector<Wezel> wezly_;
    // In the tree's order: the city, its coordinates, penalty and component.
    std::vector<int> miasta_;
    std::vector<double> x_, y_, kara_;
    std::vector<int> skladowa_;
    std::vector<int> pozycja_;  // of each city in that order
};
