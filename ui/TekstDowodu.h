#pragma once

#include <QString>

#include <optional>

struct TrasaSesji;

// How far a route may be from the best: "co najwyżej 0,52 % od optimum";
// "optymalna" at 0.
QString TekstLuki(double procent);

// A bound as the windows show it: whole in a file's metric (it is whole
// there); in the grid's cells to one decimal rounded the safe way, down for
// a lower bound and up for an upper one.
QString TekstGranicy(double granica, bool wGore, bool calkowita);

// A route a proof searched for: "21282 (udowodniona)", "21300 (co najwyżej
// 0,09 % od optimum)" or, before any bound, "21300 (nie udowodniona)". In
// the grid's cells branch and cut proves to within a millionth of the
// route, and says so: doMilionowej.
QString TekstDowodu(double dlugosc, bool udowodniona, std::optional<double> lukaProcent, bool calkowita,
                    bool doMilionowej);
QString TekstDowodu(const TrasaSesji& trasa, bool calkowita);
