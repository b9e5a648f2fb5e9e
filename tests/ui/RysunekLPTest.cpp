#include "ui/RysunekLP.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The share of the columns between two cities' dots, at and about row y,
// that an edge of this colour covers.
double pokrycie(const QImage& obraz, int y, int od, int doX, QRgb kolor) {
    int pokryte = 0;
    for (int x = od; x < doX; ++x) {
        bool jest = false;
        for (int w = y - 2; w <= y + 2; ++w)
            jest = jest || obraz.pixel(x, w) == kolor;
        pokryte += jest ? 1 : 0;
    }
    return double(pokryte) / double(doX - od);
}

} // namespace

TEST(RysunekLP, WholeEdgesAreSolidAndFractionalOnesDashed) {
    RysunekLP rysunek(nullptr);
    // Three rows of two cities, 40 units apart, at one pixel a unit.
    rysunek.resize(100 + 2 * RysunekLP::Margines, 80 + 2 * RysunekLP::Margines);
    rysunek.UstawMiasta({{0, 0}, {100, 0}, {0, 40}, {100, 40}, {0, 80}, {100, 80}}, OsY::WDol);
    // Whole, whole within the LP's noise, and a half.
    rysunek.UstawRozwiazanie({{1, 0, 1.0}, {3, 2, 1.0 - 1e-7}, {5, 4, 0.5}});
    QImage obraz(rysunek.size(), QImage::Format_RGB32);
    rysunek.render(&obraz);

    const int od = RysunekLP::Margines + 4, doX = RysunekLP::Margines + 96;
    for (const int y : {0, 40}) {
        EXPECT_EQ(pokrycie(obraz, RysunekLP::Margines + y, od, doX, RysunekLP::KolorCalych), 1.0) << y;
        EXPECT_EQ(pokrycie(obraz, RysunekLP::Margines + y, od, doX, RysunekLP::KolorUlamkowych), 0.0) << y;
    }
    const double ulamkowa = pokrycie(obraz, RysunekLP::Margines + 80, od, doX, RysunekLP::KolorUlamkowych);
    EXPECT_GT(ulamkowa, 0.4);
    EXPECT_LT(ulamkowa, 0.9);
    EXPECT_EQ(pokrycie(obraz, RysunekLP::Margines + 80, od, doX, RysunekLP::KolorCalych), 0.0);

    // A new set of cities starts without a solution.
    rysunek.UstawMiasta({{0, 0}, {1, 1}}, OsY::WGore);
    EXPECT_TRUE(rysunek.Rozwiazanie().empty());
}
