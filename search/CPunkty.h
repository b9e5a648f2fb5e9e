#pragma once

#include "search/Punkt.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/MemoryBudget.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The numbered city list of a search: city k is the k-th city cell of the
// grid scanned row by row, each row from column 0.
class CPunkty {
public:
    std::vector<TPunkt> Punkty;

    int Count() const { return static_cast<int>(Punkty.size()); }
    void Clear() { Punkty.clear(); }
    void Add(TPunkt p) { Punkty.push_back(p); }

    // The grid is the window's CMatryca, or anything else that answers
    // GetRowCount, GetColumnCount and GetCell(row, column): the list itself
    // needs no window, so the command line and the searches can use it.
    template <class Matryca>
    void LoadFromCMatryca(const Matryca* matryca) {
        Clear();
        const int wiersze = matryca->GetRowCount();
        const int kolumny = matryca->GetColumnCount();
        for (int wiersz = 0; wiersz < wiersze; ++wiersz)
            for (int kolumna = 0; kolumna < kolumny; ++kolumna)
                if (matryca->GetCell(wiersz, kolumna))
                    Add(TPunkt{kolumna, wiersz});
    }

    // The table of distances between every pair of cities, in cell units;
    // none when the list is empty. A table larger than the budget is refused
    // with "Za mało pamięci" before anything is allocated. przerwij, when
    // given, is asked before every row: once it answers true the building
    // stops and there is no table either.
    std::unique_ptr<TablicaOdleglosci> CreateOdleglosci(std::uint64_t budzet = memoryBudget(),
                                                        const std::function<bool()>& przerwij = {}) const;
};
