#include "search/sesja/PlanSesji.h"

#include "search/ZestawMiast.h"

#include "search/dowod/ZasiegDowodu.h"
#include "search/permutacje/ZasiegiPrzegladu.h"

#include <algorithm>
#include <cmath>

namespace {

// The permutation search proves both routes of a small set, in its
// single-precision sums: only where those are exact, and within the time
// given like any other method. Where they are not, branch and cut proves in
// whole numbers.
bool permutacjami(int n, bool sumyDokladne) {
    return n <= kPrzegladKonczySieDo && sumyDokladne;
}

PlanSesji dokladnie(const UstawieniaSesji& u, int n, bool sumyDokladne) {
    PlanSesji plan;
    plan.najkrotsza = u.najkrotsza;
    plan.najdluzsza = u.najdluzsza;
    plan.limitSekund = u.limitSekund;
    // It keeps no longest route, only that route's length; and only branch
    // and cut's proof can be certified.
    if (permutacjami(n, sumyDokladne) && u.najkrotsza && !u.certyfikat) {
        plan.metoda = MetodaSesji::Permutacje;
        return plan;
    }
    plan.metoda = MetodaSesji::Dowod;
    plan.mozeNieSkonczyc = n > kPrzegladKonczySieDo;
    return plan;
}

} // namespace

int AutoDowodDo(double limitSekund) {
    if (limitSekund <= 0.0)
        return kAutoDowodDo;
    // Proofs take roughly the square of the cities' count in time: as many
    // more cities as the square root of the time given allows.
    const double miasta = kAutoDowodDo * std::sqrt(limitSekund / 10.0);
    return int(std::clamp(miasta, double(kAutoDowodDo), double(kDowodNajwiecejMiast)));
}

namespace {

// Every route up to the permutation search's certain reach; a proof where
// one may come within the time (AutoDowodDo); beyond, the local search for
// most of the time and branch and cut's bound in the rest, while a proof
// takes so long that the local search's route is worth more.
PlanSesji automatycznie(const UstawieniaSesji& u, int n, bool sumyDokladne) {
    PlanSesji plan;
    plan.limitSekund = u.limitSekund;
    plan.sekundyGranicy = u.sekundyGranicy;
    if (permutacjami(n, sumyDokladne) && !u.certyfikat) {
        plan.metoda = MetodaSesji::Permutacje;
        plan.najdluzsza = true;
        plan.sekundyGranicy = 0.0;
    } else if (n <= AutoDowodDo(u.limitSekund)) {
        plan.metoda = MetodaSesji::Dowod;
    } else if (n <= kDowodNajwiecejMiast && u.limitSekund > 0.0) {
        plan.metoda = MetodaSesji::Dowod;
        plan.tylkoGranica = true;
    } else {
        plan.metoda = MetodaSesji::Lokalnie;
    }
    return plan;
}

} // namespace

PlanSesji Zaplanuj(const UstawieniaSesji& u, int n, bool sumyDokladne) {
    switch (u.metoda) {
    case MetodaSesji::Automatyczna:
        return automatycznie(u, n, sumyDokladne);
    case MetodaSesji::Dokladna:
        return dokladnie(u, n, sumyDokladne);
    case MetodaSesji::Dowod: {
        PlanSesji plan;
        plan.metoda = MetodaSesji::Dowod;
        plan.najkrotsza = u.najkrotsza;
        plan.najdluzsza = u.najdluzsza;
        plan.limitSekund = u.limitSekund;
        return plan;
    }
    default: {
        PlanSesji plan;
        plan.metoda = u.metoda;
        plan.najdluzsza = u.metoda == MetodaSesji::Permutacje;
        // The window's permutation search runs to its end.
        plan.limitSekund = u.metoda == MetodaSesji::Lokalnie ? u.limitSekund : 0.0;
        plan.sekundyGranicy = u.metoda == MetodaSesji::Permutacje ? 0.0 : u.sekundyGranicy;
        plan.mozeNieSkonczyc = u.metoda == MetodaSesji::Permutacje && n > kPrzegladKonczySieDo;
        return plan;
    }
    }
}

PlanSesji Zaplanuj(const UstawieniaSesji& u, const ZestawMiast& miasta) {
    // Only the permutation search's sizes ask: every pair of a large set
    // would cost the start more than the search.
    const bool pytaj = (u.metoda == MetodaSesji::Automatyczna || u.metoda == MetodaSesji::Dokladna)
                       && miasta.Ilosc() <= kPrzegladKonczySieDo;
    return Zaplanuj(u, miasta.Ilosc(), !pytaj || SumyDokladne(miasta));
}

bool SumyDokladne(const ZestawMiast& miasta) {
    const Metryka& d = miasta.metryka;
    if (!d.Calkowita())
        return true;
    const int n = d.Ilosc();
    double najwieksza = 0.0;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            najwieksza = std::max(najwieksza, d(a, b));
    return najwieksza * n < double(1 << 24);
}

ZasiegiMetod Zasiegi() {
    return {kPrzegladKonczySieDo, kAutoDowodDo, kDowodNajwiecejMiast};
}
