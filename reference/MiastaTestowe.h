#pragma once

#include "search/TablicaOdleglosci.h"

#include <cstdint>
#include <utility>
#include <vector>

// Cities as (column, row) cells, numbered in the order given.
using Komorki = std::vector<std::pair<int, int>>;

// The distance table the program builds for these cells: the square root of
// the integer squared distance, in double, rounded to float.
TablicaOdleglosci TablicaDla(const Komorki& miasta);

// n distinct cells drawn from a grid of the given size, numbered row by row
// as the program numbers marked cells. Same seed, same cells.
Komorki LosoweKomorki(int n, int kolumny, int wiersze, std::uint32_t ziarno);
