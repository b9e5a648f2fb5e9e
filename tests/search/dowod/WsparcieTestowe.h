#pragma once

// Support graphs of small LP solutions and every route of a few cities,
// for checking separations by brute force; cities for the proofs.

#include "search/Metryka.h"
#include "search/dowod/Ciecie.h"
#include "search/dowod/GrafWsparcia.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <vector>

namespace dowod_test {

// n cities at whole coordinates in [0, bok] x [0, bok], EUC_2D.
inline Metryka wPlaszczyznie(int n, std::uint32_t ziarno, int bok) {
    std::mt19937 los(ziarno);
    std::uniform_int_distribution<int> w(0, bok);
    std::vector<double> x, y;
    for (int i = 0; i < n; ++i) {
        x.push_back(w(los));
        y.push_back(w(los));
    }
    return Metryka::Wspolrzedne(RodzajMetryki::Euc2d, x, y);
}

// A 2-factor on n cities: a random order cut into cycles of 3 or more.
inline std::vector<Krawedz> losowyCzynnik(int n, std::mt19937& los) {
    std::vector<int> p(static_cast<std::size_t>(n));
    std::iota(p.begin(), p.end(), 0);
    std::shuffle(p.begin(), p.end(), los);
    std::vector<Krawedz> wynik;
    int od = 0;
    while (od < n) {
        int dlugosc = n - od;
        if (dlugosc >= 6 && los() % 2 == 0)
            dlugosc = 3 + int(los() % std::uint32_t(dlugosc - 5));
        for (int k = 0; k < dlugosc; ++k)
            wynik.emplace_back(p[std::size_t(od + k)], p[std::size_t(od + (k + 1) % dlugosc)]);
        od += dlugosc;
    }
    return wynik;
}

// x = sum of weights times 2-factors, the weights summing to 1: every
// degree is 2, as the LP's degree equations make it.
inline GrafWsparcia mieszanka(int n, const std::vector<double>& wagi, std::mt19937& los) {
    std::map<Krawedz, double> x;
    for (double waga : wagi)
        for (const Krawedz& k : losowyCzynnik(n, los))
            x[k] += waga;
    std::vector<GrafWsparcia::Krawedz> krawedzie;
    for (const auto& [k, v] : x)
        krawedzie.push_back({k.a, k.b, std::min(1.0, v)});
    return GrafWsparcia(n, std::move(krawedzie));
}

// The half-integral vertices blossoms cut off: an even number of odd cycles
// at x = 1/2 whose cities are paired by paths at x = 1 through the other
// cities. Needs n >= 6.
inline GrafWsparcia polowkowe(int n, std::mt19937& los) {
    std::vector<int> miasta(static_cast<std::size_t>(n));
    std::iota(miasta.begin(), miasta.end(), 0);
    std::shuffle(miasta.begin(), miasta.end(), los);
    std::vector<GrafWsparcia::Krawedz> krawedzie;
    std::vector<std::vector<int>> cykle;
    std::size_t uzyte = 0;
    // Cycles of one length, so that no cycle holds more than half of the
    // ends and every city can be paired with one of another cycle.
    const int ileCykli = n >= 12 && los() % 2 ? 4 : 2;
    const std::size_t dlugosc = n >= 5 * ileCykli && los() % 2 ? 5 : 3;
    for (int c = 0; c < ileCykli; ++c) {
        cykle.emplace_back(miasta.begin() + std::ptrdiff_t(uzyte), miasta.begin() + std::ptrdiff_t(uzyte + dlugosc));
        uzyte += dlugosc;
        for (std::size_t k = 0; k < dlugosc; ++k)
            krawedzie.push_back({cykle.back()[k], cykle.back()[(k + 1) % dlugosc], 0.5});
    }
    // Ends of paths from different cycles, the spare cities along them.
    std::vector<std::pair<int, int>> konce;
    for (int proba = 0; konce.empty() && proba < 1000; ++proba) {
        std::vector<std::pair<int, int>> wezly;  // city, cycle
        for (std::size_t c = 0; c < cykle.size(); ++c)
            for (int v : cykle[c])
                wezly.emplace_back(v, int(c));
        std::shuffle(wezly.begin(), wezly.end(), los);
        bool dobrze = true;
        for (std::size_t i = 0; i < wezly.size(); i += 2)
            dobrze = dobrze && wezly[i].second != wezly[i + 1].second;
        if (dobrze)
            for (std::size_t i = 0; i < wezly.size(); i += 2)
                konce.emplace_back(wezly[i].first, wezly[i + 1].first);
    }
    std::vector<std::vector<int>> sciezki(konce.size());
    for (std::size_t r = uzyte; r < miasta.size(); ++r)
        sciezki[los() % sciezki.size()].push_back(miasta[r]);
    for (std::size_t i = 0; i < konce.size(); ++i) {
        int poprzednie = konce[i].first;
        for (int v : sciezki[i]) {
            krawedzie.push_back({poprzednie, v, 1.0});
            poprzednie = v;
        }
        krawedzie.push_back({poprzednie, konce[i].second, 1.0});
    }
    return GrafWsparcia(n, std::move(krawedzie));
}

// x(delta(S)) for the set of cities whose bits are in maska.
inline double przekroj(const GrafWsparcia& g, unsigned maska) {
    double suma = 0.0;
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
        if (((maska >> k.a) & 1u) != ((maska >> k.b) & 1u))
            suma += k.x;
    return suma;
}

// The left-hand side at x, from the coefficients alone.
inline double lewaStrona(const Ciecie& c, const GrafWsparcia& g) {
    double suma = 0.0;
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
        suma += c.Wspolczynnik(Krawedz(k.a, k.b)) * k.x;
    return suma;
}

// Whether every route through n cities satisfies the cut.
inline bool trzymaDlaKazdejTrasy(const Ciecie& c, int n) {
    std::vector<int> p(static_cast<std::size_t>(n));
    std::iota(p.begin(), p.end(), 0);
    do {
        int lewa = 0;
        for (int k = 0; k < n; ++k)
            lewa += c.Wspolczynnik(Krawedz(p[std::size_t(k)], p[std::size_t((k + 1) % n)]));
        if (lewa < c.prawa)
            return false;
    } while (std::next_permutation(p.begin() + 1, p.end()));
    return true;
}

} // namespace dowod_test
