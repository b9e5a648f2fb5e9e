#include "search/sesja/Przebieg.h"

#include "search/JestTrasa.h"
#include "search/ZestawMiast.h"

std::optional<TrasaSesji> ZmierzTrase(const ZestawMiast& miasta, std::vector<int> trasa, bool wPodwojnej) {
    const Metryka& d = miasta.metryka;
    if (!JestTrasa(trasa, miasta.Ilosc()))
        return std::nullopt;
    TrasaSesji wynik;
    wynik.dlugosc = d.Dlugosc(trasa);
    if (wPodwojnej && !d.Calkowita() && !trasa.empty()) {
        double suma = 0.0;
        for (std::size_t k = 1; k < trasa.size(); ++k)
            suma += double(float(d(trasa[k], trasa[k - 1])));
        wynik.dlugosc = suma + double(float(d(trasa.front(), trasa.back())));
    }
    wynik.trasa = std::move(trasa);
    return wynik;
}
