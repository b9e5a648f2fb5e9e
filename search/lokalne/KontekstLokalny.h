#pragma once

#include "search/Metryka.h"
#include "search/lokalne/PlanPrzeszukiwania.h"
#include "search/lokalne/PostepPrzeszukiwania.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/UstawieniaLokalne.h"
#include "search/lokalne/WarunekKonca.h"

#include <span>

// The closed length of a route, summed in double along it.
double DlugoscZamknieta(const Metryka& d, std::span<const int> trasa);

// What every part of one local search reads: the cities, their candidate
// neighbours, the plan for their number, the settings, the progress that
// other threads read, and the shared test whether to stop.
struct KontekstLokalny {
    const Metryka& d;
    const SasiedziKandydaci& sasiedzi;
    const PlanPrzeszukiwania& plan;
    const UstawieniaLokalne& ustawienia;
    PostepPrzeszukiwania& postep;
    WarunekKonca& warunek;

    int Ilosc() const { return d.Ilosc(); }
    double Dlugosc(std::span<const int> trasa) const { return DlugoscZamknieta(d, trasa); }
    // Hands the route out to readers when it beats the best so far, with
    // its own length.
    void Zglos(std::span<const int> trasa) const;
};
