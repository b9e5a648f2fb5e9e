#pragma once

// Which variant of the lower bound runs at which size, in one place.
struct PlanOgraniczenia {
    // The ascent's candidate graph: each city's nearest, and the nearest in
    // each quadrant around it where the cities have coordinates. Up to
    // pelnyGrafDo cities the graph is complete.
    int sasiedzi = 10;
    int wCwiartce = 2;
    int pelnyGrafDo = 40;
    // Polyak's step lambda (target - L) / |v|^2, lambda from lambdaPoczatkowa
    // halved after cierpliwosc steps without a better bound, the ascent over
    // below lambdaKoncowa. v mixes this step's subgradient with the last
    // direction, bezwladnosc of it (smooths the zigzag between two trees).
    double lambdaPoczatkowa = 1.0;
    double lambdaKoncowa = 1e-5;
    int cierpliwosc = 20;
    double bezwladnosc = 0.3;
    // The averaged direction (Wznoszenie::PrzejdzNaObjetosc): from the start
    // without a time limit, and with one once it holds krokowDlaObjetosci
    // steps (fewer leave too little for the average to settle). Its lambda
    // starts at lambdaObjetosci, grows by a tenth (to 2 at most) after a
    // step that found a better bound without turning against the last
    // direction, and shrinks by a third after cierpliwosc steps without a
    // better bound, that patience a krokowNaCierpliwosc-th of the steps the
    // time holds, up to cierpliwoscNajwieksza. Each step mixes between
    // alfaObjetosci / 10 and alfaObjetosci of the new tree's degrees into
    // the average.
    bool objetosc = true;
    double krokowDlaObjetosci = 4000.0;
    double lambdaObjetosci = 0.1;
    double alfaObjetosci = 0.01;
    double krokowNaCierpliwosc = 30.0;
    double cierpliwoscNajwieksza = 300.0;
    // With a time limit the patience grows so that lambda's halvings fill
    // the time, but to cierpliwoscNaMiasto steps per city at most: past that
    // a small instance has long converged.
    double cierpliwoscNaMiasto = 4.0;
    // Steps of the ascent between two checks of its best penalties over
    // every pair of cities (each check gives a bound that holds and adds
    // the edges the graph missed): at first, and the bounds of that number,
    // which halves after a check that found the graph's bound more than
    // zgodnosc (relative) too high, and doubles otherwise.
    int kontrolaPoczatkowa = 20;
    int kontrolaNajczesciej = 10;
    int kontrolaNajrzadziej = 1000;
    double zgodnosc = 1e-5;

    static PlanOgraniczenia Dla(int n);
};
