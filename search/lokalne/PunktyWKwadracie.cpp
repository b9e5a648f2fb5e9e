#include "search/lokalne/PunktyWKwadracie.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Przedzial {
    double od = std::numeric_limits<double>::infinity();
    double dokad = -std::numeric_limits<double>::infinity();
    void Dodaj(double v) {
        if (std::isfinite(v))
            od = std::min(od, v), dokad = std::max(dokad, v);
    }
    // Halves, so that the span of the largest and the smallest double stays finite.
    double Polowa() const { return od <= dokad ? 0.5 * dokad - 0.5 * od : 0.0; }
};

// In [0, 1]; NaN at 0.
double wJednostce(double v, const Przedzial& p, double polowa) {
    const double t = (0.5 * v - 0.5 * p.od) / polowa;
    return t > 0.0 ? std::min(t, 1.0) : 0.0;
}

}  // namespace

std::vector<PunktPlaszczyzny> PunktyWKwadracie(const std::vector<PunktPlaszczyzny>& punkty) {
    std::vector<PunktPlaszczyzny> wynik(punkty.size());
    Przedzial x, y;
    for (const PunktPlaszczyzny& p : punkty)
        x.Dodaj(p.x), y.Dodaj(p.y);
    const double polowa = std::max(x.Polowa(), y.Polowa());
    if (!(polowa > 0.0))
        return wynik;
    for (std::size_t i = 0; i < punkty.size(); ++i)
        wynik[i] = {wJednostce(punkty[i].x, x, polowa), wJednostce(punkty[i].y, y, polowa)};
    return wynik;
}
