#pragma once

#include "search/dowod/TDowodThread.h"
#include "search/sesja/PlanSesji.h"
#include "search/sesja/Przebieg.h"
#include "search/sesja/UstawieniaSesji.h"

// The proof by branch and cut of the shortest route, the longest or both;
// or, tylkoGranica, the local search's route with branch and cut's bound.
class PrzebiegDowodu : public Przebieg {
public:
    PrzebiegDowodu(const ZestawMiast& miasta, const UstawieniaSesji& ustawienia, const PlanSesji& plan);

    HoldableThread& Watek() override { return watek_; }
    void Pokaz(MigawkaSesji& migawka) override;
    void Wynik(const ZestawMiast& miasta, bool przerwany, WynikSesji& wynik) override;

private:
    std::optional<TrasaSesji> trasa(const ZestawMiast& miasta, const WynikDowodu& dowod, bool najdluzsza) const;

    TDowodThread watek_;
    bool calkowita_;
    bool tylkoGranica_;
};

// A bound as it is printed and compared, rounded the safe way: whole in a
// file's metric, to four decimals in the grid's cells; down for a lower
// bound, up for an upper one.
double GranicaWydruku(double granica, bool gorna, bool calkowita);
