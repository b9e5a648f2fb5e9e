#include "search/dolne/Przenumerowanie.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

// The position of cell (x, y) of a 2^16 x 2^16 grid along the Hilbert curve.
std::uint64_t naKrzywej(std::uint32_t x, std::uint32_t y) {
    std::uint64_t d = 0;
    for (std::uint32_t s = 1u << 15; s > 0; s /= 2) {
        const std::uint32_t rx = (x & s) ? 1 : 0;
        const std::uint32_t ry = (y & s) ? 1 : 0;
        d += std::uint64_t(s) * s * ((3 * rx) ^ ry);
        if (ry == 0) {
            if (rx == 1) {
                x = s - 1 - (x & (s - 1));
                y = s - 1 - (y & (s - 1));
            }
            std::swap(x, y);
        }
    }
    return d;
}

} // namespace

Przenumerowanie::Przenumerowanie(const Metryka& d) {
    const int n = d.Ilosc();
    miasto.resize(static_cast<std::size_t>(n));
    std::iota(miasto.begin(), miasto.end(), 0);
    if (d.MaWspolrzedne() && n > 0) {
        const auto [minX, maxX] = std::minmax_element(d.X().begin(), d.X().end());
        const auto [minY, maxY] = std::minmax_element(d.Y().begin(), d.Y().end());
        const double bok = std::max({*maxX - *minX, *maxY - *minY, 1e-300});
        std::vector<std::uint64_t> klucz(static_cast<std::size_t>(n));
        for (std::size_t c = 0; c < klucz.size(); ++c) {
            const auto komorka = [&](double v, double od) {
                return std::uint32_t(std::clamp((v - od) / bok * 65535.0, 0.0, 65535.0));
            };
            klucz[c] = naKrzywej(komorka(d.X()[c], *minX), komorka(d.Y()[c], *minY));
        }
        std::stable_sort(miasto.begin(), miasto.end(),
                         [&](int a, int b) { return klucz[std::size_t(a)] < klucz[std::size_t(b)]; });
    }
    numer.resize(miasto.size());
    for (std::size_t k = 0; k < miasto.size(); ++k)
        numer[std::size_t(miasto[k])] = int(k);
}
