#pragma once

#include "search/TablicaOdleglosci.h"
#include "search/genetyczne/CGenetyk.h"
#include "search/sesja/Przebieg.h"
#include "search/sesja/UstawieniaSesji.h"

// The genetic search, on the table it builds first into the session's slot.
class PrzebiegGenetyczny : public Przebieg {
public:
    PrzebiegGenetyczny(const ZestawMiast& miasta, OdleglosciSlot& odleglosci, const UstawieniaSesji& ustawienia);

    HoldableThread& Watek() override { return genetyk_; }
    void UstawKroki(BramkaKrokow& kroki) override { genetyk_.Kroki = &kroki; }
    void Pokaz(MigawkaSesji& migawka) override;
    void Wynik(const ZestawMiast& miasta, bool przerwany, WynikSesji& wynik) override;

private:
    CGenetyk genetyk_;
    int populacja_;
};
