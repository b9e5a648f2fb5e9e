#pragma once

#include "search/dowod/Ciecie.h"

#include <span>
#include <vector>

class ProgramLiniowy;

// The support graph of an LP solution: the edges with x above
// TolerancjeDowodu::kZeroX, with their values, and each city's edges. Every
// separation reads it.
class GrafWsparcia {
public:
    struct Krawedz {
        int a, b;
        double x;
    };

    GrafWsparcia(int n, std::vector<Krawedz> krawedzie);
    static GrafWsparcia Z(const ProgramLiniowy& lp);

    int Ilosc() const { return n_; }
    const std::vector<Krawedz>& Krawedzie() const { return krawedzie_; }
    // Numbers of the edges at a city.
    std::span<const int> Przy(int v) const {
        return {przy_.data() + poczatki_[std::size_t(v)], poczatki_[std::size_t(v) + 1] - poczatki_[std::size_t(v)]};
    }

    // The left-hand side of a cut at this solution.
    double Lewa(const Ciecie& c) const;
    // How far the solution is below the cut's right-hand side (> 0: violated).
    double Naruszenie(const Ciecie& c) const { return c.prawa - Lewa(c); }

    // The connected components of the edges with x above prog, each sorted;
    // cities on no such edge are alone in theirs.
    std::vector<std::vector<int>> Skladowe(double prog) const;

private:
    int n_;
    std::vector<Krawedz> krawedzie_;
    std::vector<std::size_t> poczatki_;
    std::vector<int> przy_;
    // Lewa's marks of a set's cities: a graph is read by one thread.
    mutable std::vector<int> znacznik_;
    mutable int przebieg_ = 0;
};
