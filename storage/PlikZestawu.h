#pragma once

#include "search/ZestawMiast.h"
#include "storage/InstancjaTsp.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <span>

// A .tsp file as the cities a search reads (ZestawMiast): the one way from a
// file to the searches and to the grid, for the window, the command line and
// the benchmarks, and back to a file.
class PlikZestawu {
public:
    // In the file's own metric, city k being the file's k-th.
    static ZestawMiast ZInstancji(InstancjaTsp&& instancja);
    // Reads the file (see PlikTsp for its rules and errors) and makes its set.
    static ZestawMiast Wczytaj(const QString& sciezka, const std::function<void()>& kontrola = {});

    // A file as the window opens it: its set in the file's own metric, city
    // k being the file's k-th, with the cell of each city when they stand on
    // the grid, on a grid of RowCount x ColumnCount (see NaSiatkeOkna for
    // which files do; the window's grid is wiersze x kolumny now). The rest
    // come without cells, to be shown as points.
    struct WOknie {
        ZestawMiast zestaw;
        int RowCount = 0;
        int ColumnCount = 0;
        // The grid is the one the file names.
        bool SiatkaZPliku = false;
    };
    static WOknie DoOkna(InstancjaTsp&& instancja, int wiersze, int kolumny);

    // In the window's cells (NaSiatke's, and its refusals), measured in
    // cells, city k being the file's k-th or, wierszami, the k-th cell row
    // by row as the grid numbers its cities, so that a search's figures are
    // the window's.
    static ZestawMiast NaSiatce(const InstancjaTsp& instancja, const QString& nazwa, bool wierszami);

    // A file's set (not the grid's cells) as a .tsp: its metric, its ids and
    // the file's coordinates, each the shortest decimal that reads back to
    // the same double; an explicit table as its weights (LOWER_ROW) with the
    // places it shows its cities at (xMiejsc, yMiejsc) when it has them.
    // Reading the text back gives the same distances.
    static QByteArray Tekst(const ZestawMiast& zestaw, const QString& nazwa, std::span<const double> xMiejsc = {},
                            std::span<const double> yMiejsc = {});
    static void Zapisz(const QString& sciezka, const ZestawMiast& zestaw, std::span<const double> xMiejsc = {},
                       std::span<const double> yMiejsc = {});
};
