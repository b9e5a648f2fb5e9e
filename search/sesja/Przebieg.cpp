#include "search/sesja/Przebieg.h"

#include "search/JestTrasa.h"
#include "search/ZestawMiast.h"

std::optional<TrasaSesji> ZmierzTrase(const ZestawMiast& miasta, std::vector<int> trasa) {
    if (!JestTrasa(trasa, miasta.Ilosc()))
        return std::nullopt;
    TrasaSesji wynik;
    wynik.dlugosc = miasta.metryka.Dlugosc(trasa);
    wynik.trasa = std::move(trasa);
    return wynik;
}
