#pragma once

// The benchmark's own small reader of TSPLIB coordinate files (EUC_2D,
// CEIL_2D, ATT) and their metrics: only what the measurements need, until
// the program's storage reader can stand in for it.

#include "search/lokalne/PunktPlaszczyzny.h"

#include <string>
#include <vector>

struct InstancjaBenchmarku {
    enum class Metryka { Euc2d, Ceil2d, Att };

    std::string nazwa;
    Metryka metryka = Metryka::Euc2d;
    std::vector<PunktPlaszczyzny> punkty;
};

// Reads a .tsp file with a NODE_COORD_SECTION; false (and a reason) for a
// file it cannot read or a metric it does not know.
bool CzytajInstancjeBenchmarku(const std::string& sciezka, InstancjaBenchmarku& instancja, std::string& blad);

// The file's own integral distance between two cities.
class MetrykaBenchmarku {
public:
    explicit MetrykaBenchmarku(const InstancjaBenchmarku& instancja) : i_(instancja) {}
    double operator()(int a, int b) const;

private:
    const InstancjaBenchmarku& i_;
};
