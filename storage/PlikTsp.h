#pragma once

#include "storage/CzytnikLinii.h"
#include "storage/InstancjaTsp.h"
#include "storage/MapaTsp.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QIODevice;

// TSPLIB files of cities (.tsp) and of routes (.tour).
//
// Reading a .tsp gives the instance as the file has it (InstancjaTsp):
// - The file is read line by line: a UTF-8 byte-order mark is skipped; lines
//   end at LF, CRLF or a lone CR; a line over CzytnikLinii::MaksDlugoscLinii
//   or a file over MaksRozmiarPliku is refused as soon as the bound passes.
// - Lines are "KEY : value" or "KEY: value" (keys in any order, upper or
//   lower case), a section name alone (with or without a colon) followed by
//   its data lines, or "EOF", which ends the file; EOF may be missing. Blank
//   lines are skipped. Known keys: NAME, TYPE, COMMENT, DIMENSION, CAPACITY,
//   EDGE_WEIGHT_TYPE, EDGE_WEIGHT_FORMAT, EDGE_DATA_FORMAT, NODE_COORD_TYPE,
//   DISPLAY_DATA_TYPE; the data of other known sections is skipped; any
//   other key is an error.
// - TYPE, when given, must be TSP. EDGE_WEIGHT_TYPE must be given: EUC_2D,
//   CEIL_2D, ATT or GEO with a NODE_COORD_SECTION of "id x y" lines (city k
//   is the k-th line; NODE_COORD_TYPE, when given, TWOD_COORDS), or
//   EXPLICIT with an EDGE_WEIGHT_SECTION after DIMENSION and an
//   EDGE_WEIGHT_FORMAT of FULL_MATRIX (symmetric), UPPER_ROW, LOWER_ROW,
//   UPPER_DIAG_ROW or LOWER_DIAG_ROW: whole weights 0..MaksWaga, spread over
//   lines in any way, exactly as many as the format holds; diagonal entries
//   are ignored. An explicit instance's cities are 1..DIMENSION; a
//   NODE_COORD_SECTION or DISPLAY_DATA_SECTION then gives where to show them.
//   EDGE_WEIGHT_TYPE or EDGE_WEIGHT_FORMAT given again must say the same.
// - Ids are positive (at most 2^31 - 1), each at most once, and at most DIMENSION when it is
//   given; the number of cities must then equal DIMENSION. Coordinates are
//   decimal numbers (exponents allowed) within +-MaksWspolrzedna; two cities
//   may share a point.
// - Errors are UserErrors "FILE:LINE: what is wrong", worded in Polish for
//   the window and in English for wedrownik-cli (the last line for what is
//   missing): another type or format (named), a missing section or type,
//   fewer than two cities, a count above MaksLiczbaMiast, anything that is
//   not a number where one is expected. A file that cannot be opened gives
//   "Cannot open file FILE"; one larger than MaksRozmiarPliku gives
//   "FILE: ..." without reading further.
//
// WczytajTsp and CzytajTsp then put the cities on the window's grid (see
// SiatkaTsp.h), refusing what the grid cannot hold.
//
// Writing a .tsp: NAME, COMMENT "Wedrownik, matryca R X C", TYPE : TSP,
// DIMENSION, EDGE_WEIGHT_TYPE : EUC_2D, NODE_COORD_SECTION with one line
// "id x y" per city (x = column, y = RowCount - 1 - row), EOF.
//
// A .tour: NAME, COMMENT "Długość trasy L" (L with four decimals, or whole), TYPE :
// TOUR, DIMENSION, TOUR_SECTION, one id per line, -1, EOF. Reading one
// accepts the same line forms; TYPE, when given, must be TOUR; the ids may
// share lines and end at -1 (further lines of -1 alone are allowed), at EOF
// or at the end of the file. WczytajTour wants 1..n each once, n being
// DIMENSION when given; TrasaInstancji wants the ids of an instance.
//
// Writes replace the file atomically; a failure raises "Cannot create file
// FILE" and leaves the old file whole.
class PlikTsp {
public:
    static constexpr qint64 MaksRozmiarPliku = CzytnikLinii::MaksRozmiar;
    static constexpr int MaksLiczbaMiast = 1 << 20;
    static constexpr double MaksWspolrzedna = 1e9;
    static constexpr long long MaksWaga = 1'000'000'000;

    static InstancjaTsp WczytajInstancje(const QString& sciezka, const std::function<void()>& kontrola = {});
    // nazwa stands for the source in error messages ("-" for standard input).
    // kontrola, when given, is called every few thousand lines (a million
    // cities take a second or more); it may raise to end the reading, and so
    // may the source.
    static InstancjaTsp CzytajInstancje(CzytnikLinii::Zrodlo zrodlo, const QString& nazwa,
                                        const std::function<void()>& kontrola = {});

    // The route of the .tour file at sciezka as the instance's cities (from
    // 0), after checking that its ids are those of the instance, each once;
    // nazwaInstancji names the instance in the errors.
    static std::vector<int> TrasaInstancji(const InstancjaTsp& instancja, const QString& nazwaInstancji,
                                           const QString& sciezka, const std::function<void()>& kontrola = {});

    // The cities of a file on the window's grid.
    static MapaTsp WczytajTsp(const QString& sciezka);
    static MapaTsp WczytajTsp(QIODevice& plik, const QString& nazwa, const std::function<void()>& kontrola = {});
    static MapaTsp CzytajTsp(const QByteArray& tekst, const QString& nazwa,
                             const std::function<void()>& kontrola = {});

    static QByteArray TekstTsp(const MapaTsp& mapa, const QString& nazwa);
    static void ZapiszTsp(const QString& sciezka, const MapaTsp& mapa);

    static std::vector<int> WczytajTour(const QString& sciezka);
    static std::vector<int> CzytajTour(const QByteArray& tekst, const QString& nazwa);

    // calkowita: the length is a whole number of a TSPLIB metric, written
    // without decimals.
    static QByteArray TekstTour(const std::vector<int>& ids, double dlugosc, const QString& nazwa,
                                bool calkowita = false);
    static void ZapiszTour(const QString& sciezka, const std::vector<int>& ids, double dlugosc,
                           bool calkowita = false);
};
