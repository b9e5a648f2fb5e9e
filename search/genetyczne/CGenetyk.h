#pragma once

#include "search/genetyczne/CGenotyp.h"
#include "search/genetyczne/SeriaZbieznosci.h"
#include "search/genetyczne/StanGenetyka.h"
#include "search/BudowaTablicy.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/HoldableThread.h"
#include "toolkit/core/LatestValue.h"
#include "toolkit/core/MemoryBudget.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

class BramkaKrokow;
// The genetic search: a population of routes evolved for IlePokolen
// generations by roulette-wheel selection, partially-mapped crossover and
// swap mutation. The best route ever seen is kept apart from the population.
//
// Created held: the owner sets Odleglosci, the size, the probabilities and
// IlePokolen, connects QThread::finished to its end handler and calls
// release(). While it runs, the search hands out its state for display
// (NowyStan) without ever waiting for the one who shows it; its own state is
// its thread's alone until it has ended.
class CGenetyk : public HoldableThread {
    Q_OBJECT

public:
    CGenetyk();
    ~CGenetyk() override;

    // Settings, written by the owner before the release.
    const OdleglosciSlot* Odleglosci = nullptr;
    // The table, when ordered (before the size), is built into Odleglosci's
    // slot first; a finish meanwhile ends the search without a result.
    BudowaTablicy Budowa;
    int IlePokolen = 0;
    double PKrzyzowania = 0.0;
    double PMutacji = 0.0;
    // Seeds the search in place of the clock, for repeatable runs.
    std::optional<std::uint32_t> Ziarno;
    // Step mode: each generation is a step. None: no step is ever taken.
    BramkaKrokow* Kroki = nullptr;
    // The most memory the distance table and the two populations may take
    // together; the size is refused when it would take more.
    std::uint64_t BudzetPamieci = memoryBudget();

    // Refuses a size over the budget before anything changes; otherwise
    // makes both populations at once.
    void UstawRozmiar(int licznosc, int iloscMiast);
    // Refuses a size as UstawRozmiar does, and keeps it; the search thread
    // builds the populations when it starts and frees them when it ends, so
    // that a window never waits for millions of individuals. Only the result
    // outlives the search then.
    void ZamowRozmiar(int licznosc, int iloscMiast);
    int LicznoscPopulacji() const { return licznoscPopulacji_; }
    // Bytes of the two populations of licznosc routes of iloscMiast cities.
    static double PamiecPopulacji(int licznosc, int iloscMiast);
    int IloscMiast() const { return iloscMiast_; }

    // For one reader on another thread, while the search runs and after: the
    // state of the first display step (generation 0) first, then always the
    // newest one published since; null when there is nothing new. The state
    // stays valid until the next call. The search publishes whenever the
    // reader has taken its last state, before it waits on a pause, and at its
    // end, so the last state is always that of its last display step.
    const StanGenetyka* NowyStan();
    // The state NowyStan last returned; a default state before the first.
    const StanGenetyka& OdebranyStan() const { return *odebrany_; }

    // The result, to read once the search has ended: the best route found,
    // the generations run and the convergence of the run. Najlepszy holds a
    // route once MaNajlepszy is true, whatever its length: cities that share
    // one point give routes of length 0.
    const CGenotyp& Najlepszy() const { return najlepszy_; }
    bool MaNajlepszy() const { return maNajlepszy_; }
    int NrPokolenia() const { return nrPokolenia_; }
    const SeriaZbieznosci& Zbieznosc() const { return zbieznosc_; }

    double DlugoscTrasy(const CGenotyp& g) const;

    // The steps of the search, and the population they work on, for driving
    // the search by hand on a thread of the caller's while the search's own
    // thread does not run (tests and benchmarks). A finish request stops
    // them as it stops a running search.
    std::vector<CGenotyp>& Populacja() { return populacja_; }
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
    class Przerwanie;

    void sprawdzRozmiar(int licz, int n) const;
    // Allocates every individual for licznoscPopulacji_ and iloscMiast_;
    // false when a finish request stopped it first.
    bool zbudujPopulacje();
    void Przeszukaj();
    double LosujPrawdopodobienstwo();
    const TablicaOdleglosci* Tablica() const;
    void PokazPostep(int nrPokolenia);
    void Zapisz(StanGenetyka& stan) const;
    void Opublikuj(bool wstrzymany);
    // The search's own poll: waits while held, after showing where it
    // stopped; true when the search must stop.
    bool PunktKontrolny();
    // Step mode: the generation just made, as one step.
    bool krokPokolenia();

    int licznoscPopulacji_ = 0;
    int iloscMiast_ = 0;
    std::vector<CGenotyp> populacja_;
    std::vector<CGenotyp> nowaPopulacja_;
    CGenotyp dziecko1_;
    CGenotyp dziecko2_;
    CGenotyp najlepszy_;
    bool maNajlepszy_ = false;
    int nrPokolenia_ = 0;
    SeriaZbieznosci zbieznosc_;
    // The shortest route of the population Ocen last measured.
    double najkrotszaWPokoleniu_ = 0.0;

    // For each city, its position in a child's crossed segment, or -1: the
    // repair of a crossover looks cities up here instead of scanning.
    std::vector<int> pozycjaWOdcinku1_;
    std::vector<int> pozycjaWOdcinku2_;

    bool zamowiony_ = false;
    // Children the crossover put into this generation.
    long long dzieci_ = 0;
    // Written by the search thread only.
    bool krokPrzerwany_ = false;
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
