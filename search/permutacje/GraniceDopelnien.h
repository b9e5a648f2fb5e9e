#pragma once

#include "search/TablicaOdleglosci.h"
#include "search/permutacje/ZbiorMiast.h"

#include <cstdint>
#include <functional>
#include <vector>

// The shortest and the longest way to finish a route, by dynamic programming
// over sets of cities (Held-Karp). For a set U of cities still to visit
// (bit c-1 stands for city c; city 0 is never in it) and the city c where the
// route now ends, Najkrotsze(U, c) is the shortest length, in exact
// arithmetic, of a path from c through every city of U and back to city 0;
// Najdluzsze(U, c) the longest. Najkrotsze(all, 0) is the shortest tour.
//
// The values are stored as floats rounded outward (the shortest down, the
// longest up), so they stay true bounds. Two tables of 2^(n-1) x n entries.
class GraniceDopelnien {
public:
    // Above this the tables outgrow 1 GiB (772 MB at 23 cities).
    static constexpr int kNajwiecejMiast = 23;

    // Bytes both tables take for n cities.
    static double Rozmiar(int iloscMiast);

    // Allocates both tables; may throw std::bad_alloc. 2 <= n <=
    // kNajwiecejMiast, or std::invalid_argument.
    GraniceDopelnien(const TablicaOdleglosci& odleglosci, int iloscMiast);

    // Fills the tables, polling przerwij now and then; false when it asked
    // to stop (the tables are then unusable).
    bool Zbuduj(const std::function<bool()>& przerwij);

    int IloscMiast() const { return n_; }
    float Najkrotsze(ZbiorMiast zbior, int koniec) const { return najkrotsze_[indeks(zbior, koniec)]; }
    float Najdluzsze(ZbiorMiast zbior, int koniec) const { return najdluzsze_[indeks(zbior, koniec)]; }

    // A route (from city 0) that follows the tables' choices towards the
    // shortest, or the longest, tour: optimal up to the tables' rounding.
    void TrasaNajkrotsza(int* trasa) const;
    void TrasaNajdluzsza(int* trasa) const;

private:
    std::size_t indeks(ZbiorMiast zbior, int koniec) const {
        return std::size_t(zbior) * std::size_t(n_) + std::size_t(koniec);
    }
    template <class Lepsza>
    void odtworz(const std::vector<float>& tablica, Lepsza lepsza, int* trasa) const;

    const TablicaOdleglosci& odleglosci_;
    int n_;
    std::vector<float> najkrotsze_;
    std::vector<float> najdluzsze_;
};
