#pragma once

#include "search/TablicaOdleglosci.h"
#include "search/permutacje/ZbiorMiast.h"
#include "toolkit/core/MemoryBudget.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// Held-Karp over the single-precision prefix sums themselves. A route's sum
// is built by additions x -> fl(x + d), each never decreasing in x, so among
// the paths that start at city 0, visit one set of cities and end at one
// city, the least (greatest) prefix sum leads to the least (greatest) final
// sums: the table of those prefix sums gives exactly the shortest and the
// longest single-precision route sums, however many routes tie in exact
// arithmetic. A second, backward table of the greatest prefix sums that can
// still end at the shortest sum then leads straight to the first shortest
// route in lexicographic order.
//
// One table of (n-1) 2^(n-2) floats, for every set of the cities 1..n-1 and
// every city of that set (805 MB at 25 cities), reused by the three passes.
class ProgramDynamiczny {
public:
    static constexpr int kNajwiecejMiast = 25;

    // Bytes the table takes for n cities.
    static double Rozmiar(int iloscMiast);

    // Takes the table's share of konto ("Za mało pamięci" when it is not
    // left) and allocates the table; may throw std::bad_alloc. Any other
    // size than 3 <= n <= kNajwiecejMiast is refused with
    // std::invalid_argument.
    ProgramDynamiczny(const TablicaOdleglosci& odleglosci, int iloscMiast, MemoryAccount& konto);

    // Each pass runs on two threads (one when no second can be had), polls
    // przerwij on both now and then, and returns false when it asked to
    // stop. Whatever either thread throws is raised here once both have
    // stopped. Wykonane() is the share of the current pass done.
    bool Najkrotsza(const std::function<bool()>& przerwij, float& wynik);
    bool Najdluzsza(const std::function<bool()>& przerwij, float& wynik);
    // The first route in lexicographic order whose sum is najkrotsza, the
    // result of Najkrotsza.
    bool PierwszaNajkrotsza(const std::function<bool()>& przerwij, float najkrotsza, std::vector<int>& trasa);

    double Wykonane() const { return wykonane_.load(std::memory_order_relaxed); }

private:
    // Each thread's working space in the backward pass.
    struct Brudnopis {
        explicit Brudnopis(std::size_t n) : progi(n), nastepne(n) {}
        std::vector<float> progi;
        std::vector<int> nastepne;
    };

    template <class Krok>
    bool warstwami(const std::function<bool()>& przerwij, bool wstecz, Krok krok);
    template <class Lepsza>
    bool wPrzod(const std::function<bool()>& przerwij, Lepsza lepsza, float& wynik);
    bool wstecz(const std::function<bool()>& przerwij, float najkrotsza);

    const TablicaOdleglosci& odleglosci_;
    int n_;
    ZbiorMiast wszystkie_;
    MemoryAccount::Share udzial_;
    std::vector<float> tablica_;
    float najwiekszaOdleglosc_ = 0.0f;
    std::atomic<double> wykonane_{0.0};
};
