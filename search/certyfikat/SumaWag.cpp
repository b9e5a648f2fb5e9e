#include "search/certyfikat/SumaWag.h"

#include "toolkit/core/UserError.h"

#include <cmath>

std::vector<std::int64_t> WagiCalkowite(const Metryka& d) {
    if (!d.Calkowita())
        throw UserError(QStringLiteral("a certificate needs whole distances: not the grid metric"));
    const int n = d.Ilosc();
    std::vector<std::int64_t> wagi;
    wagi.reserve(n < 2 ? 0 : std::size_t(n) * std::size_t(n - 1) / 2);
    constexpr double kNajwieksza = 2147483648.0;
    for (int a = 1; a < n; ++a)
        for (int b = 0; b < a; ++b) {
            const double x = d(a, b);
            if (!(std::fabs(x) < kNajwieksza) || x != std::trunc(x))
                throw UserError(QStringLiteral("distance between cities %1 and %2 is not a whole number below 2^31")
                                    .arg(a)
                                    .arg(b));
            wagi.push_back(std::int64_t(x));
        }
    return wagi;
}

std::uint64_t SumaWag(const std::vector<std::int64_t>& wagi) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const std::int64_t w : wagi) {
        const std::uint64_t u = std::uint64_t(w);
        for (int bajt = 0; bajt < 8; ++bajt) {
            h ^= (u >> (8 * bajt)) & 0xffu;
            h *= 0x100000001b3ull;
        }
    }
    return h;
}
