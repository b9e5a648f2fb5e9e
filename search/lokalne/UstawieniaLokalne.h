#pragma once

#include "search/lokalne/PlanPrzeszukiwania.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <cstdint>
#include <memory>
#include <optional>

class BramkaKrokow;

struct UstawieniaLokalne {
    // Running time of the whole search, set-up included (time held does
    // not count); 0: no limit.
    double limitSekund = 0.0;
    // Rounds of all threads together (a round: one kick and the descent
    // after it); negative: no limit, 0: the descended start. With a round
    // limit and no time limit, the same seed gives the same route whatever
    // the threads' timing.
    long long limitRund = -1;
    std::uint64_t ziarno = 1;
    int watki = 2;
    // In place of PlanPrzeszukiwania::Dla(n), for measurements and tests.
    std::optional<PlanPrzeszukiwania> plan;
    // In place of the candidate neighbours the search picks itself.
    std::shared_ptr<const SasiedziKandydaci> kandydaci;
    // Step mode, with one thread: each round (a kick and the descent after
    // it) is a step, kept or taken back.
    BramkaKrokow* kroki = nullptr;
};

// A seed of its own for each thread of one search, from the search's seed.
inline std::uint64_t ZiarnoWatku(std::uint64_t ziarno, int watek) {
    std::uint64_t z = ziarno + 0x9E3779B97F4A7C15ull * std::uint64_t(watek + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
