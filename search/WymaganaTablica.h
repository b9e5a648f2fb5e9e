#pragma once

#include "search/TablicaOdleglosci.h"

// The table in the slot, for a search of iloscMiast cities. A search whose
// table is missing or too small fails with an error rather than report a
// route it never looked for.
const TablicaOdleglosci& WymaganaTablica(const OdleglosciSlot* slot, int iloscMiast);
