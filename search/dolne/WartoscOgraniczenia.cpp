#include "search/dolne/WartoscOgraniczenia.h"

#include <algorithm>
#include <cmath>

double BezpieczneOgraniczenie(const Metryka& d, const JednoDrzewo& drzewo, std::span<const double> kary) {
    const int n = drzewo.Ilosc();
    const std::vector<int> stopien = drzewo.Stopnie();
    // The sum of magnitudes the rounding is relative to: the edges' costs
    // and the penalties taken off.
    double skala = 0.0;
    const auto krawedz = [&](int a, int b) {
        skala += std::fabs(d(a, b)) + std::fabs(kary[std::size_t(a)]) + std::fabs(kary[std::size_t(b)]);
    };
    for (int c = 0; c < n; ++c)
        if (drzewo.rodzic[std::size_t(c)] >= 0)
            krawedz(c, drzewo.rodzic[std::size_t(c)]);
    if (drzewo.specjalne >= 0)
        krawedz(drzewo.specjalne, drzewo.drugi);
    for (int c = 0; c < n; ++c)
        skala += 2.0 * std::fabs(kary[std::size_t(c)]);
    const double wzgledna = std::max(kTolerancjaWzgledna, 4.0 * double(n) * 0x1p-53);
    const double wartosc = drzewo.Wartosc(d, kary) - wzgledna * skala - kTolerancjaWzgledna;
    return d.Calkowita() ? std::ceil(wartosc) : wartosc;
}
