#pragma once

#include "search/PokrycieTras.h"
#include "search/TablicaOdleglosci.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class GraniceDopelnien;
class PamiecPoddrzew;
class RelaksacjaLagrange;

// The exhaustive search over every route that starts with city 0, with the
// results of evaluating them one by one in lexicographic order: the first
// shortest route, its length and the greatest length, all as the
// single-precision sums of SumaTrasy.
//
// A depth-first walk in that order carries the prefix sums, which are exactly
// the values a route's own sum passes through. A subtree is skipped when
// bounds that stay safe under single-precision rounding prove that none of
// its routes can change the results; skipped routes still count as covered.
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

    // The bound chosen when none is asked for: the tables up to 20 cities,
    // the Lagrangian bound up to PokrycieTras::kNajwiecejMiast, Proste above.
    static Ograniczenie Domyslne(int iloscMiast);

    // Allocates everything the search needs. The bound asked for is lowered
    // when it does not apply: Brak for a table with negative or non-finite
    // entries; HeldKarp above GraniceDopelnien::kNajwiecejMiast cities or
    // when its tables cannot be allocated becomes Lagrange, and Lagrange
    // above PokrycieTras::kNajwiecejMiast or without memory becomes Proste.
    PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast, Ograniczenie ograniczenie,
                       Cel cel = Cel::Oba);
    PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast)
        : PrzegladPermutacji(odleglosci, iloscMiast, Domyslne(iloscMiast)) {}
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
    void UstawPokrycie(PokrycieTras* pokrycie, int przeglad) {
        pokrycie_ = pokrycie;
        przeglad_ = przeglad;
    }

    const std::vector<int>& NajlepszaTrasa() const { return najlepsza_; }
    float NajkrotszaDroga() const { return najkrotsza_; }
    float NajdluzszaDroga() const { return najdluzsza_; }
    // Routes evaluated or skipped, the identity included (modulo 2^64).
    std::uint64_t Pokryte() const { return std::uint64_t(pokryte_); }
    std::uint64_t Odwiedzone() const { return odwiedzone_; }
    // Steps of the walk so far: a measure of its work that does not depend
    // on the machine, read by przerwij to cap a walk.
    std::uint64_t Kroki() const { return kroki_; }
    Ograniczenie UzyteOgraniczenie() const { return ograniczenie_; }
    Cel UzytyCel() const { return cel_; }

private:
    template <class Granice>
    bool przejdz(Granice& granice, const std::function<bool()>& przerwij,
                 std::atomic<std::uint32_t>& nrPermutacji, int krokKontroli);
    bool szukajZLagrange(const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                         int krokKontroli);
    void oglos(std::atomic<std::uint32_t>& nrPermutacji) const;

    const TablicaOdleglosci& odleglosci_;
    int n_;
    Ograniczenie ograniczenie_;
    Cel cel_;
    // Relative margins for the bounds, from the rounding of up to n
    // single-precision additions; 1 when every sum is exact.
    double zapasDolny_ = 1.0;
    double zapasGorny_ = 1.0;
    std::unique_ptr<GraniceDopelnien> granice_;
    // Lagrangian bounds on the shortest and on the longest completion;
    // penalties per depth of the walk for each.
    std::unique_ptr<RelaksacjaLagrange> relaksacjaKrotszej_;
    std::unique_ptr<RelaksacjaLagrange> relaksacjaDluzszej_;
    std::vector<double> karyKrotszej_;
    std::vector<double> karyDluzszej_;
    std::unique_ptr<PamiecPoddrzew> pamiecPoddrzew_;
    bool pamiecCzysta_ = true;
    // When every route sum is exact: the step all sums are multiples of.
    double krokSum_ = 0.0;
    PokrycieTras* pokrycie_ = nullptr;
    int przeglad_ = 0;

    std::vector<int> najlepsza_;
    float najkrotsza_ = 0.0f;
    float najdluzsza_ = 0.0f;
    Liczba128 pokryte_ = 0;
    std::uint64_t odwiedzone_ = 0;
    std::uint64_t kroki_ = 0;

    // Per-search working space: route, prefix sums, next candidate per
    // position, cities in use, subtree sizes.
    std::vector<int> trasa_;
    std::vector<float> sumy_;
    std::vector<int> nastepny_;
    std::vector<unsigned char> uzyte_;
    std::vector<Liczba128> silnia_;
    std::vector<double> najtanszeWejscie_;
    std::vector<double> najdrozszeWejscie_;
    std::vector<double> sumaTanszych_;
    std::vector<double> sumaDrozszych_;
    std::vector<float> pamiecKrotszej_;
    std::vector<float> pamiecDluzszej_;
};
