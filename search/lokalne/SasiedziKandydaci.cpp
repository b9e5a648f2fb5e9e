#include "search/lokalne/SasiedziKandydaci.h"

#include "search/lokalne/DrzewoPunktow.h"

namespace {

// Enough for a quadrant's few nearest on any sensible layout; on a contrived
// one (most points just outside the quadrant's edges) a search stops there.
constexpr int kBudzetCwiartek = 512;

}  // namespace

bool NajblizszeWPlaszczyznie(const std::vector<PunktPlaszczyzny>& punkty, int ile, int wCwiartce,
                             const std::function<bool()>& przerwij, std::vector<int>& wynik,
                             std::vector<int>& kolejnosc, std::int64_t* obejrzane) {
    const int n = int(punkty.size());
    ile = std::clamp(ile, 0, std::max(0, n - 1));
    wCwiartce = std::max(wCwiartce, 0);
    const std::size_t szerokosc = std::size_t(ile + 4 * wCwiartce);
    wynik.assign(std::size_t(n) * szerokosc, -1);
    kolejnosc.resize(std::size_t(n));
    std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
    if (ile == 0)
        return true;
    // In the tree's order: a search finds what the one before left in the cache.
    DrzewoPunktow drzewo(PunktyWKwadracie(punkty));
    for (int i = 0; i < n; ++i) {
        if ((i & 255) == 0 && przerwij())
            return false;
        kolejnosc[std::size_t(i)] = drzewo.WKolejnosci(i);
        drzewo.Najblizsze(i, ile, wCwiartce, kBudzetCwiartek, wynik.data() + std::size_t(i) * szerokosc);
    }
    if (obejrzane)
        *obejrzane = drzewo.Obejrzane();
    return true;
}
