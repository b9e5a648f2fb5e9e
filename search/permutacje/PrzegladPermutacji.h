#pragma once

#include "search/permutacje/PrzejsciePermutacji.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/MemoryBudget.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class GraniceDopelnien;
class PamiecPoddrzew;
class RelaksacjaLagrange;

// The exhaustive search over every route that starts with city 0, with the
// results of evaluating them one by one in lexicographic order: the first
// shortest route, its length and the greatest length, all as the
// single-precision sums of SumaTrasy. A subtree is skipped when bounds that
// stay safe under single-precision rounding prove that none of its routes
// can change the results; skipped routes still count as covered.
class PrzegladPermutacji {
public:
    // The bound that decides which subtrees to skip.
    enum class Ograniczenie {
        Brak,      // none: every route is evaluated
        Proste,    // cheapest/dearest edge into each city left
        HeldKarp,  // exact shortest/longest completions, tables of 2^(n-1) n entries
        Lagrange,  // Held-Karp's Lagrangian 1-tree bound on each completion
    };

    // Which results a walk settles. A walk after one of them only may skip
    // what cannot change that one; two such walks on the same table, run on
    // two threads, together give every result. Only the Lagrangian bound
    // honours this; the others always settle both.
    enum class Cel { Oba, Najkrotsza, Najdluzsza };

    // The bound of a single walk over n cities, as the table of the search's
    // parts gives it.
    static Ograniczenie OgraniczenieDla(int iloscMiast);

    // Allocates everything the search needs, each large table counted
    // against konto first (against an account of its own when none is
    // given). The bound asked for is lowered when it does not apply: Brak
    // for a table with negative or non-finite entries; HeldKarp past the
    // tables' reach or without memory for them becomes Lagrange, and
    // Lagrange past its reach or without memory becomes Proste. The memory
    // of searched subtrees is left out, or made smaller, when the account
    // cannot pay for it.
    PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast, Ograniczenie ograniczenie,
                       Cel cel = Cel::Oba, MemoryAccount* konto = nullptr);
    PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast)
        : PrzegladPermutacji(odleglosci, iloscMiast, OgraniczenieDla(iloscMiast)) {}
    ~PrzegladPermutacji();

    PrzegladPermutacji(const PrzegladPermutacji&) = delete;
    PrzegladPermutacji& operator=(const PrzegladPermutacji&) = delete;

    // Runs the search. Every krokKontroli steps it stores the routes covered
    // after the first one (modulo 2^32) into nrPermutacji and polls przerwij;
    // true there stops the search with the results met so far. Returns
    // false when stopped that way.
    bool Szukaj(const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                int krokKontroli = 4096);

    // Reports the routes covered to pokrycie as walk number przeglad.
    void UstawPokrycie(PokrycieTras* pokrycie, int przeglad) { przejscie_.UstawPokrycie(pokrycie, przeglad); }

    const std::vector<int>& NajlepszaTrasa() const { return przejscie_.NajlepszaTrasa(); }
    float NajkrotszaDroga() const { return przejscie_.NajkrotszaDroga(); }
    float NajdluzszaDroga() const { return przejscie_.NajdluzszaDroga(); }
    // Routes evaluated or skipped, the identity included (modulo 2^128).
    Liczba128 Pokryte() const { return przejscie_.Pokryte(); }
    std::uint64_t Odwiedzone() const { return przejscie_.Odwiedzone(); }
    // Steps of the walk so far: a measure of its work that does not depend
    // on the machine, read by przerwij to cap a walk.
    std::uint64_t Kroki() const { return przejscie_.Kroki(); }
    Ograniczenie UzyteOgraniczenie() const { return ograniczenie_; }
    Cel UzytyCel() const { return cel_; }
    // Slots of the memory of searched subtrees the walk keeps (0: none).
    std::size_t SlotyPamieci() const;

private:
    void przygotujHeldaKarpa(MemoryAccount& konto);
    void przygotujLagrange(MemoryAccount& konto);
    void przygotujProste();
    bool szukajZLagrange(const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                         int krokKontroli);

    const TablicaOdleglosci& odleglosci_;
    int n_;
    Ograniczenie ograniczenie_;
    Cel cel_;
    // Relative margins for the bounds, from the rounding of up to n
    // single-precision additions; 1 when every sum is exact.
    double zapasDolny_ = 1.0;
    double zapasGorny_ = 1.0;
    // When every route sum is exact: the step all sums are multiples of.
    double krokSum_ = 0.0;

    // Declared before the tables it pays for, so that it outlives them.
    std::optional<MemoryAccount> wlasneKonto_;
    MemoryAccount::Share udzialGranic_;
    MemoryAccount::Share udzialPamieci_;

    std::unique_ptr<GraniceDopelnien> granice_;
    std::vector<float> pamiecKrotszej_;
    std::vector<float> pamiecDluzszej_;
    // Lagrangian bounds on the shortest and on the longest completion;
    // penalties per depth of the walk for each.
    std::unique_ptr<RelaksacjaLagrange> relaksacjaKrotszej_;
    std::unique_ptr<RelaksacjaLagrange> relaksacjaDluzszej_;
    std::vector<double> karyKrotszej_;
    std::vector<double> karyDluzszej_;
    std::unique_ptr<PamiecPoddrzew> pamiecPoddrzew_;
    bool pamiecCzysta_ = true;
    // The cheapest and the dearest edge into each city, and their sums per
    // level of the walk.
    std::vector<double> najtanszeWejscie_;
    std::vector<double> najdrozszeWejscie_;
    std::vector<double> sumaTanszych_;
    std::vector<double> sumaDrozszych_;

    PrzejsciePermutacji przejscie_;
};
