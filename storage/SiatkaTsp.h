#pragma once

#include "storage/InstancjaTsp.h"
#include "storage/MapaTsp.h"

#include <QString>

#include <cstdint>

// The cities of an instance in the cells of a grid, one city to a cell, as
// the window shows them and its searches measure them. Each coordinate is
// rounded to the nearest integer (halves away from zero). A COMMENT
// "Wedrownik, matryca R X C" (our own files) gives the grid when every city
// fits it: column = x, row = R - 1 - y. Otherwise each axis with negative
// values is shifted so that its least value is 0, and column = x,
// row = maxY - y on a grid of (maxY + 1) rows and (maxX + 1) columns.
//
// Raises "NAME: ..." for an instance without coordinates and for two cities
// in one cell (naming both by their ids); either points to wedrownik-cli,
// which measures such files in their own metric.
MapaTsp NaSiatke(const InstancjaTsp& instancja, const QString& nazwa);

// The most cells the window's grid holds.
inline constexpr std::int64_t MaksKomorekOkna = std::int64_t(1) << 26;

// Raises "NAME: ..." with the grid's size and a pointer to wedrownik-cli
// when the grid has more cells than the window holds.
void SprawdzSiatkeOkna(const MapaTsp& mapa, const QString& nazwa);
