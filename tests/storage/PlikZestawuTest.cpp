// A file's cities as the set the searches read, and written back.

#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"

#include <QTemporaryDir>

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString tsplib(const char* nazwa) {
    return QStringLiteral(WEDROWNIK_TSPLIB "/") + QLatin1String(nazwa);
}

ZestawMiast zTekstu(const QByteArray& tekst) {
    return PlikZestawu::ZInstancji(PlikTsp::CzytajInstancje(CzytnikLinii::ZBajtow(tekst), QStringLiteral("a.tsp")),
                                   QStringLiteral("a.tsp"));
}

// Every distance of both sets, and the ids and places they show.
void oczekujTegoSamego(const ZestawMiast& a, const ZestawMiast& b) {
    ASSERT_EQ(a.Ilosc(), b.Ilosc());
    EXPECT_EQ(a.metryka.Rodzaj(), b.metryka.Rodzaj());
    EXPECT_EQ(a.ids, b.ids);
    EXPECT_EQ(a.xWidoku, b.xWidoku);
    EXPECT_EQ(a.yWidoku, b.yWidoku);
    EXPECT_EQ(a.naOkregu, b.naOkregu);
    for (int i = 0; i < a.Ilosc(); ++i)
        for (int j = 0; j < a.Ilosc(); ++j)
            ASSERT_EQ(a.metryka(i, j), b.metryka(i, j)) << i << " " << j;
}

} // namespace

TEST(PlikZestawu, SavedAndOpenedAgainEachMetricGivesTheSameDistancesIdsAndPlaces) {
    if (!QFileInfo::exists(QStringLiteral(WEDROWNIK_TSPLIB "/optima.tsv")))
        GTEST_SKIP() << "no TSPLIB instances at " WEDROWNIK_TSPLIB;
    QTemporaryDir dir;
    // Coordinates that no short decimal holds exactly, ids past the count,
    // the plane's metrics, the sphere, and tables with and without places.
    const ZestawMiast zestawy[] = {
        zTekstu("EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n5 0.1 0.2\n9 1e-7 3.3333333333333335\n"
                "2 123456789.5 -987654.25\nEOF\n"),
        zTekstu("EDGE_WEIGHT_TYPE : CEIL_2D\nNODE_COORD_SECTION\n1 0 0\n2 2.5 7\n3 -4 1\nEOF\n"),
        zTekstu("EDGE_WEIGHT_TYPE : ATT\nNODE_COORD_SECTION\n1 6734 1453\n2 2233 10\n3 5530 1424\nEOF\n"),
        PlikZestawu::Wczytaj(tsplib("burma14.tsp")),
        PlikZestawu::Wczytaj(tsplib("gr17.tsp")),
        PlikZestawu::Wczytaj(tsplib("bayg29.tsp")),
    };
    for (const ZestawMiast& zestaw : zestawy) {
        const QString sciezka = dir.filePath(QStringLiteral("zapisany.tsp"));
        PlikZestawu::Zapisz(sciezka, zestaw);
        const ZestawMiast wczytany = PlikZestawu::Wczytaj(sciezka);
        SCOPED_TRACE(PlikZestawu::Tekst(zestaw, QStringLiteral("x")).left(400).toStdString());
        oczekujTegoSamego(wczytany, zestaw);
        EXPECT_EQ(wczytany.plik, sciezka);
    }
}

TEST(PlikZestawu, EachFileShowsItsCitiesAcrossAndUp) {
    if (!QFileInfo::exists(QStringLiteral(WEDROWNIK_TSPLIB "/optima.tsv")))
        GTEST_SKIP() << "no TSPLIB instances at " WEDROWNIK_TSPLIB;
    // GEO: longitude across, latitude up, degrees.minutes as degrees.
    const ZestawMiast geo = zTekstu("EDGE_WEIGHT_TYPE : GEO\nNODE_COORD_SECTION\n1 16.30 -96.45\n2 -10.0 20.0\nEOF\n");
    EXPECT_EQ(geo.metryka.Rodzaj(), RodzajMetryki::Geo);
    EXPECT_DOUBLE_EQ(geo.xWidoku[0], -96.75);
    EXPECT_DOUBLE_EQ(geo.yWidoku[0], 16.5);
    EXPECT_DOUBLE_EQ(geo.xWidoku[1], 20.0);
    EXPECT_DOUBLE_EQ(geo.yWidoku[1], -10.0);
    EXPECT_FALSE(geo.naOkregu);
    EXPECT_TRUE(geo.komorki.empty());

    // A table without places: on a circle in the file's order, the first on
    // top and the next clockwise, all apart.
    const ZestawMiast gr17 = PlikZestawu::Wczytaj(tsplib("gr17.tsp"));
    EXPECT_TRUE(gr17.naOkregu);
    ASSERT_EQ(gr17.xWidoku.size(), 17u);
    EXPECT_NEAR(gr17.xWidoku[0], 0.0, 1e-9);
    EXPECT_GT(gr17.yWidoku[0], 0.0);
    EXPECT_GT(gr17.xWidoku[1], 0.0);
    for (int k = 1; k < 17; ++k)
        EXPECT_GT(std::hypot(gr17.xWidoku[k] - gr17.xWidoku[k - 1], gr17.yWidoku[k] - gr17.yWidoku[k - 1]), 100.0);
    EXPECT_EQ(NazwaTsplib(gr17.metryka.Rodzaj()), "EXPLICIT");
    EXPECT_EQ(gr17.metryka(0, 1), 633.0);
}
