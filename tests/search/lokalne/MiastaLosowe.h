#pragma once

#include "search/lokalne/PunktPlaszczyzny.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/TrasaTablicowa.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

// Random cities on a 1000 x 1000 square and TSPLIB's rounded Euclidean
// distance between them: integral, so sums of gains are exact.
inline std::vector<PunktPlaszczyzny> MiastaLosowe(int n, std::uint32_t ziarno) {
    std::mt19937 los(ziarno);
    std::uniform_real_distribution<double> u(0.0, 1000.0);
    std::vector<PunktPlaszczyzny> p(static_cast<std::size_t>(n));
    for (auto& q : p)
        q = {u(los), u(los)};
    return p;
}

struct OdlegloscZaokraglona {
    const std::vector<PunktPlaszczyzny>* p;
    double operator()(int a, int b) const {
        const auto& s = (*p)[std::size_t(a)];
        const auto& t = (*p)[std::size_t(b)];
        return std::floor(std::hypot(s.x - t.x, s.y - t.y) + 0.5);
    }
};

template <class D>
double DlugoscZamknieta(const D& d, const std::vector<int>& trasa) {
    double s = 0.0;
    for (std::size_t i = 0; i < trasa.size(); ++i)
        s += d(trasa[i], trasa[(i + 1) % trasa.size()]);
    return s;
}

// Random cities, their candidates (8 nearest, wCwiartce per quadrant) and
// a random route through them, as the moves' tests start from.
struct UkladLosowy {
    UkladLosowy(int n, std::uint32_t ziarno, int wCwiartce) : punkty(MiastaLosowe(n, ziarno)), d{&punkty} {
        sasiedzi.Zbuduj(d, n, punkty, 8, wCwiartce, [] { return false; });
        kolejnosc.resize(static_cast<std::size_t>(n));
        std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
        std::shuffle(kolejnosc.begin(), kolejnosc.end(), std::mt19937(ziarno));
        trasa = TrasaTablicowa(kolejnosc);
    }
    std::vector<PunktPlaszczyzny> punkty;
    OdlegloscZaokraglona d;
    SasiedziKandydaci sasiedzi;
    std::vector<int> kolejnosc;
    TrasaTablicowa trasa;
};
