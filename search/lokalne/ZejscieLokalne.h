#pragma once

#include "search/lokalne/KolejkaAktywnych.h"
#include "search/lokalne/MiaraOdleglosci.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/PlanPrzeszukiwania.h"
#include "search/lokalne/Ruch.h"
#include "search/lokalne/RuchLinKernighana.h"
#include "search/lokalne/RuchOrOpt.h"
#include "search/lokalne/RuchTrzyOpt.h"
#include "search/lokalne/SasiedziKandydaci.h"

// Descent to a local optimum: takes the active cities one by one, makes the
// best 3-opt or Or-opt move found around each or, when none gains, a deeper
// Lin-Kernighan move, and wakes the cities whose edges the move changed.
// Ends with an empty queue, or early when przerwij says so; returns the
// total gain made either way. Each move leaves a valid route, so stopping
// between two moves is always safe.
template <MiaraOdleglosci D, class Przerwij>
double ZejscieLokalne(const D& d, const SasiedziKandydaci& sasiedzi, OknoTrasy& okno, KolejkaAktywnych& kolejka,
                      const PlanPrzeszukiwania& plan, bool zachowajDziennik, Przerwij&& przerwij, bool& przerwane) {
    LinKernighan<D> lk(d, sasiedzi, okno, plan.krokiLinKernighana, plan.szerokoscLinKernighana,
                       plan.sasiedziWLancuchu);
    // The callback is cheap, the moves around one city are not always: poll
    // every few cities.
    constexpr int kCoIlePytac = 8;
    double zysk = 0.0;
    int doPytania = kCoIlePytac;
    przerwane = false;
    while (!kolejka.Pusta()) {
        if (--doPytania == 0) {
            doPytania = kCoIlePytac;
            if (przerwij()) {
                przerwane = true;
                break;
            }
        }
        const int t1 = kolejka.Wez();
        if (!okno.Moje(t1))
            continue;
        Ruch ruch;
        NajlepszyOrOpt(d, sasiedzi, okno, t1, ruch);
        const double g = lk.Popraw(t1, ruch);
        if (g <= 0.0)
            continue;
        zysk += g;
        kolejka.Dodaj(t1);
        for (const int c : lk.Dotkniete())
            kolejka.Dodaj(c);
        if (!zachowajDziennik)
            okno.ZapomnijDziennik();
    }
    return zysk;
}
