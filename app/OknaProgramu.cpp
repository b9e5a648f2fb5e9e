#include "app/OknaProgramu.h"

OknaProgramu::OknaProgramu()
    // The progress windows have no parent window to block (see TOknoObliczen).
    : ObliczForm(WedrownikForm, nullptr),
      ObliczGenetycznieForm(WedrownikForm, nullptr),
      ObliczLokalnieForm(WedrownikForm, nullptr),
      ObliczDowodForm(WedrownikForm, nullptr),
      UstawieniaMatrycyForm(*WedrownikForm.MatrycaMiast, &WedrownikForm),
      SzukajTraseForm(ObliczForm, ObliczGenetycznieForm, ObliczLokalnieForm, ObliczDowodForm, &WedrownikForm),
      PodsumowanieForm(&WedrownikForm),
      FormOProgramie(&WedrownikForm) {
    WedrownikForm.PolaczOkna(this);
}
