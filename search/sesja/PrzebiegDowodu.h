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
    void UstawKroki(BramkaKrokow& kroki) override { watek_.Ustawienia.podzial.kroki = &kroki; }
    void Pokaz(MigawkaSesji& migawka) override;
    void Wynik(const ZestawMiast& miasta, bool przerwany, WynikSesji& wynik) override;

private:
    std::optional<TrasaSesji> trasa(const ZestawMiast& miasta, const WynikDowodu& dowod, bool najdluzsza) const;
    static void najlepszeTrzymane(WynikSesji& wynik);
    // Why a goal's proof did not come, in English for the command line.
    static QString bezDowodu(const WynikDowodu& dowod, const char* cel);
    double granicaDowodu(double granica, double dlugosc, bool najdluzsza) const;

    TDowodThread watek_;
    bool calkowita_;
    bool tylkoGranica_;
    int n_;
};
