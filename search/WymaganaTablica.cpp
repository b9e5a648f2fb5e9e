#include "search/WymaganaTablica.h"

#include "toolkit/core/UserError.h"

const TablicaOdleglosci& WymaganaTablica(const OdleglosciSlot* slot, int iloscMiast) {
    const TablicaOdleglosci* tablica = slot ? slot->get() : nullptr;
    if (!tablica || iloscMiast < 1 || iloscMiast > tablica->Count())
        throw UserError(BilingualText{QStringLiteral("Brak odległości między miastami"),
                                      QStringLiteral("no distances between the cities")});
    return *tablica;
}
