#include "search/dowod/PostepDowodu.h"

std::vector<PostepDowodu::PunktGranic> PostepDowodu::Historia() const {
    std::lock_guard lock(mutex_);
    return historia_;
}

void PostepDowodu::zapisz(double sekundy) {
    std::lock_guard lock(mutex_);
    if (historia_.size() >= NajwiecejPunktow) {
        std::size_t j = 0;
        for (std::size_t i = 0; i < historia_.size(); i += 2)
            historia_[j++] = historia_[i];
        historia_.resize(j);
    }
    historia_.push_back({sekundy, Granica(), Dlugosc()});
}

void PostepDowodu::ZglosGranice(double granica, double sekundy) {
    if (granica == Granica())
        return;
    granica_.store(granica, std::memory_order_relaxed);
    zapisz(sekundy);
}

void PostepDowodu::ZglosTrase(std::span<const int> trasa, double dlugosc, double sekundy) {
    NajlepszaTrasa& slot = trasa_.back();
    slot.trasa.assign(trasa.begin(), trasa.end());
    slot.dlugosc = dlugosc;
    trasa_.publish();
    dlugosc_.store(dlugosc, std::memory_order_relaxed);
    zapisz(sekundy);
}

void PostepDowodu::UstawWezly(long long wezly, long long otwarte) {
    wezly_.store(wezly, std::memory_order_relaxed);
    otwarte_.store(otwarte, std::memory_order_relaxed);
}
