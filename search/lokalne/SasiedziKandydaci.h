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
    // distance function orders them; without, each city's row of distances is
    // searched whole (explicit matrices, which are small). False when
    // przerwij asked to stop first.
    template <MiaraOdleglosci D>
    bool Zbuduj(const D& d, int n, const std::vector<PunktPlaszczyzny>& wspolrzedne, int k,
                const std::function<bool()>& przerwij);

    int Ile() const { return k_; }
    std::span<const Sasiad> Dla(int miasto) const {
        return {sasiedzi_.data() + std::size_t(miasto) * std::size_t(k_), std::size_t(k_)};
    }

private:
    int k_ = 0;
    std::vector<Sasiad> sasiedzi_;
};

// Indices of the ile nearest points of each point in the plane (itself
// excluded), ile per point, row after row; fewer than ile only when the
// plane holds fewer points. False when przerwij asked to stop.
bool NajblizszeWPlaszczyznie(const std::vector<PunktPlaszczyzny>& punkty, int ile,
                             const std::function<bool()>& przerwij, std::vector<int>& wynik);

template <MiaraOdleglosci D>
bool SasiedziKandydaci::Zbuduj(const D& d, int n, const std::vector<PunktPlaszczyzny>& wspolrzedne, int k,
                               const std::function<bool()>& przerwij) {
    k_ = std::clamp(k, 0, std::max(0, n - 1));
    sasiedzi_.assign(std::size_t(n) * std::size_t(k_), Sasiad{});
    if (k_ == 0)
        return true;
    const bool wPlaszczyznie = int(wspolrzedne.size()) == n;
    // The plane's order and the metric's may differ a little (rounding,
    // ceilings, pseudo-Euclidean): a few spare candidates absorb that.
    const int zapas = wPlaszczyznie ? std::min(n - 1, k_ + 4) : n - 1;
    std::vector<int> kandydaci;
    if (wPlaszczyznie && !NajblizszeWPlaszczyznie(wspolrzedne, zapas, przerwij, kandydaci))
        return false;
    std::vector<Sasiad> wiersz(static_cast<std::size_t>(zapas));
    const auto blizej = [](const Sasiad& a, const Sasiad& b) {
        return a.odleglosc < b.odleglosc || (a.odleglosc == b.odleglosc && a.miasto < b.miasto);
    };
    for (int a = 0; a < n; ++a) {
        if ((a & 255) == 0 && przerwij())
            return false;
        if (wPlaszczyznie) {
            for (int j = 0; j < zapas; ++j) {
                const int b = kandydaci[std::size_t(a) * std::size_t(zapas) + std::size_t(j)];
                wiersz[std::size_t(j)] = {b, double(d(a, b))};
            }
        } else {
            for (int b = 0, j = 0; b < n; ++b)
                if (b != a)
                    wiersz[std::size_t(j++)] = {b, double(d(a, b))};
        }
        std::partial_sort(wiersz.begin(), wiersz.begin() + k_, wiersz.end(), blizej);
        std::copy_n(wiersz.begin(), k_, sasiedzi_.begin() + std::ptrdiff_t(a) * k_);
    }
    return true;
}
