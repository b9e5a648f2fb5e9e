#pragma once

#include "cli/DlugoscCli.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The answer of one search as the command line prints it.
struct WynikCli {
    QString metoda;
    int miasta = 0;
    // The route, by the cities' ids in the file, and the length of exactly
    // that route.
    std::vector<int> trasa;
    DlugoscCli dlugosc;
    // Known only when an exact search has run to its end.
    std::optional<DlugoscCli> najdluzsza;
    double sekundy = 0.0;
    // Routes evaluated, when known, in decimal: it may pass 64 bits.
    QString trasy;
    // The local search's kicks.
    std::optional<long long> rundy;
    // After a heuristic method: a length no route can beat, and how far
    // above the optimum the route can be at most, in per cent.
    std::optional<DlugoscCli> dolneOgraniczenie;
    std::optional<double> lukaCoNajwyzej;
    // Where the exact search's sums rounded: the least the optimum can be.
    std::optional<std::int64_t> optimumCoNajmniej;
    bool przerwany = false;

    // Lines "key value", or one JSON object on one line.
    QByteArray Wydruk(bool json) const;
};
