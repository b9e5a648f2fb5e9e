#pragma once

#include "search/CGenotyp.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/HoldableThread.h"
#include "toolkit/core/MemoryBudget.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The genetic search: a population of routes evolved for IlePokolen
// generations by roulette-wheel selection, partially-mapped crossover and
// swap mutation. The best route ever seen is kept in Najlepszy.
//
// Created held: the owner sets Odleglosci, UstawRozmiar, the probabilities,
// IlePokolen and Wyswietl, connects QThread::finished to its end handler and
// calls release().
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

    // The display step: run on the owner's thread, synchronously, once after
    // the initial population and once after every generation. While it runs
    // the search is stopped, so it may read the members above.
    std::function<void()> Wyswietl;

    // The most memory the distance table and the two populations may take
    // together; UstawRozmiar refuses a larger size before anything changes.
    std::uint64_t BudzetPamieci = memoryBudget();

    void UstawRozmiar(int licznosc, int iloscMiast);

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
    double LosujPrawdopodobienstwo();
    const TablicaOdleglosci* Tablica() const;
    void PokazPostep();

    // For each city, its position in a child's crossed segment, or -1: the
    // repair of a crossover looks cities up here instead of scanning.
    std::vector<int> PozycjaWOdcinku1;
    std::vector<int> PozycjaWOdcinku2;
};
