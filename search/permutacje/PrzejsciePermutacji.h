#pragma once

#include "search/permutacje/PokrycieTras.h"
#include "search/Silnia.h"
#include "search/SumaTrasy.h"
#include "search/TablicaOdleglosci.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <numeric>
#include <vector>

// The depth-first walk over every route that starts with city 0, in
// lexicographic order, carrying the prefix sums, which are exactly the values
// a route's own single-precision sum passes through. A bound (Granice)
// decides which subtrees cannot change the results; their routes count as
// covered without being evaluated.
class PrzejsciePermutacji {
public:
    PrzejsciePermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast);

    // The identity, the first route in the order, as the best and the worst
    // so far; the counters at zero.
    void Zacznij(std::atomic<std::uint32_t>& nrPermutacji);

    // Walks from the start. Every krokKontroli steps it reports the routes
    // covered and polls przerwij; true there stops the walk with the results
    // met so far, and it returns false.
    template <class Granice>
    bool Przejdz(Granice& granice, const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                 int krokKontroli);

    // A route met outside the walk, with its own sum, competes as the walk's
    // routes do.
    void Zglos(const std::vector<int>& trasa, float dlugosc);
    void ZglosDluzsza(float dlugosc) { najdluzsza_ = std::max(najdluzsza_, dlugosc); }

    void UstawPokrycie(PokrycieTras* pokrycie, int przeglad) {
        pokrycie_ = pokrycie;
        przeglad_ = przeglad;
    }

    const std::vector<int>& NajlepszaTrasa() const { return najlepsza_; }
    float NajkrotszaDroga() const { return najkrotsza_; }
    float NajdluzszaDroga() const { return najdluzsza_; }
    Liczba128 Pokryte() const { return pokryte_; }
    std::uint64_t Odwiedzone() const { return odwiedzone_; }
    std::uint64_t Kroki() const { return kroki_; }
    // The flags of the cities placed on the current path, for bounds that
    // look at the cities left.
    unsigned char* Uzyte() { return uzyte_.data(); }

private:
    void oglos(std::atomic<std::uint32_t>& nrPermutacji) const;

    const TablicaOdleglosci& odleglosci_;
    int n_;
    PokrycieTras* pokrycie_ = nullptr;
    int przeglad_ = 0;

    std::vector<int> najlepsza_;
    float najkrotsza_ = 0.0f;
    float najdluzsza_ = 0.0f;
    Liczba128 pokryte_ = 0;
    std::uint64_t odwiedzone_ = 0;
    std::uint64_t kroki_ = 0;

    // Route, prefix sums, next candidate per position, cities in use, and
    // the routes below a subtree of each depth.
    std::vector<int> trasa_;
    std::vector<float> sumy_;
    std::vector<int> nastepny_;
    std::vector<unsigned char> uzyte_;
    std::vector<Liczba128> silnia_;
};

template <class Granice>
bool PrzejsciePermutacji::Przejdz(Granice& granice, const std::function<bool()>& przerwij,
                                  std::atomic<std::uint32_t>& nrPermutacji, int krokKontroli) {
    const TablicaOdleglosci& T = odleglosci_;
    const int n = n_;
    krokKontroli = std::max(krokKontroli, 1);
    if (n == 1) {
        pokryte_ = odwiedzone_ = 1;
        oglos(nrPermutacji);
        return true;
    }
    int* const trasa = trasa_.data();
    float* const sumy = sumy_.data();
    int* const nastepny = nastepny_.data();
    unsigned char* const uzyte = uzyte_.data();
    std::fill(uzyte_.begin(), uzyte_.end(), 0);
    trasa[0] = 0;
    uzyte[0] = 1;
    sumy[0] = 0.0f;

    // Position d takes the unused cities in increasing order, so the routes
    // come in lexicographic order and a tie keeps the earlier one.
    int d = 1;
    nastepny[1] = 1;
    int doKontroli = krokKontroli;
    for (;;) {
        ++kroki_;
        if (--doKontroli == 0) {
            doKontroli = krokKontroli;
            oglos(nrPermutacji);
            if (przerwij())
                return false;
        }
        int c = nastepny[d];
        while (c < n && uzyte[c])
            ++c;
        if (c >= n) {
            if (--d == 0)
                break;
            uzyte[trasa[d]] = 0;
            granice.zwolnij(trasa[d], sumy[d]);
            continue;
        }
        nastepny[d] = c + 1;
        const float p = sumy[d - 1] + T[c][trasa[d - 1]];
        if (d == n - 1) {
            trasa[d] = c;
            const float L = p + T[0][c];
            if (L < najkrotsza_) {
                najkrotsza_ = L;
                std::copy(trasa, trasa + n, najlepsza_.begin());
            }
            if (L > najdluzsza_)
                najdluzsza_ = L;
            ++pokryte_;
            ++odwiedzone_;
            continue;
        }
        if (granice.bezZmian(p, c, najkrotsza_, najdluzsza_)) {
            pokryte_ += silnia_[std::size_t(n - 1 - d)];
            continue;
        }
        trasa[d] = c;
        uzyte[c] = 1;
        granice.zajmij(c);
        sumy[d] = p;
        ++d;
        nastepny[d] = 1;
    }
    oglos(nrPermutacji);
    return true;
}
