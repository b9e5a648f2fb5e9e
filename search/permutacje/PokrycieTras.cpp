#include "search/permutacje/PokrycieTras.h"

#include <algorithm>

PokrycieTras::PokrycieTras(int iloscMiast, int ilePrzegladow, std::atomic<int>& procent)
    : procent_(procent), pokryte_(std::size_t(ilePrzegladow > 0 ? ilePrzegladow : 1), 0) {
    const bool znana = iloscMiast >= 1 && iloscMiast <= kNajwiecejMiast;
    if (znana)
        wszystkie_ = Silnia(iloscMiast - 1);
    procent_.store(znana ? 0 : -1, std::memory_order_relaxed);
}

void PokrycieTras::Zglos(int przeglad, Liczba128 pokryte) {
    if (wszystkie_ == 0 || przeglad < 0 || std::size_t(przeglad) >= pokryte_.size())
        return;
    const std::lock_guard lock(mutex_);
    Liczba128& biezace = pokryte_[std::size_t(przeglad)];
    biezace = std::max(biezace, std::min(pokryte, wszystkie_));
    Liczba128 suma = 0;
    for (Liczba128 p : pokryte_)
        suma += p;
    const Liczba128 razem = wszystkie_ * pokryte_.size();  // 100 times it fits in 128 bits up to 33 cities
    const int procent = suma >= razem ? 99 : std::min(99, int(suma * 100 / razem));
    procent_.store(std::max(procent, procent_.load(std::memory_order_relaxed)), std::memory_order_relaxed);
}

void PokrycieTras::Koniec() {
    if (wszystkie_ != 0)
        procent_.store(100, std::memory_order_relaxed);
}
