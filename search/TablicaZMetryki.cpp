#include "search/TablicaZMetryki.h"

std::unique_ptr<TablicaOdleglosci> TablicaZMetryki(const Metryka& metryka, std::uint64_t budzet,
                                                   const std::function<bool()>& przerwij) {
    const int n = metryka.Ilosc();
    if (n <= 0)
        return nullptr;
    requireMemory(RozmiarTablicy(n), budzet);
    auto tablica = std::make_unique<TablicaOdleglosci>(n, TablicaOdleglosci::Niewypelniona{});
    for (int i = 0; i < n; ++i) {
        if (przerwij && przerwij())
            return nullptr;
        float* wiersz = (*tablica)[i];
        for (int j = 0; j < n; ++j)
            wiersz[j] = float(metryka(i, j));
    }
    return tablica;
}
