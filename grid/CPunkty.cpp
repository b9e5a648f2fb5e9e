#include "grid/CPunkty.h"

#include "grid/CMatryca.h"

#include <cmath>
#include <cstdint>

namespace {

std::uint64_t odstep(std::int32_t a, std::int32_t b) {
    const std::int64_t d = std::int64_t(a) - std::int64_t(b);
    return static_cast<std::uint64_t>(d < 0 ? -d : d);
}

} // namespace

void CPunkty::LoadFromCMatryca(const CMatryca* matryca) {
    Clear();
    const int wiersze = matryca->GetRowCount();
    const int kolumny = matryca->GetColumnCount();
    for (int wiersz = 0; wiersz < wiersze; ++wiersz)
        for (int kolumna = 0; kolumna < kolumny; ++kolumna)
            if (matryca->GetCell(wiersz, kolumna))
                Add(TPunkt{kolumna, wiersz});
}

std::unique_ptr<TablicaOdleglosci> CPunkty::CreateOdleglosci(std::uint64_t budzet) const {
    const int n = Count();
    if (n <= 0)
        return nullptr;
    requireMemory(double(n) * double(n) * sizeof(float), budzet);
    auto tablica = std::make_unique<TablicaOdleglosci>(n);
    for (int i = 0; i < n; ++i) {
        float* wiersz = (*tablica)[i];
        for (int j = 0; j < n; ++j) {
            // Squares in 64 bits: on grids wider than 32768 cells they no
            // longer fit in 32. Each is exact; their sum is exact in double
            // for any grid the control accepts, and cannot wrap for any
            // points at all.
            const std::uint64_t dx = odstep(Punkty[i].x, Punkty[j].x);
            const std::uint64_t dy = odstep(Punkty[i].y, Punkty[j].y);
            const double s = static_cast<double>(dx * dx) + static_cast<double>(dy * dy);
            wiersz[j] = static_cast<float>(std::sqrt(s));
        }
    }
    return tablica;
}
