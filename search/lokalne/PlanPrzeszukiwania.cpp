#include "search/lokalne/PlanPrzeszukiwania.h"

#include <algorithm>

PlanPrzeszukiwania PlanPrzeszukiwania::Dla(int n) {
    PlanPrzeszukiwania plan;
    // Separate chains waste half the machine on a second opinion; worth it
    // while one chain converges well within the time, not beyond.
    plan.podzialTrasy = n > 12000;
    plan.sasiedzi = n > 12000 ? 8 : 10;
    plan.najdluzszyOdcinek = 30;
    // On a shared route a round must stay cheap and inside its stretch:
    // one kick of three short stretches in a row. A chain of its own can
    // afford three double bridges with cuts anywhere on the route.
    plan.najwiekszaRozpietosc = plan.podzialTrasy ? 0 : n;
    plan.kopniecWRundzie = plan.podzialTrasy ? 1 : 3;
    plan.rundWEpoce = std::max<long long>(1000, n / 4);
    return plan;
}
