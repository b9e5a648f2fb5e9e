#include "search/permutacje/OptimumCoNajmniej.h"

#include <algorithm>
#include <cmath>

std::optional<std::int64_t> OptimumCoNajmniej(const TablicaOdleglosci& odleglosci, int n, std::int64_t znaleziona) {
    double najwieksza = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            najwieksza = std::max(najwieksza, double(odleglosci[i][j]));
    if (najwieksza * n < 0x1p24)
        return std::nullopt;
    const double wzgledny = (n + 1) * 0x1p-24;
    return std::int64_t(std::floor(double(znaleziona) * (1.0 - wzgledny) / (1.0 + wzgledny)));
}
