#pragma once

#include <memory>
#include <vector>

// The n x n table of distances between the cities of one search, in cell
// units: entry [i][j] is the distance between city i and city j.
class TablicaOdleglosci {
public:
    explicit TablicaOdleglosci(int n) : n_(n > 0 ? n : 0), wartosci_(std::size_t(n_) * std::size_t(n_), 0.0f) {}

    int Count() const { return n_; }
    float* operator[](int wiersz) { return wartosci_.data() + std::size_t(wiersz) * std::size_t(n_); }
    const float* operator[](int wiersz) const { return wartosci_.data() + std::size_t(wiersz) * std::size_t(n_); }

private:
    int n_;
    std::vector<float> wartosci_;
};

// The main window's slot for the table of the current search. Workers keep a
// pointer to the slot, not to the table, and look the table up through it.
using OdleglosciSlot = std::unique_ptr<TablicaOdleglosci>;
