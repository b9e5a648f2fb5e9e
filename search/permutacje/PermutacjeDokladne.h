#pragma once

#include "search/TablicaOdleglosci.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct WynikPermutacji {
    std::vector<int> trasa;
    float najkrotsza = 0.0f;
    float najdluzsza = 0.0f;
};

// The permutation search where the table of its parts gives two Lagrangian
// walks: one for the shortest route and one for the longest, on two threads.
// Where it also gives the dynamic programme, a walk that has taken more steps
// than the programme would take work (routes tied by the thousand, as on a
// row or a diagonal of cells) gives way to that programme, which is exact
// however many routes tie. Every part is exact on its own, so the results
// never depend on how the threads ran.
//
// przerwij is polled on both threads; true there ends the search with a
// consistent best so far (a route and its own length). nrPermutacji and
// procent receive the progress: procent never falls and stays at 99 at most
// until the search is complete. limitKrokow replaces the step limit where
// the programme may run (tests force either way). The walks and the
// programme count their tables against one memory account of budzet bytes.
// A failure on either thread (memory, say) is raised here.
WynikPermutacji PermutacjeDokladne(const TablicaOdleglosci& odleglosci, int iloscMiast,
                                   const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                                   std::atomic<int>& procent, std::optional<std::uint64_t> limitKrokow = {},
                                   std::optional<std::uint64_t> budzet = {});

// The steps after which the walk after the shortest route on n cities gives
// way (the walk after the longest, half as many), when the programme runs for
// n cities and fits in budzet bytes; none otherwise.
std::optional<std::uint64_t> LimitKrokow(int iloscMiast, double budzet);
