#include "search/sesja/LukaProcent.h"

#include <cmath>
#include <cstdint>

std::optional<double> LukaProcent(double trasa, double granica, bool calkowite) {
    if (!std::isfinite(trasa) || !std::isfinite(granica))
        return std::nullopt;
    const double roznica = std::fabs(trasa - granica);
    if (roznica == 0.0)
        return 0.0;
    if (!(granica > 0.0))
        return std::nullopt;
    // Whole numbers below 2^43 keep roznica * 10^4 below 2^63: the ceiling
    // of an exact quotient.
    if (calkowite && granica < 0x1p43 && roznica < 0x1p43) {
        const auto r = std::int64_t(roznica);
        const auto g = std::int64_t(granica);
        if (double(r) == roznica && double(g) == granica)
            return double((r * 10000 + g - 1) / g) / 100.0;
    }
    const double setne = roznica / granica * 1e4;
    const double nizej = std::floor(setne);
    return (setne - nizej <= 1e-12 * setne ? nizej : std::ceil(setne)) / 100.0;
}
