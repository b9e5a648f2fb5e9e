#pragma once

#include "cli/DlugoscCli.h"
#include "search/certyfikat/Certyfikat.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// A route of the answer as the command line prints it: its length and, where
// a method can tell, whether it is proven the best; otherwise a bound on the
// best (below the shortest route, above the longest) and how far the route
// may be from it, in per cent.
struct TrasaCli {
    DlugoscCli dlugosc;
    std::optional<bool> udowodniona;
    // Proven in the grid's cells, where branch and cut proves only to within
    // a millionth of the route.
    bool doMilionowej = false;
    std::optional<DlugoscCli> granica;
    std::optional<double> lukaProcent;
};

// The answer of one search as the command line prints it.
struct WynikCli {
    QString metoda;
    int miasta = 0;
    // The route, by the cities' ids in the file: the shortest found, or the
    // longest where only that was asked.
    std::vector<int> trasa;
    // Each route asked for and found, and what is known of it; the longest
    // where a method proves it (an exact search).
    std::optional<TrasaCli> najkrotsza;
    std::optional<TrasaCli> najdluzsza;
    double sekundy = 0.0;
    // Routes evaluated, when known, in decimal: it may pass 64 bits.
    QString trasy;
    // The local search's kicks.
    std::optional<long long> rundy;
    // Branch and cut's nodes.
    std::optional<long long> wezly;
    bool przerwany = false;
    // Asked for: the certificate to write, or why there is none.
    std::shared_ptr<const Certyfikat> certyfikat;
    QString bezCertyfikatu;

    // The length of the route given in trasa.
    const DlugoscCli& DlugoscTrasy() const { return najkrotsza ? najkrotsza->dlugosc : najdluzsza->dlugosc; }
    // Lines "key value", or one JSON object on one line.
    QByteArray Wydruk(bool json) const;
};
