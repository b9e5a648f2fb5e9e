#pragma once

#include "search/lokalne/PunktPlaszczyzny.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// A k-d tree over points of the plane, built once, whose every node knows
// the box its points fill and how many of them are still in: a search enters
// a node only if its box may hold something nearer than what the search has,
// in the region it asks about, not yet taken out. nanoflann's tree keeps no
// box per node (a quadrant cannot be searched as a region), and a point
// removed from it still costs every search that passes by; hence this one.
//
// Equally near points are not all visited: once a search is full only
// strictly nearer points count, so points at one place cost no more than
// points apart. A search keeps its buffers in the tree: one thread at a time.
class DrzewoPunktow {
public:
    // Points are numbered by their place in punkty. O(n log n).
    explicit DrzewoPunktow(const std::vector<PunktPlaszczyzny>& punkty);

    int Rozmiar() const { return int(punkty_.size()); }
    // The point at place i of the tree's own order, in which near points
    // follow one another: searches made in it find their data in the cache.
    int WKolejnosci(int i) const { return punkty_[std::size_t(i)].nr; }

    // For the point at place i of the tree's order: up to ile nearest other
    // points (nearest first), then up to wCwiartce nearest in each of the
    // four quadrants around it (x > 0, y >= 0 first, counterclockwise), each
    // part padded with -1, into wynik[0 .. ile + 4 * wCwiartce). The
    // quadrants are searched until the search has looked at budzetCwiartek
    // points; what they found by then stands.
    void Najblizsze(int i, int ile, int wCwiartce, int budzetCwiartek, int* wynik);

    // The point still in that is nearest to q; -1 when none is.
    int NajblizszyObecny(PunktPlaszczyzny q);
    void Usun(int p);

    // Points looked at by all searches so far.
    std::int64_t Obejrzane() const { return obejrzane_; }

private:
    struct Punkt {
        double x, y;
        int nr;
    };
    struct Wezel {
        double x0, x1, y0, y1;
        int od, dokad;  // its points: punkty_[od .. dokad)
        int lewy, prawy;  // -1: a leaf
        int rodzic;
        int obecne;
    };
    // The nearest found so far in one part of a search, nearest first;
    // granica is the squared distance a point must beat to join them.
    struct Czesc {
        int pojemnosc = 0;
        int ile = 0;
        double granica = 0.0;
        std::vector<std::pair<double, int>> znalezione;
        void Zacznij(int pojemnosc);
        void Dodaj(double kwadrat, int nr);
        void Wypisz(int* wynik) const;
    };
    struct Szukanie {
        double x = 0.0, y = 0.0;
        int pomin = -1;  // the place of the point searched around
        Czesc wszedzie;
        // The four quadrants, then one that takes nothing: the searched
        // point's own place, which lies in none. A quadrant past its budget
        // takes nothing either (granica -1), keeping what it found.
        std::array<Czesc, 5> cwiartki;
        std::int64_t budzet = 0;
        std::int64_t obejrzane = 0;
    };

    int Zbuduj(int od, int dokad, int rodzic);
    double DoPudelka(const Wezel& w) const;
    void Odwiedz(int w, double kwadrat);

    std::vector<Punkt> punkty_;
    std::vector<Wezel> wezly_;
    std::vector<int> miejsce_;  // point -> its place in punkty_
    std::vector<int> lisc_;  // place -> its leaf
    std::vector<std::uint8_t> usuniety_;  // by place
    std::int64_t obejrzane_ = 0;
    Szukanie s_;  // kept between searches for its buffers
};
