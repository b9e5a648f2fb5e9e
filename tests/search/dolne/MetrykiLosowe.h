#pragma once

#include "search/Metryka.h"

#include <cstdint>
#include <random>
#include <vector>

// Random cities in each kind of metric. On a small square of whole
// coordinates distances tie by the hundred and some cities share a point:
// the cases where a pruned search and a plain one most easily part.
inline Metryka MetrykaLosowa(RodzajMetryki rodzaj, int n, int bok, std::mt19937& los) {
    std::uniform_int_distribution<int> calkowita(0, bok);
    std::uniform_real_distribution<double> rzeczywista(0.0, double(bok));
    std::vector<double> x, y;
    const auto wspolrzedna = [&] { return bok > 50 ? rzeczywista(los) : double(calkowita(los)); };
    for (int c = 0; c < n; ++c) {
        if (c > 0 && los() % 8 == 0) {
            const std::size_t k = los() % x.size();
            x.push_back(x[k]);
            y.push_back(y[k]);
        } else {
            x.push_back(wspolrzedna());
            y.push_back(wspolrzedna());
        }
    }
    switch (rodzaj) {
    case RodzajMetryki::Komorki: {
        std::vector<TPunkt> komorki;
        for (int c = 0; c < n; ++c)
            komorki.push_back({std::int32_t(x[std::size_t(c)]), std::int32_t(y[std::size_t(c)])});
        return Metryka::Komorki(komorki);
    }
    case RodzajMetryki::Geo:
        // Degrees.minutes within the valid range of each.
        for (int c = 0; c < n; ++c) {
            x[std::size_t(c)] = x[std::size_t(c)] / bok * 120.0 - 60.0;
            y[std::size_t(c)] = y[std::size_t(c)] / bok * 300.0 - 150.0;
        }
        return Metryka::Wspolrzedne(rodzaj, x, y);
    case RodzajMetryki::Jawna: {
        std::vector<std::int32_t> wagi;
        std::uniform_int_distribution<int> waga(0, bok);
        for (int a = 1; a < n; ++a)
            for (int b = 0; b < a; ++b)
                wagi.push_back(waga(los));
        return Metryka::Jawna(n, wagi);
    }
    default:
        return Metryka::Wspolrzedne(rodzaj, x, y);
    }
}

inline std::vector<double> KaryLosowe(int n, bool calkowite, std::mt19937& los) {
    std::uniform_int_distribution<int> mala(-3, 3);
    std::uniform_real_distribution<double> duza(-40.0, 40.0);
    std::vector<double> kary;
    for (int c = 0; c < n; ++c)
        kary.push_back(calkowite ? double(mala(los)) : duza(los));
    return kary;
}

inline constexpr RodzajMetryki kKazdaMetryka[] = {RodzajMetryki::Komorki, RodzajMetryki::Euc2d,
                                                  RodzajMetryki::Ceil2d, RodzajMetryki::Att,
                                                  RodzajMetryki::Geo, RodzajMetryki::Jawna};
