// Files mapped onto the window's grid: what it cannot hold is refused with
// what it would need and where to go instead.

#include "storage/PlikTsp.h"
#include "storage/SiatkaTsp.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

QString bladSiatki(const QByteArray& tekst) {
    return errorMessage([&] { PlikTsp::CzytajTsp(tekst, QStringLiteral("a.tsp")); });
}

} // namespace

TEST(SiatkaTsp, WhatTheGridCannotHoldIsRefusedPointingToTheCommandLine) {
    const QByteArray naglowek = "EDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    const QString cli = QStringLiteral("; taki plik rozwiąże wedrownik-cli w metryce pliku");
    EXPECT_EQ(bladSiatki(naglowek + "4 0 0\n8 3 4\n6 2.9 4.2\n"),
              "a.tsp: miasto 6 w tej samej komórce co miasto 8, a w oknie każde miasto zajmuje własną komórkę" + cli);
    EXPECT_EQ(bladSiatki(naglowek + "1 0 0\n2 9000 8999\n"),
              "a.tsp: miasta potrzebują siatki 9000 X 9001 (81009000 komórek), a okno mieści najwyżej 67108864" + cli);
    EXPECT_EQ(bladSiatki("DIMENSION: 2\nEDGE_WEIGHT_TYPE: EXPLICIT\nEDGE_WEIGHT_FORMAT: UPPER_ROW\n"
                         "EDGE_WEIGHT_SECTION\n5\n"),
              "a.tsp: plik nie podaje położenia miast, tylko odległości między nimi" + cli);
}

TEST(SiatkaTsp, ExplicitWeightsWithDisplayPlacesOpenAtThosePlaces) {
    const MapaTsp mapa = PlikTsp::CzytajTsp("DIMENSION: 3\nEDGE_WEIGHT_TYPE: EXPLICIT\nEDGE_WEIGHT_FORMAT: LOWER_ROW\n"
                                            "EDGE_WEIGHT_SECTION\n1 2 3\nDISPLAY_DATA_SECTION\n2 4 0\n1 0 0\n3 0 2\n",
                                            QStringLiteral("a.tsp"));
    EXPECT_EQ(std::pair(mapa.RowCount, mapa.ColumnCount), std::pair(3, 5));
    ASSERT_EQ(mapa.Miasta.size(), 3u);
    EXPECT_EQ(mapa.Miasta[1].Id, 2);
    EXPECT_EQ(mapa.Miasta[1].Kolumna, 4);
    EXPECT_EQ(mapa.Miasta[2].Wiersz, 0);
}
