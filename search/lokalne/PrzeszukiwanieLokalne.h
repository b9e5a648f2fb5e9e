#pragma once

#include "search/Metryka.h"
#include "search/lokalne/PlanPrzeszukiwania.h"
#include "search/lokalne/PostepPrzeszukiwania.h"
#include "search/lokalne/PunktPlaszczyzny.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/UstawieniaLokalne.h"
#include "toolkit/core/RunningClock.h"

#include <functional>
#include <vector>

// Iterated local search for the shortest closed route: a first route in
// O(n log n), candidate neighbours, a greedy start, descent by 3-opt and
// Or-opt moves with don't-look bits, then rounds of a local kick and a
// descent around it, each round kept when the route got no longer and taken
// back otherwise. Below 9 cities every order is tried instead.
//
// Szukaj() runs on the calling thread and watki - 1 helper threads; each of
// them calls przerwij every few milliseconds, where it holds no lock.
// przerwij may block (a held search) and returns true when the search must
// end. The time limit is read on the given running clock (wall time from the
// call when none is given), so time held does not count, and it bounds the
// whole call: whenever the search ends, by the limit, by przerwij or in its
// set-up, its result is the best route it has made, which always exists.
// Progress can be read from any thread while the search runs.
class PrzeszukiwanieLokalne {
public:
    // d must stay valid and unchanged while the search runs. Candidate
    // neighbours are picked in the plane of the metric's coordinates, where
    // it has them.
    explicit PrzeszukiwanieLokalne(const Metryka& d);

    void Szukaj(const UstawieniaLokalne& ustawienia, const std::function<bool()>& przerwij,
                const RunningClock* zegar = nullptr);

    // The result of the last Szukaj(): a route and its length, summed in
    // double along it.
    const std::vector<int>& Trasa() const { return trasa_; }
    double Dlugosc() const { return dlugosc_; }

    PostepPrzeszukiwania& Postep() { return postep_; }
    const PostepPrzeszukiwania& Postep() const { return postep_; }

private:
    void Wynik(std::vector<int> trasa, double sekundy);

    const Metryka& d_;
    std::vector<PunktPlaszczyzny> wspolrzedne_;
    PlanPrzeszukiwania plan_;
    SasiedziKandydaci sasiedzi_;
    PostepPrzeszukiwania postep_;
    std::vector<int> trasa_;
    double dlugosc_ = 0.0;
};
