#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/PunktPlaszczyzny.h"
#include "search/lokalne/PunktyWKwadracie.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <span>
#include <vector>

// The few nearest cities of each city, nearest first by the distance function:
// every move of the local search starts from one of them, so a search costs
// O(n·K) memory however many cities there are.
class SasiedziKandydaci {
public:
    struct Sasiad {
        int miasto = 0;
        double odleglosc = 0.0;
    };

    SasiedziKandydaci() = default;

    // The k nearest of each of n cities (fewer when n - 1 < k). With
    // coordinates, a k-d tree in the plane picks a few more than k and the
    // distance function orders them, and the wCwiartce nearest in each
    // quadrant around the city join them: in clustered cities the edges
    // between clusters are candidates too. O(n log n) on any layout, cities
    // at one place or on one line included. Without coordinates, each
    // city's row of distances is searched whole, O(n^2) as the matrix it
    // comes from. False when przerwij asked to stop first.
    template <MiaraOdleglosci D>
    bool Zbuduj(const D& d, int n, const std::vector<PunktPlaszczyzny>& wspolrzedne, int k, int wCwiartce,
                const std::function<bool()>& przerwij);

    // Each city's candidates given (alpha-nearness ones, say) in place of
    // those Zbuduj found: itself and repeats left out, ordered nearest first
    // by d, as the moves expect. The plane and the order stay.
    template <MiaraOdleglosci D>
    void ZastapListy(const D& d, const std::vector<std::vector<int>>& listy);

    // Nearest first; at least min(k, n - 1) of them.
    std::span<const Sasiad> Dla(int miasto) const {
        const Wiersz& w = wiersze_[std::size_t(miasto)];
        return {sasiedzi_.data() + w.od, w.ile};
    }
    std::size_t Razem() const { return sasiedzi_.size(); }
    // The cities in the order their lists are kept: with coordinates, near
    // cities follow one another, so a pass in this order stays in the cache.
    const std::vector<int>& Kolejnosc() const { return kolejnosc_; }

    // The cities' places moved into the unit square (PunktyWKwadracie), or
    // nothing without coordinates: where the candidates of a city run out,
    // the plane still knows its nearest.
    const std::vector<PunktPlaszczyzny>& Plaszczyzna() const { return plaszczyzna_; }

private:
    struct Wiersz {
        std::size_t od = 0;
        std::size_t ile = 0;
    };
    std::vector<Wiersz> wiersze_;
    std::vector<int> kolejnosc_;
    std::vector<Sasiad> sasiedzi_;
    std::vector<PunktPlaszczyzny> plaszczyzna_;
};

// For each point in the plane a row: the indices of its ile nearest points
// (itself excluded), then of the wCwiartce nearest in each of the four
// quadrants around it, -1 where a quadrant has fewer. Row r is point
// kolejnosc[r]'s; near points follow one another. Of equally near points any
// may be listed, so points at one place cost no more than points apart.
// O(n log n) on any layout (DrzewoPunktow). obejrzane, if given, receives
// the number of points the searches looked at. False when przerwij asked to
// stop.
bool NajblizszeWPlaszczyznie(const std::vector<PunktPlaszczyzny>& punkty, int ile, int wCwiartce,
                             const std::function<bool()>& przerwij, std::vector<int>& wynik,
                             std::vector<int>& kolejnosc, std::int64_t* obejrzane = nullptr);

template <MiaraOdleglosci D>
bool SasiedziKandydaci::Zbuduj(const D& d, int n, const std::vector<PunktPlaszczyzny>& wspolrzedne, int k,
                               int wCwiartce, const std::function<bool()>& przerwij) {
    n = std::max(n, 0);
    k = std::clamp(k, 0, std::max(0, n - 1));
    wiersze_.assign(std::size_t(n), {});
    kolejnosc_.resize(std::size_t(n));
    std::iota(kolejnosc_.begin(), kolejnosc_.end(), 0);
    sasiedzi_.clear();
    plaszczyzna_.clear();
    if (k == 0)
        return true;
    const bool wPlaszczyznie = int(wspolrzedne.size()) == n;
    if (!wPlaszczyznie)
        wCwiartce = 0;
    // The plane's order and the metric's may differ a little (rounding,
    // ceilings, pseudo-Euclidean): a few spare candidates absorb that.
    const int zapas = wPlaszczyznie ? std::min(n - 1, k + 4) : n - 1;
    const int szerokosc = zapas + 4 * wCwiartce;
    std::vector<int> kandydaci;
    if (wPlaszczyznie) {
        plaszczyzna_ = PunktyWKwadracie(wspolrzedne);
        if (!NajblizszeWPlaszczyznie(plaszczyzna_, zapas, wCwiartce, przerwij, kandydaci, kolejnosc_))
            return false;
    }
    sasiedzi_.reserve(std::size_t(n) * std::size_t(k + 2 * wCwiartce));
    std::vector<Sasiad> wiersz;
    wiersz.reserve(std::size_t(szerokosc));
    const auto blizej = [](const Sasiad& a, const Sasiad& b) {
        return a.odleglosc < b.odleglosc || (a.odleglosc == b.odleglosc && a.miasto < b.miasto);
    };
    for (int r = 0; r < n; ++r) {
        if ((r & 255) == 0 && przerwij())
            return false;
        const int a = kolejnosc_[std::size_t(r)];
        const int* z = wPlaszczyznie ? kandydaci.data() + std::size_t(r) * std::size_t(szerokosc) : nullptr;
        wiersz.clear();
        if (wPlaszczyznie) {
            for (int j = 0; j < zapas; ++j)
                wiersz.push_back({z[j], double(d(a, z[j]))});
        } else {
            for (int b = 0; b < n; ++b)
                if (b != a)
                    wiersz.push_back({b, double(d(a, b))});
        }
        // A row of the plane's is a dozen: sorted whole faster than partially.
        if (wPlaszczyznie)
            std::sort(wiersz.begin(), wiersz.end(), blizej);
        else
            std::partial_sort(wiersz.begin(), wiersz.begin() + k, wiersz.end(), blizej);
        wiersz.resize(std::size_t(k));
        for (int j = zapas; j < szerokosc; ++j) {
            const int b = z[j];
            if (b >= 0 && std::none_of(wiersz.begin(), wiersz.end(), [b](const Sasiad& s) { return s.miasto == b; })) {
                const Sasiad nowy{b, double(d(a, b))};
                wiersz.insert(std::upper_bound(wiersz.begin(), wiersz.end(), nowy, blizej), nowy);
            }
        }
        wiersze_[std::size_t(a)] = {sasiedzi_.size(), wiersz.size()};
        sasiedzi_.insert(sasiedzi_.end(), wiersz.begin(), wiersz.end());
    }
    return true;
}

template <MiaraOdleglosci D>
void SasiedziKandydaci::ZastapListy(const D& d, const std::vector<std::vector<int>>& listy) {
    std::vector<Sasiad> sasiedzi;
    std::vector<Sasiad> wiersz;
    for (int a : kolejnosc_) {
        wiersz.clear();
        for (int b : listy[std::size_t(a)])
            if (b != a && std::none_of(wiersz.begin(), wiersz.end(), [b](const Sasiad& x) { return x.miasto == b; }))
                wiersz.push_back({b, double(d(a, b))});
        std::sort(wiersz.begin(), wiersz.end(), [](const Sasiad& x, const Sasiad& y) {
            return x.odleglosc < y.odleglosc || (x.odleglosc == y.odleglosc && x.miasto < y.miasto);
        });
        wiersze_[std::size_t(a)] = {sasiedzi.size(), wiersz.size()};
        sasiedzi.insert(sasiedzi.end(), wiersz.begin(), wiersz.end());
    }
    sasiedzi_ = std::move(sasiedzi);
}
