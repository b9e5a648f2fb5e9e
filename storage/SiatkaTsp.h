#pragma once

#include "storage/InstancjaTsp.h"
#include "storage/MapaTsp.h"

#include <QString>

#include <optional>

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

// Raises "NAME: ..." with the grid's size and a pointer to wedrownik-cli
// when the grid has more cells than the window holds.
void SprawdzSiatkeOkna(const MapaTsp& mapa, const QString& nazwa);

// The grid the window shows a file's cities on, when it can: only files of
// the plane's metrics (EUC_2D, CEIL_2D, ATT), whose coordinates go across
// and up as the grid's columns and rows, whose cities take a cell each of a
// grid the window holds. A file that names its grid gets it; any other
// grows the window's grid of wiersze x kolumny where its cities need more,
// or gets a grid of its own extent when the grown one would be too large.
// The cities stand in NaSiatke's cells either way. None for any other file:
// the window shows it as points.
std::optional<MapaTsp> NaSiatkeOkna(const InstancjaTsp& instancja, int wiersze, int kolumny);
