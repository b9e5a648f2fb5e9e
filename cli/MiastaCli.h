#pragma once

#include "search/Metryka.h"
#include "storage/InstancjaTsp.h"

#include <QString>

#include <vector>

// The cities of a command as the searches see them: the metric they are
// measured in, and the file's id of each.
struct MiastaCli {
    Metryka metryka;
    std::vector<int> ids;

    // In the file's own metric, city k being the file's k-th.
    static MiastaCli WMetrycePliku(InstancjaTsp&& instancja);
    // In the window's cells (see NaSiatke for the refusals), city k being
    // the file's k-th, or, wierszami, the k-th cell row by row as the window
    // numbers them, so that a search's figures are the window's.
    static MiastaCli NaSiatce(const InstancjaTsp& instancja, const QString& nazwa, bool wierszami);
};
