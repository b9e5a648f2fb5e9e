#include "search/CPunkty.h"

#include <cmath>
#include <cstdint>

namespace {

std::uint64_t odstep(std::int32_t a, std::int32_t b) {
    const std::int64_t d = std::int64_t(a) - std::int64_t(b);
    return static_cast<std::uint64_t>(d < 0 ? -d : d);
}

} // namespace

float Odleglosc(TPunkt a, TPunkt b) {
    // Squares in 64 bits: on grids wider than 32768 cells they no longer fit
    // in 32. Each is exact; their sum is exact in double for any grid the
    // control accepts, and cannot wrap for any points at all.
    const std::uint64_t dx = odstep(a.x, b.x);
    const std::uint64_t dy = odstep(a.y, b.y);
    return static_cast<float>(std::sqrt(static_cast<double>(dx * dx) + static_cast<double>(dy * dy)));
}

std::unique_ptr<TablicaOdleglosci> CPunkty::CreateOdleglosci(std::uint64_t budzet,
                                                             const std::function<bool()>& przerwij) const {
    const int n = Count();
    if (n <= 0)
        return nullptr;
    requireMemory(double(n) * double(n) * sizeof(float), budzet);
    auto tablica = std::make_unique<TablicaOdleglosci>(n, TablicaOdleglosci::Niewypelniona{});
    for (int i = 0; i < n; ++i) {
        if (przerwij && przerwij())
            return nullptr;
        float* wiersz = (*tablica)[i];
        for (int j = 0; j < n; ++j)
            wiersz[j] = Odleglosc(Punkty[i], Punkty[j]);
    }
    return tablica;
}
