#include "search/PokrycieTras.h"

PokrycieTras::PokrycieTras(int iloscMiast, int ilePrzegladow, std::atomic<int>& procent)
    : procent_(procent), pokryte_(std::size_t(ilePrzegladow > 0 ? ilePrzegladow : 1), 0) {
    const bool znana = iloscMiast >= 1 && iloscMiast <= kNajwiecejMiast;
    if (znana)
        wszystkie_ = Silnia(iloscMiast - 1) * pokryte_.size();
    procent_.store(znana ? 0 : -1, std::memory_order_relaxed);
}

Liczba128 PokrycieTras::Silnia(int k) {
    Liczba128 wynik = 1;
    for (int i = 2; i <= k; ++i)
        wynik *= unsigned(i);
    return wynik;
}

void PokrycieTras::Zglos(int przeglad, Liczba128 pokryte) {
    if (wszystkie_ == 0 || przeglad < 0 || std::size_t(przeglad) >= pokryte_.size())
        return;
    const std::lock_guard lock(mutex_);
    pokryte_[std::size_t(przeglad)] = pokryte;
    Liczba128 suma = 0;
    for (Liczba128 p : pokryte_)
        suma += p;
    int procent = 100;
    if (suma < wszystkie_)
        procent = int(suma * 100 / wszystkie_);  // 99 at most
    procent_.store(procent, std::memory_order_relaxed);
}
