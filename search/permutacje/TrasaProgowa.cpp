#include "search/permutacje/TrasaProgowa.h"

#include "search/SumaTrasy.h"
#include "search/permutacje/TrasaPoczatkowa.h"
#include "search/permutacje/ZaokraglenieSum.h"

#include <algorithm>
#include <numeric>

std::optional<TrasaProgowa> ZnajdzTraseProgowa(const TablicaOdleglosci& odleglosci, int n, bool dluzsza,
                                               const std::function<bool()>& przerwij) {
    std::vector<int> znaleziona = TrasaPoczatkowa(KosztyKrancowe(odleglosci, n, dluzsza), n, przerwij);
    // Its length prunes the walk: it must be a real route from city 0.
    std::vector<int> posortowana = znaleziona;
    std::sort(posortowana.begin(), posortowana.end());
    std::vector<int> wszystkie(static_cast<std::size_t>(n));
    std::iota(wszystkie.begin(), wszystkie.end(), 0);
    if (posortowana != wszystkie || znaleziona[0] != 0)
        return std::nullopt;
    TrasaProgowa wynik{std::move(znaleziona), 0.0f};
    wynik.dlugosc = SumaTrasy(odleglosci, wynik.trasa.data(), n);
    std::vector<int> odwrotna(wynik.trasa.size());
    odwrotna[0] = 0;
    std::reverse_copy(wynik.trasa.begin() + 1, wynik.trasa.end(), odwrotna.begin() + 1);
    const float L = SumaTrasy(odleglosci, odwrotna.data(), n);
    if (dluzsza ? L > wynik.dlugosc : L < wynik.dlugosc) {
        wynik.dlugosc = L;
        wynik.trasa = std::move(odwrotna);
    }
    return wynik;
}
