#pragma once

#include "app/TWedrownikForm.h"
#include "ui/TFormOProgramie.h"
#include "ui/TObliczDowodForm.h"
#include "ui/TObliczForm.h"
#include "ui/TObliczGenetycznieForm.h"
#include "ui/TObliczLokalnieForm.h"
#include "ui/TPodsumowanieForm.h"
#include "ui/TSzukajTraseForm.h"
#include "ui/TUstawieniaMatrycyForm.h"

// The program's nine windows, created in this order at start-up and living
// until the program ends. The main window comes first and owns the others'
// place on the screen.
class OknaProgramu {
public:
    OknaProgramu();

    OknaProgramu(const OknaProgramu&) = delete;
    OknaProgramu& operator=(const OknaProgramu&) = delete;

    TWedrownikForm WedrownikForm;
    TObliczForm ObliczForm;
    TObliczGenetycznieForm ObliczGenetycznieForm;
    TObliczLokalnieForm ObliczLokalnieForm;
    TObliczDowodForm ObliczDowodForm;
    TUstawieniaMatrycyForm UstawieniaMatrycyForm;
    TSzukajTraseForm SzukajTraseForm;
    TPodsumowanieForm PodsumowanieForm;
    TFormOProgramie FormOProgramie;
};
