#pragma once

#include "search/sesja/MetodaSesji.h"

#include <cstdint>
#include <optional>

// Everything a session needs besides its cities, in the program's own units:
// the window and the command line convert and check their texts first.
struct UstawieniaSesji {
    MetodaSesji metoda = MetodaSesji::Automatyczna;
    // The random search's draws.
    int losowania = 1000;
    // The genetic search.
    int pokolenia = 1000;
    int populacja = 100;
    double krzyzowanie = 0.3;
    double mutacja = 0.1;
    // The running time of the local search and of the proof (0: none), and
    // the local search's rounds (none: no limit of rounds).
    double limitSekund = 10.0;
    std::optional<long long> rundy;
    // The lower bound after a local, random or genetic search: seconds of
    // its own running time (0: none).
    double sekundyGranicy = 0.0;
    // Which routes a proof proves.
    bool najkrotsza = true;
    bool najdluzsza = true;
    // A certificate of each route a proof proves; the exact and auto
    // methods then prove by branch and cut at every size.
    bool certyfikat = false;
    // The clock seeds the random methods when none is given.
    std::optional<std::uint32_t> ziarno;
    // Threads of the local search.
    int watki = 2;
    // The memory a distance table and a population may take; the machine's
    // budget when none.
    std::optional<std::uint64_t> budzetPamieci;
    // Step mode: the search stops after each step until it is let go on
    // (SesjaSzukania::Krok, UstawTempo); the local search runs one thread.
    bool krokPoKroku = false;
};
