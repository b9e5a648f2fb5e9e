#include "search/lokalne/SasiedziKandydaci.h"

#include <nanoflann.hpp>

#include <cstdint>

namespace {

struct ZbiorPunktow {
    const std::vector<PunktPlaszczyzny>& punkty;

    std::size_t kdtree_get_point_count() const { return punkty.size(); }
    double kdtree_get_pt(std::size_t i, std::size_t wymiar) const {
        return wymiar == 0 ? punkty[i].x : punkty[i].y;
    }
    template <class Prostokat>
    bool kdtree_get_bbox(Prostokat&) const {
        return false;
    }
};

using Drzewo = nanoflann::KDTreeSingleIndexAdaptor<nanoflann::L2_Simple_Adaptor<double, ZbiorPunktow>,
                                                   ZbiorPunktow, 2, std::uint32_t>;

}  // namespace

bool NajblizszeWPlaszczyznie(const std::vector<PunktPlaszczyzny>& punkty, int ile,
                             const std::function<bool()>& przerwij, std::vector<int>& wynik) {
    const int n = int(punkty.size());
    ile = std::clamp(ile, 0, std::max(0, n - 1));
    wynik.assign(std::size_t(n) * std::size_t(ile), 0);
    if (ile == 0)
        return true;
    const ZbiorPunktow zbior{punkty};
    const Drzewo drzewo(2, zbior, nanoflann::KDTreeSingleIndexAdaptorParams(16));
    // The point itself comes back too (or a twin at the same place instead):
    // ask for one more and drop it by number.
    std::vector<std::uint32_t> indeksy(std::size_t(ile) + 1);
    std::vector<double> kwadraty(std::size_t(ile) + 1);
    for (int a = 0; a < n; ++a) {
        if ((a & 1023) == 0 && przerwij())
            return false;
        const double zapytanie[2] = {punkty[std::size_t(a)].x, punkty[std::size_t(a)].y};
        const std::size_t znalezione =
            drzewo.knnSearch(zapytanie, std::size_t(ile) + 1, indeksy.data(), kwadraty.data());
        int* wiersz = wynik.data() + std::size_t(a) * std::size_t(ile);
        int j = 0;
        for (std::size_t i = 0; i < znalezione && j < ile; ++i)
            if (int(indeksy[i]) != a)
                wiersz[j++] = int(indeksy[i]);
    }
    return true;
}
