#pragma once

#include "search/ZestawMiast.h"
#include "storage/InstancjaTsp.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A .tsp file as the cities a search reads (ZestawMiast): the one way from a
// file to the searches for the window, the command line and the benchmarks,
// and back to a file.
class PlikZestawu {
public:
    // In the file's own metric, city k being the file's k-th; sciezka is the
    // file the set names.
    static ZestawMiast ZInstancji(InstancjaTsp&& instancja, const QString& sciezka);
    // Reads the file (see PlikTsp for its rules and errors) and makes its set.
    static ZestawMiast Wczytaj(const QString& sciezka, const std::function<void()>& kontrola = {});

    // In the window's cells (see NaSiatke for the refusals), city k being
    // the file's k-th or, wierszami, the k-th cell row by row as the grid
    // numbers its cities, so that a search's figures are the window's.
    static ZestawMiast NaSiatce(const InstancjaTsp& instancja, const QString& nazwa, bool wierszami);

    // A file's set (not the grid's cells) as a .tsp: its metric, its ids and
    // the file's coordinates, each the shortest decimal that reads back to
    // the same double; an explicit table as its weights (LOWER_ROW) with its
    // display points when the file gave them. Reading the text back gives
    // the same distances.
    static QByteArray Tekst(const ZestawMiast& zestaw, const QString& nazwa);
    static void Zapisz(const QString& sciezka, const ZestawMiast& zestaw);
};
