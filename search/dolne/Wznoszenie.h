#pragma once

#include "search/Metryka.h"
#include "search/dolne/GrafKandydatow.h"
#include "search/dolne/JednoDrzewo.h"
#include "search/dolne/PlanOgraniczenia.h"

#include <vector>

// Subgradient ascent on the node penalties pi over a candidate graph: each
// step finds the graph's minimum 1-tree under pi, then moves pi along the
// degrees' excess (deg - 2) with Polyak's step towards the target, the
// length of a known route. The graph's bound only steers: a valid bound
// comes from the same penalties over every pair (PelneJednoDrzewo).
class Wznoszenie {
public:
    Wznoszenie(GrafKandydatow& graf, double cel, std::vector<double> kary, const PlanOgraniczenia& plan);

    // One step. False when the ascent is over: lambda spent, a 1-tree that
    // is a route (nothing to raise), or a graph that does not connect.
    bool Krok();

    double Najlepsza() const { return najlepsza_; }
    const std::vector<double>& NajlepszeKary() const { return najlepszeKary_; }
    const std::vector<double>& Kary() const { return kary_; }
    int Iteracje() const { return iteracje_; }
    double Lambda() const { return lambda_; }
    // The best bound so far was the graph's, over the edges it had; a
    // check over every pair found only wartosc for its penalties (the graph
    // missed edges, now added): the ascent goes on from that figure.
    void Popraw(double wartosc) { najlepsza_ = std::min(najlepsza_, wartosc); }
    // With a time limit, after a check: spreads the step sizes over the
    // zostalo seconds left at sekundNaKrok each. The longer each is tried,
    // the closer the ascent gets, and time left over at the end is wasted;
    // where the time holds enough steps the averaged direction takes over.
    void RozlozNaCzas(double sekundNaKrok, double zostalo);
    // From here on each step moves the best penalties along an average of
    // the trees' degrees rather than the last tree's (the volume
    // algorithm's direction): it tends to a fractional point where every
    // degree is 2, so the ascent stops zigzagging between two trees and
    // closes in on the Held-Karp bound. Needs some thousands of steps.
    void PrzejdzNaObjetosc();
    bool Objetosc() const { return objetosc_; }

private:
    bool krokObjetosci(double wartosc);
    // Halvings of lambda left before the ascent is over.
    double pozostalePolowienia() const;

    GrafKandydatow& graf_;
    double cel_;
    PlanOgraniczenia plan_;
    std::vector<double> kary_;
    std::vector<double> najlepszeKary_;
    std::vector<double> kierunek_;
    std::vector<double> sredni_;
    JednoDrzewo drzewo_;
    std::vector<int> stopien_;
    double najlepsza_;
    double lambda_;
    // Steps without a better bound before lambda shrinks.
    int cierpliwosc_;
    int bezPoprawy_ = 0;
    bool objetosc_ = false;
    int iteracje_ = 0;
};
