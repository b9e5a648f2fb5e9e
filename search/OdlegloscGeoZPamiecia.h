#pragma once

#include "search/Metryka.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// GEO distances through a cache of the pairs asked lately. A local search
// asks for the same few pairs again and again (a city's route neighbours
// and its candidates, each a few times per move tried), and on the sphere
// each one costs an arccosine: a hit costs a load instead. The cache is a
// table indexed by a hash of the pair, each place holding one pair and its
// distance, the newest in place of the old; a miss asks the metric, so
// every figure is the metric's own. For one thread: each thread of a
// search keeps a cache of its own.
class OdlegloscGeoZPamiecia {
public:
    // Pairs are packed with their distance into one 64-bit word: two city
    // numbers of 24 bits and a distance of 16 (GEO's longest, half the
    // circumference of TSPLIB's sphere, is 20,039).
    static constexpr int NajwiecejMiast = 1 << 24;

    // d must be GEO, with at most NajwiecejMiast cities, and outlive this.
    explicit OdlegloscGeoZPamiecia(const Metryka& d);

    double operator()(int a, int b) const {
        if (a == b)
            return 0.0;
        const std::uint64_t klucz = (std::uint64_t(std::min(a, b)) << 40) | (std::uint64_t(std::max(a, b)) << 16);
        std::uint64_t& wpis = wpisy_[std::size_t((klucz * 0x9E3779B97F4A7C15ull) >> przesuniecie_)];
        if ((wpis & ~kMaskaOdleglosci) == klucz)
            return double(wpis & kMaskaOdleglosci);
        const double odleglosc = d_(a, b);
        wpis = klucz | std::uint64_t(odleglosc);
        return odleglosc;
    }

private:
    static constexpr std::uint64_t kMaskaOdleglosci = 0xFFFF;

    const Metryka& d_;
    int przesuniecie_;
    // Zero is the pair (0, 0), never asked: an empty place.
    mutable std::vector<std::uint64_t> wpisy_;
};
