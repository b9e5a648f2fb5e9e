#pragma once

#include "search/lokalne/TObliczLokalnieThread.h"
#include "search/sesja/Przebieg.h"
#include "search/sesja/UstawieniaSesji.h"

// The local search: it reads no table, distances come from the metric.
class PrzebiegLokalny : public Przebieg {
public:
    PrzebiegLokalny(const ZestawMiast& miasta, const UstawieniaSesji& ustawienia, double limitSekund);

    HoldableThread& Watek() override { return watek_; }
    // One thread: the steps of one route, in the order they were taken.
    void UstawKroki(BramkaKrokow& kroki) override {
        watek_.Ustawienia.kroki = &kroki;
        watek_.Ustawienia.watki = 1;
    }
    void Pokaz(MigawkaSesji& migawka) override;
    void Wynik(const ZestawMiast& miasta, bool przerwany, WynikSesji& wynik) override;

private:
    TObliczLokalnieThread watek_;
};
