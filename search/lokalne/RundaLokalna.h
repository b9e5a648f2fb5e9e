#pragma once

#include "search/lokalne/KolejkaAktywnych.h"
#include "search/lokalne/KontekstLokalny.h"
#include "search/lokalne/OknoTrasy.h"

#include <random>

enum class WynikRundy {
    // Made; zmiana says by how much the route changed (never upwards).
    Zrobiona,
    // The search must end: the round was taken back.
    Przerwana,
    // The view is too short for a kick.
    BezKopniecia,
};

// One round of the iterated local search: a kick of the plan's double
// bridges and the descent from the cities around them. Kept when the route
// got no longer, taken back otherwise; either way the route is left at a
// local optimum of the moves the view allows.
WynikRundy RundaLokalna(const KontekstLokalny& k, OknoTrasy& okno, KolejkaAktywnych& kolejka, std::mt19937_64& los,
                        double& zmiana);

// Descent from every city in the queue, no log kept; stops early when the
// search must end. The gain made.
double ZejscieBezDziennika(const KontekstLokalny& k, OknoTrasy& okno, KolejkaAktywnych& kolejka, bool& przerwane);
