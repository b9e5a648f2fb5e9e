#include "search/lokalne/KontekstLokalny.h"

double DlugoscZamknieta(const Metryka& d, std::span<const int> trasa) {
    double s = 0.0;
    const std::size_t n = trasa.size();
    for (std::size_t i = 0; i < n; ++i)
        s += d(trasa[i], trasa[i + 1 == n ? 0 : i + 1]);
    return s;
}

void KontekstLokalny::Zglos(std::span<const int> trasa) const {
    postep.Zglos(trasa, Dlugosc(trasa), warunek.Sekundy());
}
