// Distances of small files in each TSPLIB metric, worked out apart from the
// program from TSPLIB's published formulas: a rounding slip shows here even
// where TSPLIB's own files are not at hand.

#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Cities by their ids in the file, 1..n in file order.
struct Odleglosc {
    int a;
    int b;
    double d;
};

Metryka metryka(const QByteArray& tekst) {
    return PlikZestawu::ZInstancji(PlikTsp::CzytajInstancje(CzytnikLinii::ZBajtow(tekst), QStringLiteral("a.tsp")))
        .metryka;
}

Metryka wspolrzedne(const char* typ, const QByteArray& miasta) {
    return metryka(QByteArray("TYPE: TSP\nEDGE_WEIGHT_TYPE: ") + typ + "\nNODE_COORD_SECTION\n" + miasta + "EOF\n");
}

void sprawdz(const char* typ, const Metryka& d, std::initializer_list<Odleglosc> tabela) {
    for (const Odleglosc& o : tabela) {
        EXPECT_EQ(d(o.a - 1, o.b - 1), o.d) << typ << ' ' << o.a << '-' << o.b;
        EXPECT_EQ(d(o.b - 1, o.a - 1), o.d) << typ << ' ' << o.b << '-' << o.a;
    }
    for (int i = 0; i < d.Ilosc(); ++i)
        EXPECT_EQ(d(i, i), 0.0) << typ;
}

// TSPLIB's GEO distance as it publishes it, step by step.
int geoTsplib(double x1, double y1, double x2, double y2) {
    const auto radiany = [](double x) {
        const double PI = 3.141592;
        const int deg = int(x);
        const double min = x - deg;
        return PI * (deg + 5.0 * min / 3.0) / 180.0;
    };
    const double RRR = 6378.388;
    const double q1 = std::cos(radiany(y1) - radiany(y2));
    const double q2 = std::cos(radiany(x1) - radiany(x2));
    const double q3 = std::cos(radiany(x1) + radiany(x2));
    // Clamped as the program clamps: TSPLIB's code takes the arccosine of a
    // hair past 1 for two cities at one point.
    const double c = std::fmin(1.0, std::fmax(-1.0, 0.5 * ((1.0 + q1) * q2 - (1.0 - q1) * q3)));
    return int(RRR * std::acos(c) + 1.0);
}

} // namespace

TEST(OdleglosciTsplib, EachCoordinateMetricGivesTheDistancesWorkedOutByHand) {
    // x.5 rounds up, also below zero; cities may share a point.
    sprawdz("EUC_2D",
            wspolrzedne("EUC_2D", "1 0 0\n2 3 4\n3 -1.5 -2\n4 0.5 0\n5 2.4999 0\n6 0 0\n7 -7 24\n"
                                  "8 1000000 -1000000\n9 0.5 -0.5\n10 -3.5 0\n"),
            {{1, 2, 5}, {1, 3, 3}, {2, 3, 8}, {1, 4, 1}, {1, 5, 2}, {1, 6, 0}, {1, 7, 25}, {1, 8, 1414214},
             {1, 9, 1}, {4, 10, 4}, {3, 10, 3}, {7, 8, 1414235}, {2, 7, 22}, {5, 10, 6}});
    // A whole distance stays as it is.
    sprawdz("CEIL_2D",
            wspolrzedne("CEIL_2D", "1 0 0\n2 3 4\n3 1 1\n4 0 0\n5 -6 -8\n6 3 4.0001\n7 0.5 0\n8 -5 12\n"
                                   "9 1000000 0\n10 2.5 0\n"),
            {{1, 2, 5}, {1, 3, 2}, {1, 4, 0}, {2, 5, 15}, {1, 5, 10}, {1, 6, 6}, {1, 7, 1}, {7, 8, 14},
             {1, 8, 13}, {9, 5, 1000007}, {1, 10, 3}, {7, 10, 2}, {3, 8, 13}});
    // r = sqrt((dx² + dy²) / 10), t = nint(r), t + 1 when t < r: 1-2 and
    // 1-5 give a whole r, 1-4 and 1-7 round down and go up, 1-6 rounds up.
    sprawdz("ATT",
            wspolrzedne("ATT", "1 0 0\n2 3 1\n3 1 0\n4 10 0\n5 30 10\n6 11 4\n7 11 1\n8 4 12\n9 -30 -10\n10 0 0\n"),
            {{1, 2, 1}, {1, 3, 1}, {1, 4, 4}, {1, 5, 10}, {1, 6, 4}, {1, 7, 4}, {1, 8, 4}, {5, 9, 20}, {1, 10, 0},
             {4, 5, 8}, {3, 6, 4}, {2, 9, 11}, {6, 9, 14}});
    // Latitude and longitude as DDD.MM. The southern and western halves,
    // the date line (5-6), the poles, two cities at one point (1 and 11 are
    // 1 apart: TSPLIB adds 1 before truncating). 12-13, 5-14 and 2-15 lie
    // within 1e-8 of a whole kilometre, where a formula rounding otherwise
    // than TSPLIB's truncates to the other side.
    sprawdz("GEO",
            wspolrzedne("GEO", "1 16.47 96.10\n2 -33.52 151.13\n3 51.30 -0.07\n4 -34.36 -58.22\n5 65.50 179.59\n"
                               "6 65.50 -179.59\n7 0.00 0.00\n8 0.00 180.00\n9 90.00 0.00\n10 -90.00 45.00\n"
                               "11 16.47 96.10\n12 45.3 10.2\n13 45.305389680718605 10.2\n14 65.5 179.6031650685588\n"
                               "15 -33.51585349653383 151.13414650346618\n16 -0.30 -179.45\n"),
            {{1, 2, 8113}, {1, 3, 8990}, {2, 4, 11816}, {3, 4, 11140}, {5, 6, 2}, {2, 6, 11373}, {7, 8, 20039},
             {9, 10, 20039}, {7, 9, 10020}, {1, 11, 1}, {12, 13, 1}, {5, 14, 2}, {2, 15, 1}, {2, 16, 4792},
             {4, 16, 12810}, {7, 16, 19977}});
}

TEST(OdleglosciTsplib, GeoIsTsplibsFormulaOnEveryPairOfRandomCities) {
    std::mt19937 los(5);
    std::uniform_real_distribution<double> szerokosc(-90.0, 90.0);
    std::uniform_real_distribution<double> dlugosc(-180.0, 180.0);
    std::uniform_real_distribution<double> blisko(-0.02, 0.02);
    std::vector<std::pair<double, double>> miasta;
    QByteArray tekst;
    for (int k = 0; k < 300; ++k) {
        // Every third city near the one before, where the arccosine is steepest.
        const auto miasto = k % 3 == 2 ? std::pair{miasta.back().first + blisko(los), miasta.back().second + blisko(los)}
                                       : std::pair{szerokosc(los), dlugosc(los)};
        miasta.push_back(miasto);
        tekst += QByteArray::number(k + 1) + ' ' + QByteArray::number(miasto.first, 'g', 17) + ' '
                 + QByteArray::number(miasto.second, 'g', 17) + '\n';
    }
    const Metryka d = wspolrzedne("GEO", tekst);
    for (int i = 0; i < 300; ++i)
        for (int j = i + 1; j < 300; ++j) {
            const auto& [x1, y1] = miasta[std::size_t(i)];
            const auto& [x2, y2] = miasta[std::size_t(j)];
            ASSERT_EQ(d(i, j), geoTsplib(x1, y1, x2, y2)) << i << '-' << j;
        }
}

TEST(OdleglosciTsplib, EachExplicitFormatPutsEveryWeightBetweenItsTwoCities) {
    // The same five cities in each format; every pair has its own weight.
    const QByteArray formaty[][2] = {
        {"FULL_MATRIX", "0 12 23 34 45\n12 0 67 78 89\n23 67 0 10 11\n34 78 10 0 1000000000\n"
                        "45 89 11 1000000000 0\n"},
        {"UPPER_ROW", "12 23 34 45\n67 78 89\n10 11\n1000000000\n"},
        {"LOWER_ROW", "12\n23 67\n34 78 10\n45 89 11 1000000000\n"},
        {"UPPER_DIAG_ROW", "0 12 23 34 45\n0 67 78 89\n0 10 11\n0 1000000000\n0\n"},
        {"LOWER_DIAG_ROW", "0\n12 0\n23 67 0\n34 78 10 0\n45 89 11 1000000000 0\n"},
    };
    for (const auto& [format, wagi] : formaty)
        sprawdz(format.constData(),
                metryka("TYPE: TSP\nDIMENSION: 5\nEDGE_WEIGHT_TYPE: EXPLICIT\nEDGE_WEIGHT_FORMAT: " + format
                        + "\nEDGE_WEIGHT_SECTION\n" + wagi + "EOF\n"),
                {{1, 2, 12}, {1, 3, 23}, {1, 4, 34}, {1, 5, 45}, {2, 3, 67}, {2, 4, 78}, {2, 5, 89}, {3, 4, 10},
                 {3, 5, 11}, {4, 5, 1000000000}});
}
