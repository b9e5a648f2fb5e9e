#pragma once

#include "search/Metryka.h"
#include "search/Punkt.h"

#include <QString>

#include <vector>

// The cities a search reads, made either by the grid from its cells or by a
// file: the metric they are measured in, the id of each, and where each is
// shown. City k is the grid's k-th city cell row by row, or the file's k-th.
struct ZestawMiast {
    Metryka metryka;
    // The file's ids, or 1..n for the grid's cities.
    std::vector<int> ids;
    // The grid cell of each city, while the cities stand on the grid; empty
    // for a set shown as points.
    std::vector<TPunkt> komorki;
    // Where the view of points shows each city: x across, y up. GEO gives
    // longitude and latitude in degrees; an explicit table its display
    // points, or without them a circle in the file's order (naOkregu).
    std::vector<double> xWidoku;
    std::vector<double> yWidoku;
    bool naOkregu = false;
    // The file the set was read from; empty for the grid's.
    QString plik;

    // The grid's cities: Euclidean distances in cells, in single precision.
    // ids empty: 1..n.
    static ZestawMiast ZKomorek(std::vector<TPunkt> komorki, std::vector<int> ids = {});

    int Ilosc() const { return metryka.Ilosc(); }
    bool ZPliku() const { return !plik.isEmpty(); }
};

// TSPLIB's EDGE_WEIGHT_TYPE of a metric: EUC_2D, CEIL_2D, ATT, GEO or
// EXPLICIT; empty for the grid's cells, which TSPLIB has no name for.
QString NazwaTsplib(RodzajMetryki rodzaj);

// TSPLIB's degrees.minutes (GEO) as degrees.
double StopnieZeStopniMinut(double stopnieMinuty);
