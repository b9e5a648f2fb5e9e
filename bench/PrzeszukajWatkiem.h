#pragma once

#include "search/permutacje/TObliczThread.h"

#include <benchmark/benchmark.h>

// The permutation worker as the program runs it: created held, configured,
// released, waited for.
inline void PrzeszukajWatkiem(const OdleglosciSlot& slot) {
    TObliczThread watek;
    watek.Odleglosci = &slot;
    watek.IloscMiast = slot->Count();
    watek.Tryb = 1;
    watek.release();
    watek.waitForEnd();
    benchmark::DoNotOptimize(watek.NajkrotszaDroga);
}
