#pragma once

#include "search/sesja/MigawkaSesji.h"
#include "search/sesja/WynikSesji.h"

class BramkaKrokow;
class HoldableThread;
struct ZestawMiast;

// One method's worker behind the session: the thread that runs it, what it
// shows while it runs, and what it found.
class Przebieg {
public:
    virtual ~Przebieg() = default;

    virtual HoldableThread& Watek() = 0;
    // Step mode, before the worker starts: it passes the gate at each step.
    virtual void UstawKroki(BramkaKrokow& kroki) = 0;
    // The method's part of a snapshot. One reader thread only.
    virtual void Pokaz(MigawkaSesji& migawka) = 0;
    // On the worker's thread once its body has returned: the routes found
    // (checked and measured by ZmierzTrase) and the method's counts.
    virtual void Wynik(const ZestawMiast& miasta, bool przerwany, WynikSesji& wynik) = 0;
};

// The route, if it is one of the set's cities, with its length measured
// again in the set's metric. In the grid's cells the steps are single
// precision and so is their sum, unless wPodwojnej: the genetic search sums
// them in double, and its figures have always been that sum.
std::optional<TrasaSesji> ZmierzTrase(const ZestawMiast& miasta, std::vector<int> trasa, bool wPodwojnej = false);
