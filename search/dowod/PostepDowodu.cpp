#include "search/dowod/PostepDowodu.h"

void PostepDowodu::zapisz(double sekundy) {
    historia_.Dodaj({sekundy, Granica(), Dlugosc()});
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

void PostepDowodu::UstawCieciaWLP(const std::array<long long, Ciecie::kRodzaje>& ile) {
    for (std::size_t r = 0; r < ile.size(); ++r)
        cieciaWLP_[r].store(ile[r], std::memory_order_relaxed);
}
