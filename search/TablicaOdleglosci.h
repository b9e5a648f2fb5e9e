#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>

// The n x n table of distances between the cities of one search, in the
// units of its metric (cells in the window): entry [i][j] is the distance
// between city i and city j.
class TablicaOdleglosci {
public:
    // Every entry 0.
    explicit TablicaOdleglosci(int n)
        : n_(n > 0 ? n : 0), wartosci_(std::make_unique<float[]>(rozmiar(n_))) {}

    // Entries unset, for a builder that writes every one: the memory of a
    // table of gigabytes is then touched row by row as it is written, not
    // all at once before the first row.
    struct Niewypelniona {};
    TablicaOdleglosci(int n, Niewypelniona)
        : n_(n > 0 ? n : 0), wartosci_(std::make_unique_for_overwrite<float[]>(rozmiar(n_))) {}

    TablicaOdleglosci(const TablicaOdleglosci& inna) : TablicaOdleglosci(inna.n_, Niewypelniona{}) {
        std::copy_n(inna.wartosci_.get(), rozmiar(n_), wartosci_.get());
    }
    TablicaOdleglosci& operator=(const TablicaOdleglosci& inna) {
        if (this != &inna)
            *this = TablicaOdleglosci(inna);
        return *this;
    }
    TablicaOdleglosci(TablicaOdleglosci&&) noexcept = default;
    TablicaOdleglosci& operator=(TablicaOdleglosci&&) noexcept = default;

    int Count() const { return n_; }
    float* operator[](int wiersz) { return wartosci_.get() + std::size_t(wiersz) * std::size_t(n_); }
    const float* operator[](int wiersz) const { return wartosci_.get() + std::size_t(wiersz) * std::size_t(n_); }

private:
    static std::size_t rozmiar(int n) { return std::size_t(n) * std::size_t(n); }

    int n_;
    std::unique_ptr<float[]> wartosci_;
};

// The main window's slot for the table of the current search. Workers keep a
// pointer to the slot, not to the table, and look the table up through it.
using OdleglosciSlot = std::unique_ptr<TablicaOdleglosci>;
