#include "search/CPunkty.h"

#include "search/TablicaZMetryki.h"

std::unique_ptr<TablicaOdleglosci> CPunkty::CreateOdleglosci(std::uint64_t budzet,
                                                             const std::function<bool()>& przerwij) const {
    return TablicaZMetryki(Metryka::Komorki(Punkty), budzet, przerwij);
}
