#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QIODevice;

// A city read from or written to a TSPLIB file: its id in the file and the
// grid cell it stands in.
struct MiastoTsp {
    int Id = 0;
    int Wiersz = 0;
    int Kolumna = 0;
};

// Cities on a grid of RowCount x ColumnCount cells, in the file's order.
struct MapaTsp {
    int RowCount = 0;
    int ColumnCount = 0;
    std::vector<MiastoTsp> Miasta;
    // The grid is the one the file's COMMENT names, not the cities' extent.
    bool SiatkaZPliku = false;
};

// TSPLIB files of cities (.tsp) and of routes (.tour).
//
// Reading a .tsp:
// - Lines are "KEY : value" or "KEY: value" (keys in any order, upper or
//   lower case), a section name alone (NODE_COORD_SECTION, with or without a
//   colon) followed by its data lines, or "EOF", which ends the file; EOF may
//   be missing. Blank lines are skipped. Known keys: NAME, TYPE, COMMENT,
//   DIMENSION, CAPACITY, EDGE_WEIGHT_TYPE, EDGE_WEIGHT_FORMAT,
//   EDGE_DATA_FORMAT, NODE_COORD_TYPE, DISPLAY_DATA_TYPE; the data of other
//   known sections is skipped; any other key is an error.
// - TYPE, when given, must be TSP. EDGE_WEIGHT_TYPE must be given and be
//   EUC_2D, CEIL_2D or ATT; all three are read as plane coordinates, and
//   distances are the program's own (Euclidean in cells).
// - NODE_COORD_SECTION must be present; each of its lines is "id x y". Ids
//   are positive, each at most once, and at most DIMENSION when it is given;
//   the number of cities must then equal DIMENSION. Coordinates are decimal
//   numbers (exponents allowed) within +-1e9.
// - Each coordinate is rounded to the nearest integer (halves away from
//   zero). A COMMENT "Wedrownik, matryca R X C" (as written below) gives the
//   grid when every city fits it: column = x, row = R - 1 - y. Otherwise each
//   axis with negative values is shifted so that its least value is 0, and
//   column = x, row = maxY - y on a grid of (maxY + 1) rows and (maxX + 1)
//   columns.
// - Errors are UserErrors "FILE:LINE: what is wrong" (the last line for what
//   is missing): another type, a missing section or type, fewer than two
//   cities, a count above MaksLiczbaMiast, two cities in one cell, anything
//   that is not a number where one is expected. A file that cannot be opened
//   gives "Cannot open file FILE"; one larger than MaksRozmiarPliku gives
//   "FILE: ..." without reading further.
//
// Writing a .tsp: NAME, COMMENT "Wedrownik, matryca R X C", TYPE : TSP,
// DIMENSION, EDGE_WEIGHT_TYPE : EUC_2D, NODE_COORD_SECTION with one line
// "id x y" per city (x = column, y = RowCount - 1 - row), EOF.
//
// A .tour: NAME, COMMENT "Długość trasy L" (L with four decimals), TYPE :
// TOUR, DIMENSION, TOUR_SECTION, one id per line, -1, EOF. Reading one
// accepts the same line forms; TYPE, when given, must be TOUR; the ids may
// share lines, end at -1 (or at EOF or the end of the file), and must be
// 1..n each once, n being DIMENSION when given.
//
// Writes replace the file atomically; a failure raises "Cannot create file
// FILE" and leaves the old file whole.
class PlikTsp {
public:
    static constexpr qint64 MaksRozmiarPliku = qint64(64) << 20;
    static constexpr int MaksLiczbaMiast = 1 << 20;
    static constexpr double MaksWspolrzedna = 1e9;

    static MapaTsp WczytajTsp(const QString& sciezka);
    // nazwa stands for the file in error messages ("-" for standard input).
    // kontrola, when given, is called every few thousand lines (a million
    // cities take a second or more); it may raise to end the reading.
    static MapaTsp WczytajTsp(QIODevice& plik, const QString& nazwa, const std::function<void()>& kontrola = {});
    static MapaTsp CzytajTsp(const QByteArray& tekst, const QString& nazwa,
                             const std::function<void()>& kontrola = {});

    static QByteArray TekstTsp(const MapaTsp& mapa, const QString& nazwa);
    static void ZapiszTsp(const QString& sciezka, const MapaTsp& mapa);

    static std::vector<int> WczytajTour(const QString& sciezka);
    static std::vector<int> CzytajTour(const QByteArray& tekst, const QString& nazwa);

    static QByteArray TekstTour(const std::vector<int>& ids, double dlugosc, const QString& nazwa);
    static void ZapiszTour(const QString& sciezka, const std::vector<int>& ids, double dlugosc);
};
