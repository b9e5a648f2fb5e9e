#include "search/lokalne/TrasaKrzywej.h"

#include "search/lokalne/PunktyWKwadracie.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

namespace {

// The position of cell (x, y) along the Hilbert curve through the
// 2^32 x 2^32 cells of the square.
std::uint64_t naKrzywej(std::uint32_t x, std::uint32_t y) {
    std::uint64_t d = 0;
    for (std::uint32_t s = 1u << 31; s > 0; s >>= 1) {
        const std::uint32_t rx = (x & s) ? 1 : 0, ry = (y & s) ? 1 : 0;
        d += std::uint64_t(s) * std::uint64_t(s) * ((3 * rx) ^ ry);
        if (ry == 0) {
            if (rx == 1)
                x = ~x, y = ~y;
            std::swap(x, y);
        }
    }
    return d;
}

std::uint32_t komorka(double t) {
    return t >= 1.0 ? UINT32_MAX : t > 0.0 ? std::uint32_t(t * double(UINT32_MAX)) : 0;
}

}  // namespace

std::vector<int> TrasaKrzywej(const std::vector<PunktPlaszczyzny>& punkty, int n) {
    std::vector<int> trasa(std::size_t(std::max(n, 0)));
    std::iota(trasa.begin(), trasa.end(), 0);
    if (punkty.size() != trasa.size())
        return trasa;
    const std::vector<PunktPlaszczyzny> w = PunktyWKwadracie(punkty);
    std::vector<std::pair<std::uint64_t, int>> klucze(trasa.size());
    for (std::size_t i = 0; i < w.size(); ++i)
        klucze[i] = {naKrzywej(komorka(w[i].x), komorka(w[i].y)), int(i)};
    std::sort(klucze.begin(), klucze.end());
    for (std::size_t i = 0; i < klucze.size(); ++i)
        trasa[i] = klucze[i].second;
    return trasa;
}
