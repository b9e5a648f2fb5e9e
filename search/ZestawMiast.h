#pragma once

#include "search/Metryka.h"
#include "search/Punkt.h"

#include <vector>

// The cities a search reads, made either by the grid from its cells or by a
// file: the metric they are measured in, the id of each, and the grid cell
// of each while they stand on the grid. City k is the grid's k-th city cell
// row by row, or the file's k-th.
struct ZestawMiast {
    Metryka metryka;
    // The file's ids, or 1..n for the grid's cities.
    std::vector<int> ids;
    // The grid cell of each city, while the cities stand on the grid; empty
    // for a set shown as points.
    std::vector<TPunkt> komorki;

    // The grid's cities: Euclidean distances in cells, in single precision.
    // ids empty: 1..n.
    static ZestawMiast ZKomorek(std::vector<TPunkt> komorki, std::vector<int> ids = {});

    int Ilosc() const { return metryka.Ilosc(); }
};
