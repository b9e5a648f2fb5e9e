#pragma once

#include "search/TablicaOdleglosci.h"
#include "search/permutacje/TObliczThread.h"
#include "search/sesja/Przebieg.h"
#include "search/sesja/UstawieniaSesji.h"

struct ZestawMiast;

// The permutation search, or the random search, on the table it builds
// first into the session's slot.
class PrzebiegPermutacji : public Przebieg {
public:
    // limitSekund: the permutation search's running time (0: none).
    PrzebiegPermutacji(const ZestawMiast& miasta, OdleglosciSlot& odleglosci, bool losowo,
                       const UstawieniaSesji& ustawienia, double limitSekund = 0.0);

    HoldableThread& Watek() override { return watek_; }
    void UstawKroki(BramkaKrokow& kroki) override { watek_.Kroki = &kroki; }
    void Pokaz(MigawkaSesji& migawka) override;
    void Wynik(const ZestawMiast& miasta, bool przerwany, WynikSesji& wynik) override;

private:
    void wynikPermutacji(const ZestawMiast& miasta, WynikSesji& wynik);

    TObliczThread watek_;
    const OdleglosciSlot& odleglosci_;
    bool losowo_;
};
