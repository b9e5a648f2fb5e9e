#include "search/lokalne/PostepPrzeszukiwania.h"

std::vector<PostepPrzeszukiwania::PunktZbieznosci> PostepPrzeszukiwania::Zbieznosc() const {
    std::lock_guard lock(mutex_);
    return zbieznosc_;
}

void PostepPrzeszukiwania::Zglos(std::span<const int> trasa, double dlugosc, double sekundy) {
    std::lock_guard lock(mutex_);
    if (!(dlugosc < najlepsza_.load(std::memory_order_relaxed)))
        return;
    NajlepszaTrasa& slot = trasa_.back();
    slot.trasa.assign(trasa.begin(), trasa.end());
    slot.dlugosc = dlugosc;
    trasa_.publish();
    najlepsza_.store(dlugosc, std::memory_order_relaxed);
    if (zbieznosc_.size() >= NajwiecejPunktow) {
        std::size_t j = 0;
        for (std::size_t i = 0; i < zbieznosc_.size(); i += 2)
            zbieznosc_[j++] = zbieznosc_[i];
        zbieznosc_.resize(j);
    }
    zbieznosc_.push_back({sekundy, dlugosc});
}

void PostepPrzeszukiwania::Zeruj() {
    std::lock_guard lock(mutex_);
    rundy_.store(0, std::memory_order_relaxed);
    najlepsza_.store(std::numeric_limits<double>::infinity(), std::memory_order_relaxed);
    zbieznosc_.clear();
}
