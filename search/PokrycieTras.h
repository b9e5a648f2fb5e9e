#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

// Route counts past 20! need more than 64 bits; 100 times 32! still fits.
__extension__ using Liczba128 = unsigned __int128;

// How much of a permutation search is done: the share of the (n-1)! routes
// that every walk of the search has covered, evaluated or skipped, as a
// whole percent rounded down, kept at 99 at most until every walk is
// complete. Walks on several threads report here; the percentage is what a
// progress window reads.
class PokrycieTras {
public:
    // Above this many cities 100 (n-1)! overflows 128 bits: no percentage.
    static constexpr int kNajwiecejMiast = 33;

    // procent receives the percentage, or -1 when none can be given.
    PokrycieTras(int iloscMiast, int ilePrzegladow, std::atomic<int>& procent);

    static Liczba128 Silnia(int k);

    void Zglos(int przeglad, Liczba128 pokryte);

private:
    std::atomic<int>& procent_;
    std::mutex mutex_;
    std::vector<Liczba128> pokryte_;
    Liczba128 wszystkie_ = 0;
};
