// Where the window shows an opened file's cities off the grid.

#include "app/WidokPliku.h"
#include "storage/PlikTsp.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

InstancjaTsp instancja(const QByteArray& tekst) {
    return PlikTsp::CzytajInstancje(CzytnikLinii::ZBajtow(tekst), QStringLiteral("a.tsp"));
}

} // namespace

TEST(WidokPliku, EachFileShowsItsCitiesAcrossAndUp) {
    SKIP_WITHOUT_TSPLIB();
    // GEO: longitude across, latitude up, degrees.minutes as degrees.
    const WidokPliku geo = WidokPliku::ZInstancji(
        instancja("EDGE_WEIGHT_TYPE : GEO\nNODE_COORD_SECTION\n1 16.30 -96.45\n2 -10.0 20.0\nEOF\n"),
        QStringLiteral("a.tsp"));
    ASSERT_EQ(geo.x.size(), 2u);
    EXPECT_DOUBLE_EQ(geo.x[0], -96.75);
    EXPECT_DOUBLE_EQ(geo.y[0], 16.5);
    EXPECT_DOUBLE_EQ(geo.x[1], 20.0);
    EXPECT_DOUBLE_EQ(geo.y[1], -10.0);
    EXPECT_FALSE(geo.naOkregu);

    // A table without places: on a circle in the file's order, the first on
    // top and the next clockwise, all apart.
    const QString sciezka = QStringLiteral(WEDROWNIK_TSPLIB "/gr17.tsp");
    const WidokPliku gr17 = WidokPliku::ZInstancji(PlikTsp::WczytajInstancje(sciezka), sciezka);
    EXPECT_TRUE(gr17.naOkregu);
    EXPECT_EQ(gr17.sciezka, sciezka);
    ASSERT_EQ(gr17.x.size(), 17u);
    ASSERT_EQ(gr17.y.size(), 17u);
    EXPECT_NEAR(gr17.x[0], 0.0, 1e-9);
    EXPECT_GT(gr17.y[0], 0.0);
    EXPECT_GT(gr17.x[1], 0.0);
    for (std::size_t k = 1; k < 17; ++k)
        EXPECT_GT(std::hypot(gr17.x[k] - gr17.x[k - 1], gr17.y[k] - gr17.y[k - 1]), 100.0);
}
