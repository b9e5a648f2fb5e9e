#pragma once

#include "search/BudowaTablicy.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/HoldableThread.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

class BramkaKrokow;
// The searches of TObliczThread: the values of its Tryb.
namespace TrybObliczen {
enum : int { Permutacje = 1, Losowo = 2 };
} // namespace TrybObliczen

// The worker of the permutation search (Tryb 1) and of the random search
// (Tryb 2). Created held; the progress window configures it and releases it.
class TObliczThread : public HoldableThread {
    Q_OBJECT

public:
    TObliczThread();
    ~TObliczThread() override;

    // Settings, written by the owner before the first release.
    int Tryb = 0;
    const OdleglosciSlot* Odleglosci = nullptr;
    int IloscMiast = 0;
    int IleLosowan = 0;
    // The table, when ordered, is built into Odleglosci's slot first; a
    // finish meanwhile ends the search without a result or an error.
    BudowaTablicy Budowa;
    // Seeds the random search in place of the clock, for repeatable runs.
    std::optional<std::uint32_t> Ziarno;
    // The permutation search's running time, after which it ends with the
    // best route so far (0: none).
    double LimitSekund = 0.0;
    // Step mode: each route evaluated, each branch cut off and each draw is
    // a step. None: the search runs at full speed, as without it.
    BramkaKrokow* Kroki = nullptr;

    // Results, valid once Zakonczony is true. A search that fails leaves
    // Zakonczony false and ends with failure() set.
    std::vector<int> NajlepszaTrasa;
    float NajkrotszaDroga = 0.0f;
    float NajdluzszaDroga = 0.0f;

    // Progress, read by the user-interface thread while the search runs.
    std::atomic<std::uint32_t> IlePermutacji{0};
    std::atomic<std::uint32_t> NrPermutacji{0};
    std::atomic<std::int32_t> NrLosowania{0};
    std::atomic<bool> Zakonczony{false};
    // The permutation search ended at LimitSekund, before it saw every route.
    std::atomic<bool> KoniecCzasu{false};
    // The permutation search's share of routes covered, in whole percent,
    // from 14 cities on; -1 when it gives none.
    std::atomic<int> ProcentPokrycia{-1};

    // Closed length of a route of IloscMiast cities, summed in single
    // precision in route order.
    float DlugoscTrasy(const int* trasa) const;

    // (n-1)! for n <= 13, else 0.
    static std::uint32_t Silnia(int n);

    // The permutation search's progress in whole percent, from the share of
    // routes covered or from the route counter; none when neither tells.
    std::optional<int> ProcentPermutacji() const;

protected:
    void Execute() override;

private:
    // The permutation search's poll: a hold, a finish or the time limit.
    bool stop();
    void Permutacje();
    // From 14 cities on: see PermutacjeDokladne.
    void PermutacjeDokladnie();
    void Losowo();
    // Step mode: draw number nr, and the shortest length before it.
    bool krokLosowania(const std::vector<int>& trasa, float dlugosc, float dotad, int nr);
};
