#pragma once

#include "search/sesja/UstawieniaSesji.h"

struct ZestawMiast;

// What a session runs for n cities: the one place where the command line's
// auto and exact become a method by the size of the set.
struct PlanSesji {
    // Permutacje, Losowo, Genetycznie, Lokalnie or Dowod.
    MetodaSesji metoda = MetodaSesji::Lokalnie;
    // The proof's goals.
    bool najkrotsza = true;
    bool najdluzsza = false;
    // The proof only bounds the local search's route: the local search has
    // most of the time, branch and cut the rest.
    bool tylkoGranica = false;
    // The proof's and the local search's running time (0: none).
    double limitSekund = 0.0;
    // Held and Karp's bound follows the route when no proof gave one:
    // seconds of its own running time (0: none).
    double sekundyGranicy = 0.0;
    // Past the permutation search's certain reach: it, or branch and cut in
    // its place, may not finish in reasonable time.
    bool mozeNieSkonczyc = false;
};

// sumyDokladne: every route's length of whole weights is below 2^24, so the
// permutation search's single-precision sums are exact (see SumyDokladne).
PlanSesji Zaplanuj(const UstawieniaSesji& ustawienia, int iloscMiast, bool sumyDokladne = true);
PlanSesji Zaplanuj(const UstawieniaSesji& ustawienia, const ZestawMiast& miasta);

// For whole weights: no route of the set can reach 2^24, the last whole
// number single precision holds exactly. The grid's cells are summed in
// single precision by definition: true.
bool SumyDokladne(const ZestawMiast& miasta);

// The sizes the plan turns on, for the window and the command line to word.
struct ZasiegiMetod {
    // Up to here the permutation search is known to finish on any layout.
    int permutacjeKonczaSieDo;
    // Up to here auto tries a proof within its time.
    int autoDowodDo;
    // The most cities the proof takes.
    int dowodNajwiecej;
};
ZasiegiMetod Zasiegi();

// Up to here auto tries a proof within limitSekund (0: none): autoDowodDo at
// 10 s, growing with the square root of the time, up to the most the proof
// takes.
int AutoDowodDo(double limitSekund);
