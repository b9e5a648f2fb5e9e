#pragma once

#include "search/CGenotyp.h"
#include "search/SeriaZbieznosci.h"
#include "search/StanGenetyka.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/HoldableThread.h"
#include "toolkit/core/LatestValue.h"
#include "toolkit/core/MemoryBudget.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The genetic search: a population of routes evolved for IlePokolen
// generations by roulette-wheel selection, partially-mapped crossover and
// swap mutation. The best route ever seen is kept in Najlepszy.
//
// Created held: the owner sets Odleglosci, UstawRozmiar, the probabilities
// and IlePokolen, connects QThread::finished to its end handler and calls
// release(). While it runs, the search hands out its state for display
// (NowyStan) without ever waiting for the one who shows it.
class CGenetyk : public HoldableThread {
    Q_OBJECT

public:
    CGenetyk();
    ~CGenetyk() override;

    int LicznoscPopulacji = 0;
    int IloscMiast = 0;
    std::vector<CGenotyp> Populacja;
    std::vector<CGenotyp> NowaPopulacja;
    CGenotyp Dziecko1;
    CGenotyp Dziecko2;
    const OdleglosciSlot* Odleglosci = nullptr;
    CGenotyp Najlepszy;
    int IlePokolen = 0;
    int NrPokolenia = 0;
    double PKrzyzowania = 0.0;
    double PMutacji = 0.0;
    // Seeds the search in place of the clock, for repeatable runs.
    std::optional<std::uint32_t> Ziarno;

    // The convergence of this run; read it once the search has ended.
    SeriaZbieznosci Zbieznosc;

    // An optional synchronous display step, for a caller that must see every
    // generation: run on the owner's thread once after the initial population
    // and once after every generation, while the search waits, so it may read
    // the members above. It costs the search that wait every generation.
    std::function<void()> Wyswietl;

    // For one reader on another thread, while the search runs and after: the
    // state of the first display step (generation 0) first, then always the
    // newest one published since; null when there is nothing new. The state
    // stays valid until the next call. The search publishes whenever the
    // reader has taken its last state, before it waits on a pause, and at its
    // end, so the last state is always that of its last display step.
    const StanGenetyka* NowyStan();
    // The state NowyStan last returned; a default state before the first.
    const StanGenetyka& OdebranyStan() const { return *odebrany_; }

    // The most memory the distance table and the two populations may take
    // together; UstawRozmiar refuses a larger size before anything changes.
    std::uint64_t BudzetPamieci = memoryBudget();

    void UstawRozmiar(int licznosc, int iloscMiast);
    // Refuses a size as UstawRozmiar does, and keeps it; the search thread
    // builds the populations when it starts and frees them when it ends, so
    // that a window never waits for millions of individuals. Only Najlepszy
    // and Zbieznosc outlive the search then.
    void ZamowRozmiar(int licznosc, int iloscMiast);

    double DlugoscTrasy(const CGenotyp& g) const;
    void Inicjuj();
    void Ocen();
    void ZapamietajNajlepszy();
    void Selekcja();
    void Krzyzowanie();
    void Krzyzuj(int a, int b);
    // The crossover of slots a and b with the segment c1..c2-1 already drawn.
    void KrzyzujOdcinek(int a, int b, int c1, int c2);
    void Mutacja();

protected:
    void Execute() override;

private:
    void sprawdzRozmiar(int licz, int n) const;
    // Allocates every individual for LicznoscPopulacji and IloscMiast;
    // false when przerwij stopped it first.
    template <class Przerwij>
    bool zbudujPopulacje(Przerwij przerwij);
    void Przeszukaj();
    double LosujPrawdopodobienstwo();
    const TablicaOdleglosci* Tablica() const;
    void PokazPostep(int nrPokolenia);
    double NajkrotszaWPopulacji() const;
    void Zapisz(StanGenetyka& stan) const;
    void Opublikuj(bool wstrzymany);

    // For each city, its position in a child's crossed segment, or -1: the
    // repair of a crossover looks cities up here instead of scanning.
    std::vector<int> PozycjaWOdcinku1;
    std::vector<int> PozycjaWOdcinku2;

    bool zamowiony_ = false;
    // Written by the search thread only.
    int pokazanePokolenie_ = 0;
    bool nieopublikowany_ = false;
    bool pierwszyZapisany_ = false;
    // The first state is written once, before pierwszyGotowy_ is set, and
    // never again; every later one goes through stan_.
    StanGenetyka pierwszy_;
    std::atomic<bool> pierwszyGotowy_{false};
    LatestValue<StanGenetyka> stan_;
    // Read by the reader only.
    bool pierwszyOdebrany_ = false;
    StanGenetyka brakStanu_;
    const StanGenetyka* odebrany_ = &brakStanu_;
};
