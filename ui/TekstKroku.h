#pragma once

#include "search/OpisKroku.h"

#include <QString>

#include <utility>
#include <vector>

// The sentence the progress window shows for a step of step mode: what the
// step looked at and what came of it, with the figures that decided it.
// Cities are named by ids, city k by ids[k] (k + 1 where ids has none).
QString TekstKroku(const OpisKroku& opis, const std::vector<int>& ids = {});

// The lines the main view draws for a step, city to city: the route it
// evaluated, the start of the branch it cut off, the edges a move added,
// the edge a branch was taken on. None for an LP, drawn as it always is.
std::vector<std::pair<int, int>> OdcinkiKroku(const OpisKroku& opis);
