#pragma once

#include "search/Metryka.h"
#include "search/dolne/GrafKandydatow.h"
#include "search/dolne/OgraniczenieDolne.h"
#include "search/dolne/PelneJednoDrzewo.h"
#include "search/dolne/PlanOgraniczenia.h"
#include "search/dolne/Przenumerowanie.h"
#include "search/dolne/Wznoszenie.h"

#include <functional>
#include <utility>
#include <vector>

// The ascent's penalties checked over every pair of cities
// (PelneJednoDrzewo): each check gives a bound that holds, and hands the
// graph the edges it missed. And when to check: the ascent's best penalties
// after the plan's first number of steps, then after fewer while the checks
// find the graph's bound too high (clustered cities, where the penalties
// soon favour edges between clusters that the graph lacks), more while
// they agree.
class KontrolaWznoszenia {
public:
    // All must outlive this object; sekundy is the computation's clock.
    KontrolaWznoszenia(const Metryka& d, const Przenumerowanie& p, GrafKandydatow& graf, const PlanOgraniczenia& plan,
                       std::function<double()> sekundy);

    // Checks penalties given in the renumbering; the bound, its penalties
    // (in the cities' own numbers) and its tree go to wynik when better.
    // False when stop asked to end first.
    bool Sprawdz(const std::vector<double>& karyGrafu, const std::function<bool()>& stop, OgraniczenieDolne& wynik);

    // Counts a step of the ascent; whether its best penalties are due for
    // a check.
    bool Pora(const Wznoszenie& wznoszenie);
    // Checks the ascent's best penalties, tells the ascent what they are
    // worth over every pair, and spaces the next check by the two figures'
    // agreement. False as Sprawdz.
    bool SprawdzWznoszenie(Wznoszenie& wznoszenie, const std::function<bool()>& stop, OgraniczenieDolne& wynik);
    // Whether the ascent has found better penalties than the last checked.
    bool Niesprawdzone(const Wznoszenie& wznoszenie) const;

    // Seconds the longest check took: the time to leave for the last one.
    double NajdluzszaKontrola() const { return czasKontroli_; }

private:
    const Metryka& d_;
    const Przenumerowanie& p_;
    GrafKandydatow& graf_;
    const PlanOgraniczenia& plan_;
    std::function<double()> sekundy_;
    PelneJednoDrzewo pelne_;
    std::vector<double> kary_;
    std::vector<std::pair<int, int>> krawedzie_;
    double czasKontroli_ = 0.0;
    // The last check's unrounded value, and the ascent's best bound when
    // it was checked.
    double sprawdzona_ = 0.0;
    double najlepszaSprawdzona_;
    int co_;
    int doKontroli_;
};
