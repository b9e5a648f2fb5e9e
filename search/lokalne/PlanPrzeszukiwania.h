#pragma once

#include <array>

// Which variant of the local search runs at which size, in one place.
struct PlanPrzeszukiwania {
    // Candidate neighbours per city: the nearest, and the nearest in each
    // quadrant around it when the cities have coordinates.
    int sasiedzi = 10;
    int wCwiartce = 2;
    // Longest of the three stretches a kick moves when they lie in a row,
    // and the most positions its four cuts may span otherwise (the cost of
    // a kick grows with it).
    int najdluzszyOdcinek = 30;
    int najwiekszaRozpietosc = 1 << 30;
    // Double bridges of one round: after a single one the descent finds its
    // way back to the same route most of the time.
    int kopniecWRundzie = 3;
    // The Lin-Kernighan move of the descent: most 3-opt steps in one chain
    // (1: 3-opt and Or-opt moves only), and how many first steps it tries
    // from each edge of a city, and second steps after each first.
    int krokiLinKernighana = 12;
    std::array<int, 2> szerokoscLinKernighana{3, 1};
    // Candidates of a city tried by the steps after the first (0: all).
    int sasiedziWLancuchu = 0;
    // True: the threads share one route, each improving its own half (the
    // halves move every epoch); false: each thread runs a chain of its own
    // and the best chain wins.
    bool podzialTrasy = false;
    // Rounds each thread makes in one epoch of a shared route.
    long long rundWEpoce = 0;

    static PlanPrzeszukiwania Dla(int n);
};
