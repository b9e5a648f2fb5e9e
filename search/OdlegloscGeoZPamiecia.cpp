#include "search/OdlegloscGeoZPamiecia.h"

#include <bit>
#include <cassert>

namespace {

// Places per city: room for its candidates, its route neighbours and the
// pairs a move closes, with few of them pushing one another out. The
// ceiling keeps a thread's table within its share of the cache at large n.
constexpr std::size_t kNaMiasto = 32;
constexpr std::size_t kNajwiecejWpisow = std::size_t(1) << 20;

} // namespace

OdlegloscGeoZPamiecia::OdlegloscGeoZPamiecia(const Metryka& d) : d_(d) {
    assert(d.Rodzaj() == RodzajMetryki::Geo && d.Ilosc() <= NajwiecejMiast);
    const std::size_t wpisy = std::clamp(std::bit_ceil(kNaMiasto * std::size_t(d.Ilosc())), std::size_t(64),
                                         kNajwiecejWpisow);
    przesuniecie_ = 64 - std::countr_zero(wpisy);
    wpisy_.assign(wpisy, 0);
}
