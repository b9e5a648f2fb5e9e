#include "search/lokalne/PostepPrzeszukiwania.h"

void PostepPrzeszukiwania::Zglos(std::span<const int> trasa, double dlugosc, double sekundy) {
    std::lock_guard lock(mutex_);
    if (!(dlugosc < najlepsza_.load(std::memory_order_relaxed)))
        return;
    NajlepszaTrasa& slot = trasa_.back();
    slot.trasa.assign(trasa.begin(), trasa.end());
    slot.dlugosc = dlugosc;
    trasa_.publish();
    najlepsza_.store(dlugosc, std::memory_order_relaxed);
    zbieznosc_.Dodaj({sekundy, dlugosc});
}

void PostepPrzeszukiwania::Zeruj() {
    std::lock_guard lock(mutex_);
    rundy_.store(0, std::memory_order_relaxed);
    najlepsza_.store(std::numeric_limits<double>::infinity(), std::memory_order_relaxed);
    zbieznosc_.Wyczysc();
}
