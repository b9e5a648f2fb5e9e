#pragma once

#include "cli/DlugoscCli.h"
#include "cli/ZadanieCli.h"

#include <QByteArray>

#include <atomic>

// The length command: a route of a .tour file measured in the metric of the
// .tsp file it goes with. Needs no table: memory grows with the cities, not
// with their square.
class PomiarCli {
public:
    struct Wynik {
        int miasta = 0;
        DlugoscCli dlugosc;

        // "cities N" and "length L" lines, or one JSON object on one line.
        QByteArray Wydruk(bool json) const;
    };

    explicit PomiarCli(const ZadanieCli& zadanie) : zadanie_(zadanie) {}

    // Raises UserError for bad input ("FILE:LINE: what is wrong") and
    // PrzerwanoBezTrasy when przerwano is set while the files are read.
    Wynik Uruchom(const std::atomic<bool>& przerwano) const;

private:
    const ZadanieCli& zadanie_;
};
