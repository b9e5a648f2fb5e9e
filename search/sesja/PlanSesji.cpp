#include "search/sesja/PlanSesji.h"

#include "search/dowod/ZasiegDowodu.h"
#include "search/permutacje/ZasiegiPrzegladu.h"

namespace {

PlanSesji dokladnie(const UstawieniaSesji& u, int n) {
    PlanSesji plan;
    plan.najdluzsza = true;
    // Only branch and cut's proof can be certified.
    if (n <= kPrzegladKonczySieDo && !u.certyfikat) {
        plan.metoda = MetodaSesji::Permutacje;
        return plan;
    }
    plan.metoda = MetodaSesji::Dowod;
    plan.limitSekund = u.limitSekund;
    plan.mozeNieSkonczyc = n > kPrzegladKonczySieDo;
    return plan;
}

// Every route up to the permutation search's certain reach; a proof within
// the time where one usually comes in seconds; beyond, the local search for
// most of the time and branch and cut's bound in the rest, while a proof
// takes so long that the local search's route is worth more.
PlanSesji automatycznie(const UstawieniaSesji& u, int n) {
    PlanSesji plan;
    plan.limitSekund = u.limitSekund;
    plan.sekundyGranicy = u.sekundyGranicy;
    if (n <= kPrzegladKonczySieDo && !u.certyfikat) {
        plan.metoda = MetodaSesji::Permutacje;
        plan.najdluzsza = true;
        plan.sekundyGranicy = 0.0;
    } else if (n <= kAutoDowodDo) {
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

PlanSesji Zaplanuj(const UstawieniaSesji& u, int n) {
    switch (u.metoda) {
    case MetodaSesji::Automatyczna:
        return automatycznie(u, n);
    case MetodaSesji::Dokladna:
        return dokladnie(u, n);
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
        plan.limitSekund = u.limitSekund;
        plan.sekundyGranicy = u.metoda == MetodaSesji::Permutacje ? 0.0 : u.sekundyGranicy;
        plan.mozeNieSkonczyc = u.metoda == MetodaSesji::Permutacje && n > kPrzegladKonczySieDo;
        return plan;
    }
    }
}

ZasiegiMetod Zasiegi() {
    return {kPrzegladKonczySieDo, kAutoDowodDo, kDowodNajwiecejMiast};
}
