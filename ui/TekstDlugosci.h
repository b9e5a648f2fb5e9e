#pragma once

#include <QString>

// A route's length as the windows show it: in a file's metric a whole
// number, as wedrownik-cli prints it; in the grid's cells with one decimal.
QString TekstDlugosci(double dlugosc, bool calkowita);
