#include "search/CPunkty.h"

#include "search/OdlegloscKomorek.h"
#include "search/TablicaZMetryki.h"

#include <cstdint>

float Odleglosc(TPunkt a, TPunkt b) {
    return OdlegloscKomorek(double(std::int64_t(a.x) - b.x), double(std::int64_t(a.y) - b.y));
}

std::unique_ptr<TablicaOdleglosci> CPunkty::CreateOdleglosci(std::uint64_t budzet,
                                                             const std::function<bool()>& przerwij) const {
    return TablicaZMetryki(Metryka::Komorki(Punkty), budzet, przerwij);
}
