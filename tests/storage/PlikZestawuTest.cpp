// A file's cities as the set the searches read, and written back.

#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"
#include "tests/support/TestHelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

QString tsplib(const char* nazwa) {
    return QStringLiteral(WEDROWNIK_TSPLIB "/") + QLatin1String(nazwa);
}

InstancjaTsp instancja(const QByteArray& tekst) {
    return PlikTsp::CzytajInstancje(CzytnikLinii::ZBajtow(tekst), QStringLiteral("a.tsp"));
}

// A file's set, and the places a table shows its cities at.
struct Plik {
    ZestawMiast zestaw;
    std::vector<double> x;
    std::vector<double> y;
};

Plik plik(InstancjaTsp i) {
    std::vector<double> x;
    std::vector<double> y;
    if (i.TypWag == TypWagTsp::Jawne) {
        x = i.X;
        y = i.Y;
    }
    return {PlikZestawu::ZInstancji(std::move(i)), std::move(x), std::move(y)};
}

// Every distance of both sets, and the ids and places they show.
void oczekujTegoSamego(const Plik& a, const Plik& b) {
    ASSERT_EQ(a.zestaw.Ilosc(), b.zestaw.Ilosc());
    EXPECT_EQ(a.zestaw.metryka.Rodzaj(), b.zestaw.metryka.Rodzaj());
    EXPECT_EQ(a.zestaw.ids, b.zestaw.ids);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    for (int i = 0; i < a.zestaw.Ilosc(); ++i)
        for (int j = 0; j < a.zestaw.Ilosc(); ++j)
            ASSERT_EQ(a.zestaw.metryka(i, j), b.zestaw.metryka(i, j)) << i << " " << j;
}

} // namespace

TEST(PlikZestawu, SavedAndOpenedAgainEachMetricGivesTheSameDistancesIdsAndPlaces) {
    SKIP_WITHOUT_TSPLIB();
    QTemporaryDir dir;
    // Coordinates that no short decimal holds exactly, ids past the count,
    // the plane's metrics, the sphere, and tables with and without places.
    const Plik pliki[] = {
        plik(instancja("EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n5 0.1 0.2\n9 1e-7 3.3333333333333335\n"
                       "2 123456789.5 -987654.25\nEOF\n")),
        plik(instancja("EDGE_WEIGHT_TYPE : CEIL_2D\nNODE_COORD_SECTION\n1 0 0\n2 2.5 7\n3 -4 1\nEOF\n")),
        plik(instancja("EDGE_WEIGHT_TYPE : ATT\nNODE_COORD_SECTION\n1 6734 1453\n2 2233 10\n3 5530 1424\nEOF\n")),
        plik(PlikTsp::WczytajInstancje(tsplib("burma14.tsp"))),
        plik(PlikTsp::WczytajInstancje(tsplib("gr17.tsp"))),
        plik(PlikTsp::WczytajInstancje(tsplib("bayg29.tsp"))),
    };
    for (const Plik& p : pliki) {
        const QString sciezka = dir.filePath(QStringLiteral("zapisany.tsp"));
        PlikZestawu::Zapisz(sciezka, p.zestaw, p.x, p.y);
        SCOPED_TRACE(PlikZestawu::Tekst(p.zestaw, QStringLiteral("x"), p.x, p.y).left(400).toStdString());
        oczekujTegoSamego(plik(PlikTsp::WczytajInstancje(sciezka)), p);
    }
}

TEST(PlikZestawu, AFileTheWindowPutsOnTheGridHasTheCellsOfTheGridMetricAndTheRestNone) {
    const InstancjaTsp wPlaszczyznie =
        instancja("EDGE_WEIGHT_TYPE : CEIL_2D\nNODE_COORD_SECTION\n4 0 0\n8 6 3\n6 2.9 4.2\n");
    // The window's grid grows to hold the cities; they keep the file's
    // metric and order.
    PlikZestawu::WOknie okno = PlikZestawu::DoOkna(InstancjaTsp(wPlaszczyznie), 3, 10);
    EXPECT_EQ(okno.zestaw.metryka.Rodzaj(), RodzajMetryki::Ceil2d);
    EXPECT_EQ(okno.zestaw.ids, (std::vector<int>{4, 8, 6}));
    EXPECT_EQ(okno.zestaw.komorki, PlikZestawu::NaSiatce(wPlaszczyznie, QStringLiteral("a.tsp"), false).komorki);
    EXPECT_EQ(okno.zestaw.komorki, (std::vector<TPunkt>{{0, 4}, {6, 1}, {3, 0}}));
    EXPECT_EQ(std::pair(okno.RowCount, okno.ColumnCount), std::pair(5, 10));
    EXPECT_FALSE(okno.SiatkaZPliku);

    // The sphere, two cities in one cell, more cells than the window holds
    // and a table without places.
    const QByteArray bezSiatki[] = {
        "EDGE_WEIGHT_TYPE : GEO\nNODE_COORD_SECTION\n1 0 0\n2 6 3\n",
        "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n1 0 0\n2 0.2 0.4\n",
        "EDGE_WEIGHT_TYPE : ATT\nNODE_COORD_SECTION\n1 0 0\n2 9000 8999\n",
        "DIMENSION : 2\nEDGE_WEIGHT_TYPE : EXPLICIT\nEDGE_WEIGHT_FORMAT : LOWER_ROW\nEDGE_WEIGHT_SECTION\n5\n",
    };
    for (const QByteArray& tekst : bezSiatki) {
        okno = PlikZestawu::DoOkna(instancja(tekst), 3, 10);
        EXPECT_EQ(okno.zestaw.Ilosc(), 2) << tekst.toStdString();
        EXPECT_TRUE(okno.zestaw.komorki.empty()) << tekst.toStdString();
    }
}
