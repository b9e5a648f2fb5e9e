#include "app/OknaProgramu.h"

OknaProgramu::OknaProgramu()
    : ObliczForm(WedrownikForm, &WedrownikForm),
      ObliczGenetycznieForm(WedrownikForm, &WedrownikForm),
      ObliczLokalnieForm(WedrownikForm, &WedrownikForm),
      UstawieniaMatrycyForm(*WedrownikForm.MatrycaMiast, &WedrownikForm),
      SzukajTraseForm(ObliczForm, ObliczGenetycznieForm, ObliczLokalnieForm, &WedrownikForm),
      PodsumowanieForm(&WedrownikForm),
      FormOProgramie(&WedrownikForm) {
    WedrownikForm.PolaczOkna(this);
}
