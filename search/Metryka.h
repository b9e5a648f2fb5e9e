#pragma once

#include "search/OdlegloscJawna.h"
#include "search/OdlegloscPlaska.h"
#include "search/Punkt.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// How the distance between two cities is measured. Komorki is the window's:
// Euclidean in cells, in single precision. The others are TSPLIB's, whole
// numbers each: EUC_2D (nearest integer), CEIL_2D (ceiling), ATT
// (pseudo-Euclidean), GEO (on TSPLIB's sphere, coordinates as degrees.minutes)
// and an explicit table of weights.
enum class RodzajMetryki { Komorki, Euc2d, Ceil2d, Att, Geo, Jawna };

// The one distance function of two cities that every search measures with:
// cities are 0..Ilosc()-1, distances symmetric, 0 from a city to itself.
// The call is a switch over the kind, with nothing allocated and nothing
// virtual; a search's innermost loop measures with the kind's own type
// instead (ZOdlegloscia), chosen once.
class Metryka {
public:
    // Cities in grid cells: x = column, y = row.
    static Metryka Komorki(std::span<const TPunkt> komorki);
    // Cities at plane (or, for GEO, latitude and longitude) coordinates as
    // a file gives them; rodzaj is any kind but Komorki and Jawna.
    static Metryka Wspolrzedne(RodzajMetryki rodzaj, std::vector<double> x, std::vector<double> y);
    // n cities and the weights below the diagonal, row after row: the
    // weight of (a, b), a > b, is at a * (a - 1) / 2 + b.
    static Metryka Jawna(int n, std::vector<std::int32_t> wagiPodPrzekatna);

    double operator()(int a, int b) const {
        switch (rodzaj_) {
        case RodzajMetryki::Komorki:
            return OdlegloscPlaska<WzorKomorek>(x_.data(), y_.data())(a, b);
        case RodzajMetryki::Euc2d:
            return OdlegloscPlaska<WzorEuc2d>(x_.data(), y_.data())(a, b);
        case RodzajMetryki::Ceil2d:
            return OdlegloscPlaska<WzorCeil2d>(x_.data(), y_.data())(a, b);
        case RodzajMetryki::Att:
            return OdlegloscPlaska<WzorAtt>(x_.data(), y_.data())(a, b);
        case RodzajMetryki::Geo:
            return a == b ? 0.0 : geo(std::size_t(a), std::size_t(b));
        case RodzajMetryki::Jawna:
            return OdlegloscJawna(wagi_.data())(a, b);
        }
        return 0.0;
    }

    int Ilosc() const { return n_; }
    RodzajMetryki Rodzaj() const { return rodzaj_; }
    // Whole distances, summed exactly in 64 bits.
    bool Calkowita() const { return rodzaj_ != RodzajMetryki::Komorki; }

    // The cities' coordinates, for spatial indexes; none for Jawna.
    bool MaWspolrzedne() const { return rodzaj_ != RodzajMetryki::Jawna; }
    const std::vector<double>& X() const { return x_; }
    const std::vector<double>& Y() const { return y_; }
    // Jawna: the weights as Jawna() took them.
    const std::vector<std::int32_t>& WagiPodPrzekatna() const { return wagi_; }

    // The closed length of a route of every city, in route order. For the
    // whole kinds it is exact; for Komorki it is summed in single precision,
    // the figure the window's permutation and random searches show.
    double Dlugosc(std::span<const int> trasa) const;
    // The same for the whole kinds, in 64-bit integers.
    std::int64_t DlugoscCalkowita(std::span<const int> trasa) const;

private:
    Metryka(RodzajMetryki rodzaj, int n) : rodzaj_(rodzaj), n_(n) {}

    double geo(std::size_t i, std::size_t j) const;
    double geoTsplib(std::size_t i, std::size_t j) const;

    // The radius of TSPLIB's sphere, in kilometres.
    static constexpr double RRR = 6378.388;
    // How close to a whole number TSPLIB's formula and the one from sines
    // and cosines may truncate differently. The cosine of one arc by the two
    // formulas is a few roundings from the true one each, so the two differ
    // by well under 1e-14 (5.6e-16 at most over 300,000 random and close
    // pairs). Over an interval of width d the arccosine changes most at +-1,
    // by acos(1 - d) ~ sqrt(2 d): RRR acos of the two differs by less than
    // RRR sqrt(2e-14) = 9.1e-4 km, so a value further than 1e-3 km from a
    // whole number truncates alike in both.
    static constexpr double kMarginesGeo = 1e-3;

    // GEO, for each city: the sines and cosines of its latitude and longitude.
    struct KatyGeo {
        double sinSzerokosci, cosSzerokosci, sinDlugosci, cosDlugosci;
    };

    RodzajMetryki rodzaj_;
    int n_;
    std::vector<double> x_;
    std::vector<double> y_;
    // GEO: latitude and longitude in radians, as TSPLIB converts them.
    std::vector<double> szerokosc_;
    std::vector<double> dlugosc_;
    std::vector<KatyGeo> katy_;
    std::vector<std::int32_t> wagi_;
};

// TSPLIB's cosine of the arc, 0.5 ((1 + q1) q2 - (1 - q1) q3) with q1 the
// cosine of the longitudes' difference, q2 and q3 of the latitudes'
// difference and sum, is the spherical law of cosines; from the sines and
// cosines made once per city it takes no cosine, leaving the arccosine the
// one transcendental call. Close to a whole number TSPLIB's own formula
// decides, so that every distance is TSPLIB's to the bit.
inline double Metryka::geo(std::size_t i, std::size_t j) const {
    const KatyGeo& a = katy_[i];
    const KatyGeo& b = katy_[j];
    const double c = a.sinSzerokosci * b.sinSzerokosci
                     + a.cosSzerokosci * b.cosSzerokosci
                           * (a.cosDlugosci * b.cosDlugosci + a.sinDlugosci * b.sinDlugosci);
    const double v = RRR * std::acos(std::fmin(1.0, std::fmax(-1.0, c))) + 1.0;
    const double calkowita = std::trunc(v);
    if (v - calkowita < kMarginesGeo || calkowita + 1.0 - v < kMarginesGeo)
        return geoTsplib(i, j);
    return calkowita;
}
