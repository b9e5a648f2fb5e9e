#include "storage/PlikTsp.h"
#include "tests/support/TestHelpers.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

MapaTsp czytaj(const QByteArray& tekst) {
    return PlikTsp::CzytajTsp(tekst, QStringLiteral("a.tsp"));
}

QString bladCzytania(const QByteArray& tekst) {
    return errorMessage([&] { PlikTsp::CzytajInstancje(CzytnikLinii::ZBajtow(tekst), QStringLiteral("a.tsp")); });
}

QString bladTrasy(const QByteArray& tekst) {
    return errorMessage([&] { PlikTsp::CzytajTour(tekst, QStringLiteral("a.tour")); });
}

using Trojki = std::vector<std::tuple<int, int, int>>;

Trojki miasta(const MapaTsp& mapa) {
    Trojki wynik;
    for (const MiastoTsp& m : mapa.Miasta)
        wynik.emplace_back(m.Id, m.Wiersz, m.Kolumna);
    return wynik;
}

std::pair<int, int> wymiary(const MapaTsp& mapa) {
    return {mapa.RowCount, mapa.ColumnCount};
}

} // namespace

TEST(PlikTspCzytanie, KeysInAnyOrderBothColonFormsNoEof_CitiesToCellsWithTheirIds) {
    const MapaTsp mapa = czytaj("NODE_COORD_SECTION\n"
                                "3 2 0\n"
                                "1 0 2\n"
                                "\r\n"
                                "2 4.6 1.5\n"
                                "edge_weight_type: ceil_2d\n"
                                "DIMENSION :3\n"
                                "NAME: x\n");
    EXPECT_EQ(wymiary(mapa), std::pair(3, 6));  // 4.6 rounds to 5
    EXPECT_EQ(miasta(mapa), (Trojki{{3, 2, 2}, {1, 0, 0}, {2, 0, 5}}));  // 1.5 rounds to 2
}

TEST(PlikTspCzytanie, NegativeAxesShiftToZeroOthersStay) {
    const MapaTsp mapa = czytaj("TYPE : TSP\nEDGE_WEIGHT_TYPE : ATT\nNODE_COORD_SECTION\n1 -3 5\n2 -1 7\nEOF\n");
    EXPECT_EQ(wymiary(mapa), std::pair(8, 3));
    EXPECT_EQ(miasta(mapa), (Trojki{{1, 2, 0}, {2, 0, 2}}));
}

TEST(PlikTspCzytanie, EachBadFileNamesItsLine) {
    const QByteArray naglowek = "NAME : a\nEDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n";
    const QByteArray jawne = "DIMENSION : 3\nEDGE_WEIGHT_TYPE : EXPLICIT\nEDGE_WEIGHT_FORMAT : FULL_MATRIX\n";
    const std::pair<QByteArray, QString> przypadki[] = {
        {"EDGE_WEIGHT_TYPE : MAN_2D\n",
         "a.tsp:1: EDGE_WEIGHT_TYPE MAN_2D nie jest obsługiwany (tylko EUC_2D, CEIL_2D, ATT, GEO i EXPLICIT)"},
        {"EDGE_WEIGHT_FORMAT : UPPER_COL\n",
         "a.tsp:1: EDGE_WEIGHT_FORMAT UPPER_COL nie jest obsługiwany (tylko FUNCTION, FULL_MATRIX, UPPER_ROW, "
         "LOWER_ROW, UPPER_DIAG_ROW i LOWER_DIAG_ROW)"},
        {"NODE_COORD_TYPE : THREED_COORDS\n",
         "a.tsp:1: NODE_COORD_TYPE THREED_COORDS nie jest obsługiwany (tylko TWOD_COORDS i NO_COORDS)"},
        // A second value that differs: the file contradicts itself.
        {"EDGE_WEIGHT_TYPE : EUC_2D\nEDGE_WEIGHT_TYPE : ATT\n", "a.tsp:2: drugi EDGE_WEIGHT_TYPE ATT różny od pierwszego EUC_2D"},
        {"EDGE_WEIGHT_FORMAT : UPPER_ROW\nEDGE_WEIGHT_FORMAT : function\n",
         "a.tsp:2: drugi EDGE_WEIGHT_FORMAT function różny od pierwszego UPPER_ROW"},
        {"DIMENSION : 2\nEDGE_WEIGHT_TYPE : EXPLICIT\nEDGE_WEIGHT_FORMAT : FUNCTION\nEDGE_WEIGHT_SECTION\n0 1\n",
         "a.tsp:4: EDGE_WEIGHT_SECTION przy EDGE_WEIGHT_FORMAT FUNCTION (wagi w sekcji wymagają formatu FULL_MATRIX, "
         "UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW lub LOWER_DIAG_ROW)"},
        {"TYPE : ATSP\n", "a.tsp:1: TYPE ATSP nie jest obsługiwany (tylko TSP)"},
        {"NAME : a\nEDGE_WEIGHT_TYPE : EUC_2D\n\n", "a.tsp:3: brak NODE_COORD_SECTION"},
        {"NODE_COORD_SECTION\n1 0 0\n2 1 1\n", "a.tsp:3: brak EDGE_WEIGHT_TYPE"},
        {naglowek + "1 0 0\nEOF\n", "a.tsp:5: za mało miast: 1 (potrzeba co najmniej dwóch)"},
        {naglowek + "1 0 0\n2 1 y\n", "a.tsp:5: 'y' nie jest liczbą"},
        {naglowek + "1 0 0\n2 1 nan\n", "a.tsp:5: 'nan' nie jest liczbą"},
        {naglowek + "1 0 0\n2.5 1 1\n", "a.tsp:5: '2.5' nie jest liczbą całkowitą"},
        {naglowek + "1 0 0\n2 1\n", "a.tsp:5: oczekiwano numeru miasta i dwóch współrzędnych"},
        {naglowek + "1 0 0\n1 1 1\n", "a.tsp:5: miasto 1 powtórzone"},
        {naglowek + "1 0 0\n2 1e10 1\n", "a.tsp:5: współrzędna 1e10 poza zakresem od -1e9 do 1e9"},
        // Numbers past what the program holds are too large, not non-numbers.
        {naglowek + "1 0 0\n2 1 -0.5e400\n", "a.tsp:5: współrzędna -0.5e400 poza zakresem od -1e9 do 1e9"},
        {naglowek + "1 0 0\n99999999999 1 1\n", "a.tsp:5: numer miasta 99999999999 większy niż 2147483647"},
        {naglowek + "1 0 0\n99999999999999999999 1 1\n",
         "a.tsp:5: numer miasta 99999999999999999999 większy niż 2147483647"},
        {naglowek + "1 0 0\n-99999999999999999999 1 1\n", "a.tsp:5: numer miasta -99999999999999999999 nie jest dodatni"},
        {"DIMENSION : 99999999999999999999\n", "a.tsp:1: DIMENSION 99999999999999999999 poza zakresem 0..1048576"},
        {jawne + "EDGE_WEIGHT_SECTION\n0 99999999999999999999 2 1 0 3 2 3 0\n",
         "a.tsp:5: waga 99999999999999999999 poza zakresem 0..1000000000"},
        {naglowek + "1 0 0\nX 1 1\n", "a.tsp:5: nieznane słowo kluczowe 'X'"},
        {"DIMENSION : 3\n" + naglowek + "1 0 0\n2 1 1\n", "a.tsp:1: DIMENSION 3, a miast w NODE_COORD_SECTION jest 2"},
        {"DIMENSION : 2\n" + naglowek + "1 0 0\n3 1 1\n", "a.tsp:6: numer miasta 3 większy niż DIMENSION 2"},
        {"DIMENSION : 99999999999\n", "a.tsp:1: DIMENSION 99999999999 poza zakresem 0..1048576"},
        {"1 0 0\n", "a.tsp:1: dane poza sekcją"},
        {"DIMENSION 3\n", "a.tsp:1: brak ':' po DIMENSION"},
        {"", "a.tsp:1: brak EDGE_WEIGHT_TYPE"},
        {"EDGE_WEIGHT_FORMAT : LOWER_ROW\nEDGE_WEIGHT_SECTION\n1\n", "a.tsp:2: EDGE_WEIGHT_SECTION przed DIMENSION"},
        {jawne + "EDGE_WEIGHT_SECTION\n0 1 2\n1 0 3\n2 4 0\n", "a.tsp:7: waga 4 miast 3 i 2 różni się od wagi 3 "
                                                                "miast 2 i 3; macierz nie jest symetryczna"},
        {jawne + "EDGE_WEIGHT_SECTION\n0 1 2 1 0 3\n2 3\nEOF\n", "a.tsp:4: EDGE_WEIGHT_SECTION: 8 wag, a "
                                                                    "FULL_MATRIX dla DIMENSION 3 ma ich 9"},
        {jawne + "EDGE_WEIGHT_SECTION\n0 1 2 1 0 3 2 3 0\n0\n", "a.tsp:6: więcej wag niż 9 (FULL_MATRIX dla DIMENSION 3)"},
        {jawne + "EDGE_WEIGHT_SECTION\n0 -1 2 1 0 3 2 3 0\n", "a.tsp:5: waga -1 poza zakresem 0..1000000000"},
        {"DIMENSION : 65536\nEDGE_WEIGHT_FORMAT : UPPER_ROW\nEDGE_WEIGHT_SECTION\n",
         "a.tsp:3: 2147450880 wag UPPER_ROW dla DIMENSION 65536 nie zmieści się w pliku do 64 MiB"},
        {"DIMENSION : 3\nEDGE_WEIGHT_TYPE : EXPLICIT\n", "a.tsp:2: brak EDGE_WEIGHT_SECTION"},
    };
    for (const auto& [tekst, komunikat] : przypadki)
        EXPECT_EQ(bladCzytania(tekst), komunikat) << tekst.toStdString();
}

TEST(PlikTspCzytanie, AFileNameHoldingPlaceMarkersIsQuotedAsItIsAndInputBeyondTheSizeBoundIsRefusedUnread) {
    // Markers such as %1 and %2 in a name are text, not places for the line
    // number or the message.
    const QString nazwa = QStringLiteral("a%2b%1%3.tsp");
    EXPECT_EQ(errorMessage([&] { PlikTsp::CzytajTsp("1 0 0\n", nazwa); }), nazwa + ":1: dane poza sekcją");
    QByteArray duzy(PlikTsp::MaksRozmiarPliku + 1, '\n');
    QBuffer bufor(&duzy);
    ASSERT_TRUE(bufor.open(QIODevice::ReadOnly));
    EXPECT_EQ(errorMessage([&] { PlikTsp::WczytajTsp(bufor, nazwa); }), nazwa + ": plik jest większy niż 64 MiB");
}

TEST(PlikTspZapis, WrittenFileNamesItsGridAndReadsBackToTheSameCells) {
    MapaTsp mapa;
    mapa.RowCount = 7;
    mapa.ColumnCount = 9;
    mapa.Miasta = {{1, 2, 3}, {2, 4, 1}, {3, 5, 5}};  // none on the last row or column
    EXPECT_EQ(PlikTsp::TekstTsp(mapa, QStringLiteral("m")),
              "NAME : m\nCOMMENT : Wedrownik, matryca 7 X 9\nTYPE : TSP\nDIMENSION : 3\n"
              "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n1 3 4\n2 1 2\n3 5 1\nEOF\n");

    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("m.tsp"));
    PlikTsp::ZapiszTsp(sciezka, mapa);
    const MapaTsp odczytana = PlikTsp::WczytajTsp(sciezka);
    EXPECT_EQ(wymiary(odczytana), std::pair(7, 9));
    EXPECT_TRUE(odczytana.SiatkaZPliku);
    EXPECT_EQ(miasta(odczytana), miasta(mapa));
}

TEST(PlikTspZapis, GridCommentThatCitiesDoNotFitIsIgnored) {
    const MapaTsp mapa = czytaj("COMMENT : Wedrownik, matryca 2 X 2\nEDGE_WEIGHT_TYPE : EUC_2D\n"
                                "NODE_COORD_SECTION\n1 0 0\n2 4 1\n");
    EXPECT_EQ(wymiary(mapa), std::pair(2, 5));
    EXPECT_FALSE(mapa.SiatkaZPliku);
}

TEST(PlikTspZapis, FailedWriteReportsTheFile) {
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("brak/m.tour"));
    EXPECT_EQ(errorMessage([&] { PlikTsp::ZapiszTour(sciezka, {1, 2}, 2.0); }), "Cannot create file " + sciezka);
    // A folder in the file's place is not replaced.
    EXPECT_EQ(errorMessage([&] { PlikTsp::ZapiszTour(katalog.path(), {1, 2}, 2.0); }),
              "Cannot create file " + katalog.path());
    EXPECT_TRUE(QFileInfo(katalog.path()).isDir());
}

TEST(PlikTour, WrittenRouteReadsBack) {
    EXPECT_EQ(PlikTsp::TekstTour({2, 3, 1}, 10.123456, QStringLiteral("t")),
              "NAME : t\nCOMMENT : Długość trasy 10.1235\nTYPE : TOUR\nDIMENSION : 3\nTOUR_SECTION\n2\n3\n1\n-1\nEOF\n");
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath(QStringLiteral("t.tour"));
    PlikTsp::ZapiszTour(sciezka, {2, 4, 3, 1}, 7.5);
    EXPECT_EQ(PlikTsp::WczytajTour(sciezka), (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(PlikTsp::CzytajTour("TOUR_SECTION\n2 1 3 -1\n", QString()), (std::vector<int>{2, 1, 3}));
}

TEST(PlikTour, BadRoutesNameTheirLine) {
    const std::pair<QByteArray, QString> przypadki[] = {
        {"TYPE : TSP\n", "a.tour:1: TYPE TSP nie jest obsługiwany (tylko TOUR)"},
        {"TOUR_SECTION\n1\n2\n2\n-1\n", "a.tour:4: miasto 2 powtórzone"},
        {"TOUR_SECTION\n1\n3\n-1\n", "a.tour:3: numer miasta 3 większy niż liczba miast 2"},
        {"DIMENSION : 3\nTOUR_SECTION\n1 2 -1\n", "a.tour:1: DIMENSION 3, a miast w TOUR_SECTION jest 2"},
        {"TOUR_SECTION\n1 2 -1\n3\n", "a.tour:3: dane poza sekcją"},
        {"TOUR_SECTION\n1 x\n", "a.tour:2: 'x' nie jest liczbą całkowitą"},
        {"TOUR_SECTION\n1 99999999999\n", "a.tour:2: numer miasta 99999999999 większy niż 2147483647"},
        {"NAME : t\n", "a.tour:1: brak TOUR_SECTION"},
    };
    for (const auto& [tekst, komunikat] : przypadki)
        EXPECT_EQ(bladTrasy(tekst), komunikat) << tekst.toStdString();
}
