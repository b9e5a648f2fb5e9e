#pragma once

#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/PunktPlaszczyzny.h"

#include <algorithm>
#include <functional>
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
    // between clusters are candidates too. Without coordinates, each city's
    // row of distances is searched whole (explicit matrices, which are
    // small). False when przerwij asked to stop first.
    template <MiaraOdleglosci D>
    bool Zbuduj(const D& d, int n, const std::vector<PunktPlaszczyzny>& wspolrzedne, int k, int wCwiartce,
                const std::function<bool()>& przerwij);

    // Each city's candidates given (alpha-nearness ones, say), in place of
    // the nearest: itself and repeats left out, ordered nearest first by d,
    // as the moves expect.
    template <MiaraOdleglosci D>
    static SasiedziKandydaci ZList(const D& d, const std::vector<std::vector<int>>& listy);

    // Nearest first; at least min(k, n - 1) of them.
    std::span<const Sasiad> Dla(int miasto) const {
        const std::size_t od = poczatki_[std::size_t(miasto)], dokad = poczatki_[std::size_t(miasto) + 1];
        return {sasiedzi_.data() + od, dokad - od};
    }
    std::size_t Razem() const { return sasiedzi_.size(); }

private:
    std::vector<std::size_t> poczatki_{0};
    std::vector<Sasiad> sasiedzi_;
};

// For each point in the plane, row after row: the indices of its ile nearest
// points (itself excluded), then of the wCwiartce nearest in each of the four
// quadrants around it, -1 where a quadrant has fewer. False when przerwij
// asked to stop.
bool NajblizszeWPlaszczyznie(const std::vector<PunktPlaszczyzny>& punkty, int ile, int wCwiartce,
                             const std::function<bool()>& przerwij, std::vector<int>& wynik);

template <MiaraOdleglosci D>
bool SasiedziKandydaci::Zbuduj(const D& d, int n, const std::vector<PunktPlaszczyzny>& wspolrzedne, int k,
                               int wCwiartce, const std::function<bool()>& przerwij) {
    k = std::clamp(k, 0, std::max(0, n - 1));
    poczatki_.assign(std::size_t(std::max(n, 0)) + 1, 0);
    sasiedzi_.clear();
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
    if (wPlaszczyznie && !NajblizszeWPlaszczyznie(wspolrzedne, zapas, wCwiartce, przerwij, kandydaci))
        return false;
    sasiedzi_.reserve(std::size_t(n) * std::size_t(k + 2 * wCwiartce));
    std::vector<Sasiad> wiersz;
    wiersz.reserve(std::size_t(szerokosc));
    const auto blizej = [](const Sasiad& a, const Sasiad& b) {
        return a.odleglosc < b.odleglosc || (a.odleglosc == b.odleglosc && a.miasto < b.miasto);
    };
    for (int a = 0; a < n; ++a) {
        if ((a & 255) == 0 && przerwij())
            return false;
        wiersz.clear();
        if (wPlaszczyznie) {
            const int* r = kandydaci.data() + std::size_t(a) * std::size_t(szerokosc);
            for (int j = 0; j < zapas; ++j)
                wiersz.push_back({r[j], double(d(a, r[j]))});
        } else {
            for (int b = 0; b < n; ++b)
                if (b != a)
                    wiersz.push_back({b, double(d(a, b))});
        }
        std::partial_sort(wiersz.begin(), wiersz.begin() + k, wiersz.end(), blizej);
        wiersz.resize(std::size_t(k));
        if (wCwiartce > 0) {
            const int* r = kandydaci.data() + std::size_t(a) * std::size_t(szerokosc) + zapas;
            for (int j = 0; j < 4 * wCwiartce; ++j)
                if (r[j] >= 0 && std::none_of(wiersz.begin(), wiersz.end(), [&](const Sasiad& s) { return s.miasto == r[j]; }))
                    wiersz.push_back({r[j], double(d(a, r[j]))});
            std::sort(wiersz.begin(), wiersz.end(), blizej);
        }
        sasiedzi_.insert(sasiedzi_.end(), wiersz.begin(), wiersz.end());
        poczatki_[std::size_t(a) + 1] = sasiedzi_.size();
    }
    return true;
}

template <MiaraOdleglosci D>
SasiedziKandydaci SasiedziKandydaci::ZList(const D& d, const std::vector<std::vector<int>>& listy) {
    SasiedziKandydaci s;
    s.poczatki_.assign(listy.size() + 1, 0);
    std::vector<Sasiad> wiersz;
    for (std::size_t a = 0; a < listy.size(); ++a) {
        wiersz.clear();
        for (int b : listy[a])
            if (b != int(a) && std::none_of(wiersz.begin(), wiersz.end(), [b](const Sasiad& x) { return x.miasto == b; }))
                wiersz.push_back({b, double(d(int(a), b))});
        std::sort(wiersz.begin(), wiersz.end(), [](const Sasiad& x, const Sasiad& y) {
            return x.odleglosc < y.odleglosc || (x.odleglosc == y.odleglosc && x.miasto < y.miasto);
        });
        s.sasiedzi_.insert(s.sasiedzi_.end(), wiersz.begin(), wiersz.end());
        s.poczatki_[a + 1] = s.sasiedzi_.size();
    }
    return s;
}
