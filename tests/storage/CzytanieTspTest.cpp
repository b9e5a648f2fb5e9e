// The .tsp reader on the files users bring: every weight format, every
// kind of line end, and lines no file should have.

#include "storage/PlikTsp.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

namespace {

InstancjaTsp czytaj(const QByteArray& tekst) {
    return PlikTsp::CzytajInstancje(CzytnikLinii::ZBajtow(tekst), QStringLiteral("a.tsp"));
}

} // namespace

TEST(CzytanieTsp, EveryWeightFormatGivesTheSameWeightsHoweverTheLinesBreak) {
    // 0 3 5 7 / 3 0 11 13 / 5 11 0 17 / 7 13 17 0, in each format, four
    // numbers to a line whatever the rows; the diagonal may hold anything.
    const std::pair<const char*, const char*> formaty[] = {
        {"FULL_MATRIX", "9 3 5 7\n3 9 11 13\n5 11 9 17\n7 13 17 9"},
        {"UPPER_ROW", "3 5 7 11\n13 17"},
        {"LOWER_ROW", "3 5 11 7\n13 17"},
        {"UPPER_DIAG_ROW", "0 3 5 7\n0 11 13 0\n17 0"},
        {"LOWER_DIAG_ROW", "0 3 0 5\n11\n0\n7 13 17 0"},
    };
    for (const auto& [format, wagi] : formaty) {
        const InstancjaTsp instancja = czytaj(QByteArray("NAME: m\nTYPE: TSP\nDIMENSION: 4\nEDGE_WEIGHT_TYPE: EXPLICIT\n"
                                                         "EDGE_WEIGHT_FORMAT: ")
                                              + format + "\nDISPLAY_DATA_TYPE: TWOD_DISPLAY\nEDGE_WEIGHT_SECTION\n"
                                              + wagi + "\nDISPLAY_DATA_SECTION\n3 30 3\n1 10 1\n4 40 4\n2 20 2\nEOF\n");
        EXPECT_EQ(instancja.TypWag, TypWagTsp::Jawne);
        EXPECT_EQ(instancja.Wagi, (std::vector<std::int32_t>{3, 5, 11, 7, 13, 17})) << format;
        EXPECT_EQ(instancja.Ids, (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(instancja.X, (std::vector<double>{10, 20, 30, 40})) << "display places follow the ids";
    }
}

TEST(CzytanieTsp, ByteOrderMarkAndEveryLineEndReadAlike) {
    const QByteArray linie[] = {"NAME : a", "EDGE_WEIGHT_TYPE : GEO", "NODE_COORD_SECTION", "7 1.5 -2",
                                "3 0 4e2", "EOF"};
    for (const QByteArray koniec : {"\n", "\r\n", "\r"}) {
        QByteArray tekst = "\xEF\xBB\xBF";
        for (const QByteArray& linia : linie)
            tekst += linia + koniec;
        const InstancjaTsp instancja = czytaj(tekst);
        EXPECT_EQ(instancja.Nazwa, "a");
        EXPECT_EQ(instancja.TypWag, TypWagTsp::Geo);
        EXPECT_EQ(instancja.Ids, (std::vector<int>{7, 3}));
        EXPECT_EQ(instancja.Y, (std::vector<double>{-2, 400}));

        tekst.replace("4e2", "x");
        EXPECT_EQ(errorMessage([&] { czytaj(tekst); }), "a.tsp:5: 'x' nie jest liczbą") << koniec.toStdString();
    }

    // A CR LF that the reading splits, the CR ending one piece and the LF
    // starting the next, is still one line end.
    QByteArray rozdzielony = "COMMENT : ";
    rozdzielony += QByteArray(65535 - rozdzielony.size(), 'c') + "\r\nNODE_COORD_SECTION\r\n1 0 0\r\n2 x 0\r\n";
    EXPECT_EQ(errorMessage([&] { czytaj(rozdzielony); }), "a.tsp:4: 'x' nie jest liczbą");
}

TEST(CzytanieTsp, LineOverTheBoundIsRefusedOnceItPassesTheBound) {
    std::int64_t dane = 0;
    const auto bezKonca = [&dane](char* dokad, std::int64_t ile) {
        std::fill_n(dokad, ile, '1');
        dane += ile;
        return ile;
    };
    EXPECT_EQ(errorMessage([&] { PlikTsp::CzytajInstancje(bezKonca, QStringLiteral("a.tsp")); }),
              "a.tsp:1: linia dłuższa niż 4 MiB");
    EXPECT_LE(dane, CzytnikLinii::MaksDlugoscLinii + (std::int64_t(1) << 17));
}

TEST(CzytanieTsp, CitiesKeepTheFilesOrderIdsAndCoordinatesAndMayShareAPoint) {
    const InstancjaTsp instancja = czytaj("EDGE_WEIGHT_TYPE: ATT\nNODE_COORD_SECTION\n5 0.25 1\n2 0.25 1\n9 -3 7\n");
    EXPECT_EQ(instancja.Ids, (std::vector<int>{5, 2, 9}));
    EXPECT_EQ(instancja.X, (std::vector<double>{0.25, 0.25, -3}));
    EXPECT_EQ(instancja.TypWag, TypWagTsp::Att);
}

TEST(CzytanieTsp, AKeyRepeatedWithItsOwnValueAndANumberTooSmallForADoubleAreNoErrors) {
    const InstancjaTsp instancja = czytaj("EDGE_WEIGHT_TYPE: ATT\nedge_weight_type : att\nNODE_COORD_SECTION\n"
                                          "1 1e-400 -0.0001e-330\n2 3 4\n");
    EXPECT_EQ(instancja.TypWag, TypWagTsp::Att);
    EXPECT_EQ(instancja.X, (std::vector<double>{0, 3}));
    EXPECT_EQ(instancja.Y, (std::vector<double>{0, 4}));
}
