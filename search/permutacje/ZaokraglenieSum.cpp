#include "search/permutacje/ZaokraglenieSum.h"

#include <algorithm>
#include <cmath>

bool NadajeSieDoOgraniczen(const TablicaOdleglosci& T, int n) {
    double najwieksza = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const float w = T[i][j];
            if (!std::isfinite(w) || w < 0.0f)
                return false;
            najwieksza = std::max(najwieksza, double(w));
        }
    // Far from overflowing a float, whatever the route.
    return najwieksza * n < 1e30;
}

double KrokDokladnychSum(const TablicaOdleglosci& T, int n) {
    double najwieksza = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            najwieksza = std::max(najwieksza, double(T[i][j]));
    for (int skala = 0; skala <= 24; ++skala) {
        bool calkowite = true;
        for (int i = 0; i < n && calkowite; ++i)
            for (int j = 0; j < n && calkowite; ++j) {
                const double w = std::ldexp(double(T[i][j]), skala);
                calkowite = w == std::floor(w);
            }
        if (calkowite)
            return std::ldexp(najwieksza * n, skala) < 0x1p24 ? std::ldexp(1.0, -skala) : 0.0;
    }
    return 0.0;
}

std::vector<double> KosztyKrancowe(const TablicaOdleglosci& T, int n, bool dluzsza) {
    std::vector<double> koszty(std::size_t(n) * std::size_t(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double a = T[i][j];
            const double b = T[j][i];
            koszty[std::size_t(i) * std::size_t(n) + std::size_t(j)] = dluzsza ? -std::max(a, b) : std::min(a, b);
        }
    return koszty;
}
