#pragma once

// Why a branch and cut ended, for a proof that did not come and for the
// one that did.
enum class PowodKonca {
    Dowod,          // every node closed: the route is proven
    LimitCzasu,     // the time limit came first
    Przerwana,      // the caller stopped it
    // Nodes left unresolved (the bound counts them), by the first kind met:
    BladLP,         // Clp failed on the node, from the warm start and from the slacks
    Sprzecznosc,    // the LP was infeasible with no ray that proves it
    // The LP's solution was whole (no edge to branch on) yet its bound fell
    // short of the best route: the bound's margin or Clp's tolerances at
    // the weights' scale.
    Numeryczny,
};

// A short English name, for the command line and the benchmarks.
constexpr const char* NazwaPowodu(PowodKonca p) {
    switch (p) {
    case PowodKonca::Dowod:
        return "proven";
    case PowodKonca::LimitCzasu:
        return "time-limit";
    case PowodKonca::Przerwana:
        return "stopped";
    case PowodKonca::BladLP:
        return "lp-failed";
    case PowodKonca::Sprzecznosc:
        return "infeasible-unproven";
    case PowodKonca::Numeryczny:
        return "numerical";
    }
    return "?";
}
