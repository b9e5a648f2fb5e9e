#pragma once

#include "ui/DlugoscZDowodem.h"

#include <QString>

#include <optional>

// How far a route may be from the best one, in per cent of the bound,
// rounded up to a hundredth; none without a positive bound. The longest
// route's bound lies above it.
std::optional<double> LukaProcent(double dlugosc, double granica, bool najdluzsza);

// "co najwyżej 0,52 % od optimum", with the locale's decimal separator.
QString TekstLuki(double procent);

// A bound as the windows show it: whole in a file's metric (it is whole
// there); in the grid's cells to one decimal rounded the safe way, down for
// a lower bound and up for an upper one.
QString TekstGranicy(double granica, bool wGore, bool calkowita);

// "21282 (udowodniona)", "21300 (co najwyżej 0,09 % od optimum)" or, before
// any bound, "21300 (nie udowodniona)"; empty for a route not searched for.
QString TekstDowodu(const DlugoscZDowodem& wynik, bool najdluzsza, bool calkowita);
