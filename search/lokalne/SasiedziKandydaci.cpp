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

// The nearest points in one quadrant around a point: the tree's k-nearest
// search with every point outside the quadrant turned away. A quadrant that
// holds few points would send the search through the whole tree; past a
// budget of points looked at, the search is told nothing nearer can come.
class WCwiartce {
public:
    WCwiartce(const std::vector<PunktPlaszczyzny>& punkty, int srodek, int cwiartka, std::size_t ile,
              std::uint32_t* indeksy, double* kwadraty)
        : punkty_(punkty), srodek_(punkty[std::size_t(srodek)]), cwiartka_(cwiartka), wynik_(ile) {
        wynik_.init(indeksy, kwadraty);
    }

    std::size_t size() const { return wynik_.size(); }
    bool full() const { return wynik_.full(); }
    double worstDist() const { return obejrzane_ > kBudzet ? 0.0 : wynik_.worstDist(); }
    bool addPoint(double kwadrat, std::uint32_t i) {
        ++obejrzane_;
        const double dx = punkty_[i].x - srodek_.x, dy = punkty_[i].y - srodek_.y;
        bool w;
        switch (cwiartka_) {
        case 0: w = dx > 0 && dy >= 0; break;
        case 1: w = dx <= 0 && dy > 0; break;
        case 2: w = dx < 0 && dy <= 0; break;
        default: w = dx >= 0 && dy < 0; break;
        }
        if (w)
            wynik_.addPoint(kwadrat, i);
        return true;
    }

private:
    static constexpr int kBudzet = 4096;
    const std::vector<PunktPlaszczyzny>& punkty_;
    PunktPlaszczyzny srodek_;
    int cwiartka_;
    nanoflann::KNNResultSet<double, std::uint32_t> wynik_;
    int obejrzane_ = 0;
};

}  // namespace

bool NajblizszeWPlaszczyznie(const std::vector<PunktPlaszczyzny>& punkty, int ile, int wCwiartce,
                             const std::function<bool()>& przerwij, std::vector<int>& wynik) {
    const int n = int(punkty.size());
    ile = std::clamp(ile, 0, std::max(0, n - 1));
    const int szerokosc = ile + 4 * wCwiartce;
    wynik.assign(std::size_t(n) * std::size_t(szerokosc), -1);
    if (ile == 0)
        return true;
    const ZbiorPunktow zbior{punkty};
    const Drzewo drzewo(2, zbior, nanoflann::KDTreeSingleIndexAdaptorParams(16));
    // The point itself comes back too (or a twin at the same place instead):
    // ask for one more and drop it by number.
    std::vector<std::uint32_t> indeksy(std::size_t(std::max(ile + 1, wCwiartce)));
    std::vector<double> kwadraty(indeksy.size());
    for (int a = 0; a < n; ++a) {
        if ((a & 255) == 0 && przerwij())
            return false;
        const double zapytanie[2] = {punkty[std::size_t(a)].x, punkty[std::size_t(a)].y};
        const std::size_t znalezione =
            drzewo.knnSearch(zapytanie, std::size_t(ile) + 1, indeksy.data(), kwadraty.data());
        int* wiersz = wynik.data() + std::size_t(a) * std::size_t(szerokosc);
        int j = 0;
        for (std::size_t i = 0; i < znalezione && j < ile; ++i)
            if (int(indeksy[i]) != a)
                wiersz[j++] = int(indeksy[i]);
        for (int c = 0; c < 4 && wCwiartce > 0; ++c) {
            WCwiartce wynikCwiartki(punkty, a, c, std::size_t(wCwiartce), indeksy.data(), kwadraty.data());
            drzewo.findNeighbors(wynikCwiartki, zapytanie, nanoflann::SearchParams());
            for (std::size_t i = 0; i < wynikCwiartki.size(); ++i)
                wiersz[ile + c * wCwiartce + int(i)] = int(indeksy[i]);
        }
    }
    return true;
}
