#include "search/Metryka.h"

#include <cassert>
#include <utility>

namespace {

// TSPLIB's conversion of DDD.MM (degrees and minutes) to radians, with its
// own value of pi: the published optima depend on both.
double radiany(double stopnieMinuty) {
    constexpr double PI = 3.141592;
    const double stopnie = std::trunc(stopnieMinuty);
    const double minuty = stopnieMinuty - stopnie;
    return PI * (stopnie + 5.0 * minuty / 3.0) / 180.0;
}

} // namespace

Metryka Metryka::Komorki(std::span<const TPunkt> komorki) {
    Metryka m(RodzajMetryki::Komorki, int(komorki.size()));
    m.x_.reserve(komorki.size());
    m.y_.reserve(komorki.size());
    for (const TPunkt& p : komorki) {
        m.x_.push_back(p.x);
        m.y_.push_back(p.y);
    }
    return m;
}

Metryka Metryka::Wspolrzedne(RodzajMetryki rodzaj, std::vector<double> x, std::vector<double> y) {
    assert(x.size() == y.size() && rodzaj != RodzajMetryki::Komorki && rodzaj != RodzajMetryki::Jawna);
    Metryka m(rodzaj, int(x.size()));
    m.x_ = std::move(x);
    m.y_ = std::move(y);
    if (rodzaj == RodzajMetryki::Geo) {
        m.szerokosc_.reserve(m.x_.size());
        m.dlugosc_.reserve(m.y_.size());
        m.katy_.reserve(m.x_.size());
        for (std::size_t k = 0; k < m.x_.size(); ++k) {
            const double szerokosc = radiany(m.x_[k]);
            const double dlugosc = radiany(m.y_[k]);
            m.szerokosc_.push_back(szerokosc);
            m.dlugosc_.push_back(dlugosc);
            m.katy_.push_back({std::sin(szerokosc), std::cos(szerokosc), std::sin(dlugosc), std::cos(dlugosc)});
        }
    }
    return m;
}

double Metryka::geoTsplib(std::size_t i, std::size_t j) const {
    const double q1 = std::cos(dlugosc_[i] - dlugosc_[j]);
    const double q2 = std::cos(szerokosc_[i] - szerokosc_[j]);
    const double q3 = std::cos(szerokosc_[i] + szerokosc_[j]);
    // Rounding can take the cosine a hair past 1 for cities at one point.
    const double c = std::fmin(1.0, std::fmax(-1.0, 0.5 * ((1.0 + q1) * q2 - (1.0 - q1) * q3)));
    return std::trunc(RRR * std::acos(c) + 1.0);
}

Metryka Metryka::Jawna(int n, std::vector<std::int32_t> wagiPodPrzekatna) {
    assert(n >= 0 && wagiPodPrzekatna.size() == std::size_t(n) * std::size_t(n > 0 ? n - 1 : 0) / 2);
    Metryka m(RodzajMetryki::Jawna, n);
    m.wagi_ = std::move(wagiPodPrzekatna);
    return m;
}

double Metryka::Dlugosc(std::span<const int> trasa) const {
    if (Calkowita())
        return double(DlugoscCalkowita(trasa));
    const std::size_t n = trasa.size();
    if (n == 0)
        return 0.0;
    float suma = 0.0f;
    for (std::size_t k = 1; k < n; ++k)
        suma += float((*this)(trasa[k], trasa[k - 1]));
    suma += float((*this)(trasa[0], trasa[n - 1]));
    return suma;
}

std::int64_t Metryka::DlugoscCalkowita(std::span<const int> trasa) const {
    const std::size_t n = trasa.size();
    if (n == 0)
        return 0;
    std::int64_t suma = 0;
    for (std::size_t k = 1; k < n; ++k)
        suma += std::int64_t((*this)(trasa[k], trasa[k - 1]));
    suma += std::int64_t((*this)(trasa[0], trasa[n - 1]));
    return suma;
}
