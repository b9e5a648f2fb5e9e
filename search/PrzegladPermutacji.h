#pragma once

#include "search/TablicaOdleglosci.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class GraniceDopelnien;

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
        HeldKarp,  // exact shortest/longest completions (up to 20 cities)
    };

    // Allocates everything the search needs. The bound asked for is lowered
    // when it does not apply: Brak for a table with negative or non-finite
    // entries, Proste for more than GraniceDopelnien::kNajwiecejMiast cities
    // or when its tables cannot be allocated.
    PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast,
                       Ograniczenie ograniczenie = Ograniczenie::HeldKarp);
    ~PrzegladPermutacji();

    PrzegladPermutacji(const PrzegladPermutacji&) = delete;
    PrzegladPermutacji& operator=(const PrzegladPermutacji&) = delete;

    // Runs the search. Every krokKontroli steps it stores the routes covered
    // after the first one (modulo 2^32) into nrPermutacji and polls przerwij;
    // true there stops the search with the results met so far. Returns
    // false when stopped that way.
    bool Szukaj(const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                int krokKontroli = 4096);

    const std::vector<int>& NajlepszaTrasa() const { return najlepsza_; }
    float NajkrotszaDroga() const { return najkrotsza_; }
    float NajdluzszaDroga() const { return najdluzsza_; }
    // Routes evaluated or skipped, the identity included (modulo 2^64).
    std::uint64_t Pokryte() const { return pokryte_; }
    std::uint64_t Odwiedzone() const { return odwiedzone_; }
    Ograniczenie UzyteOgraniczenie() const { return ograniczenie_; }

private:
    template <class Granice>
    bool przejdz(Granice& granice, const std::function<bool()>& przerwij,
                 std::atomic<std::uint32_t>& nrPermutacji, int krokKontroli);
    void oglos(std::atomic<std::uint32_t>& nrPermutacji) const;

    const TablicaOdleglosci& odleglosci_;
    int n_;
    Ograniczenie ograniczenie_;
    // Relative margins for the bounds, from the rounding of up to n
    // single-precision additions; 1 when every sum is exact.
    double zapasDolny_ = 1.0;
    double zapasGorny_ = 1.0;
    std::unique_ptr<GraniceDopelnien> granice_;

    std::vector<int> najlepsza_;
    float najkrotsza_ = 0.0f;
    float najdluzsza_ = 0.0f;
    std::uint64_t pokryte_ = 0;
    std::uint64_t odwiedzone_ = 0;

    // Per-search working space: route, prefix sums, next candidate per
    // position, cities in use, subtree sizes.
    std::vector<int> trasa_;
    std::vector<float> sumy_;
    std::vector<int> nastepny_;
    std::vector<unsigned char> uzyte_;
    std::vector<std::uint64_t> silnia_;
    std::vector<double> najtanszeWejscie_;
    std::vector<double> najdrozszeWejscie_;
    std::vector<double> sumaTanszych_;
    std::vector<double> sumaDrozszych_;
    std::vector<float> pamiecKrotszej_;
    std::vector<float> pamiecDluzszej_;
};
