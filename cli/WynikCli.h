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
    // Where the exact search's sums rounded: the least the optimum can be.
    std::optional<std::int64_t> optimumCoNajmniej;
    // Whether the route is proven the shortest, where a method can tell;
    // otherwise the least a route can be (branch and cut's bound, or after
    // a heuristic method Held and Karp's) and how far above it this one is,
    // in per cent (rounded up).
    std::optional<bool> udowodniona;
    std::optional<DlugoscCli> dolnaGranica;
    std::optional<double> lukaProcent;
    // The same for the longest: proven, or the most a route can be and how
    // far below it the longest found is.
    std::optional<bool> najdluzszaUdowodniona;
    std::optional<DlugoscCli> najdluzszaCoNajwyzej;
    std::optional<double> lukaNajdluzszejProcent;
    // Branch and cut's nodes.
    std::optional<long long> wezly;
    bool przerwany = false;

    // Lines "key value", or one JSON object on one line.
    QByteArray Wydruk(bool json) const;
};
