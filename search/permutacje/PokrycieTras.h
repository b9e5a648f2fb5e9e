#pragma once

#include "search/Silnia.h"

#include <atomic>
#include <mutex>
#include <vector>

// How much of a permutation search is done: the share of the (n-1)! routes
// that every walk of the search has covered, evaluated or skipped, as a
// whole percent rounded down, kept at 99 at most until the search says it
// is complete. Walks on several threads report here; the percentage is what a
// progress window reads, and it never falls: a walk that starts over counts
// again only once it passes what it had covered before.
class PokrycieTras {
public:
    // Above this many cities 100 (n-1)! overflows 128 bits: no percentage.
    static constexpr int kNajwiecejMiast = 33;

    // procent receives the percentage, or -1 when none can be given.
    PokrycieTras(int iloscMiast, int ilePrzegladow, std::atomic<int>& procent);

    void Zglos(int przeglad, Liczba128 pokryte);
    // The search has its results: 100.
    void Koniec();

private:
    std::atomic<int>& procent_;
    std::mutex mutex_;
    std::vector<Liczba128> pokryte_;
    Liczba128 wszystkie_ = 0;
};
