#pragma once

#include "search/dowod/Ciecie.h"

#include <cstddef>
#include <vector>

class GrafWsparcia;
class ProgramLiniowy;

// The cuts of the LP, by age, and the pool of those that left it. A cut
// whose slack stayed basic kWiekLuznego solves in a row holds nothing at
// the solution and only slows the solves: it leaves the LP for the pool,
// from where it comes back when violated again. The pool keeps
// kPulaNaMiasto cuts a city at most, the newest.
class PulaCiec {
public:
    explicit PulaCiec(int n);

    // Cuts into the LP, each new to it.
    void Dodaj(ProgramLiniowy& lp, std::vector<Ciecie> ciecia);
    // After an optimal solve: ages the LP's cuts and moves the old slack
    // ones to the pool.
    void OdlozLuzne(ProgramLiniowy& lp);
    // Takes out of the pool the cuts this solution violates by at least
    // TolerancjeDowodu::kNaruszenie.
    std::vector<Ciecie> WezNaruszone(const GrafWsparcia& g);

private:
    std::size_t najwiecej_;
    std::vector<Ciecie> pula_;
    // Per cut of the LP: the solves in a row its slack was basic.
    std::vector<int> wiek_;
};
