#pragma once

#include "search/TablicaOdleglosci.h"
#include "search/sesja/MigawkaSesji.h"
#include "search/sesja/PlanSesji.h"
#include "search/sesja/UstawieniaSesji.h"
#include "search/sesja/WynikSesji.h"
#include "toolkit/core/BilingualText.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

class BramkaKrokow;
class Przebieg;
struct ZestawMiast;

// One search of a city set, the same for the window and the command line:
// the method planned for the set and the settings (see PlanSesji; whether
// it can run at all is Sprawdz's to say first), its worker run through one
// interface, and one answer (WynikSesji) in which every route is checked,
// measured again in the set's metric and given its bound and gap.
//
// The worker is created held and starts at Uruchom. After a local, random
// or genetic search, and after a proof that reached no bound, Held and
// Karp's bound beside the route follows on the same thread, paused and
// finished as the search is; the session has ended when both have.
class SesjaSzukania : public QObject {
    Q_OBJECT

public:
    SesjaSzukania(std::shared_ptr<const ZestawMiast> miasta, const UstawieniaSesji& ustawienia);
    ~SesjaSzukania() override;

    const ZestawMiast& Miasta() const { return *miasta_; }
    const UstawieniaSesji& Ustawienia() const { return ustawienia_; }
    const PlanSesji& Plan() const { return plan_; }

    // Starts the search.
    void Uruchom();
    // Holds nest: the search goes on once every hold is released.
    void Wstrzymaj();
    void Wznow();
    bool Wstrzymana() const;
    // Threads of the search stopped at a hold right now.
    int ZatrzymaneWatki() const;
    // Step mode: lets the search take one more step, and sets how fast it
    // goes on by itself (0 to BramkaKrokow::kPelneTempo).
    bool KrokPoKroku() const { return kroki_ != nullptr; }
    void Krok();
    void UstawTempo(int tempo);
    // Asks the search to end with what it has, opening every hold.
    void Zakoncz();
    bool Skonczona() const;
    // Waits for the end; on the thread that owns the session it serves that
    // thread's events meanwhile.
    void CzekajNaKoniec();
    // Once ended: the error that ended it; none when it ended normally.
    std::optional<BilingualText> Niepowodzenie() const;

    // The search's running time: standing still while held and once its
    // method has ended.
    double Sekundy() const;
    // What the search shows now. One reader thread only.
    MigawkaSesji Migawka();
    // The answer, once ended without an error.
    const WynikSesji& Wynik() const { return wynik_; }
    // Whether a finish keeps the best route so far as the answer: the
    // searches that run for a time (the local search and the proof) do.
    bool WynikPoZakonczeniu() const;

signals:
    // The search has ended (on the thread that owns the session).
    void Skonczyla();

private:
    void poSzukaniu();
    void granica(WynikSesji& wynik);

    std::shared_ptr<const ZestawMiast> miasta_;
    UstawieniaSesji ustawienia_;
    PlanSesji plan_;
    // Read by the worker until its end; released once the answer is made.
    OdleglosciSlot odleglosci_;
    std::unique_ptr<Przebieg> przebieg_;
    // Step mode only; outlives the worker, which the destructor ends first.
    std::unique_ptr<BramkaKrokow> kroki_;
    // Written by the worker before it counts as ended.
    WynikSesji wynik_;
    std::atomic<bool> metodaSkonczona_{false};
    std::atomic<double> sekundy_{0.0};
    std::atomic<bool> liczyGranice_{false};
};
