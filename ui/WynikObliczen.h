#pragma once

#include "search/genetyczne/SeriaZbieznosci.h"

#include <vector>

// What a finished search hands back: its best route (city numbers) and the
// lengths it found. -1 marks a length the method does not track.
struct WynikObliczen {
    std::vector<int> Trasa;
    double NajkrotszaDroga = -1.0;
    double NajdluzszaDroga = -1.0;
    // The convergence of a genetic run; empty for the other methods.
    SeriaZbieznosci Zbieznosc;
    // The time the search took in seconds; -1 where the method does not say.
    double Sekundy = -1.0;
    // At most this many per cent above the optimum, by a lower bound; -1
    // where none was computed.
    double LukaCoNajwyzej = -1.0;
};
