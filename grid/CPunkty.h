#pragma once

#include "grid/Punkt.h"
#include "search/TablicaOdleglosci.h"
#include "toolkit/core/MemoryBudget.h"

#include <cstdint>
#include <memory>
#include <vector>

class CMatryca;

// The distance between two cells in cell units, as the distance table holds it.
float Odleglosc(TPunkt a, TPunkt b);

// The numbered city list of a search: city k is the k-th city cell of the
// grid scanned row by row, each row from column 0.
class CPunkty {
public:
    std::vector<TPunkt> Punkty;

    int Count() const { return static_cast<int>(Punkty.size()); }
    void Clear() { Punkty.clear(); }
    void Add(TPunkt p) { Punkty.push_back(p); }

    void LoadFromCMatryca(const CMatryca* matryca);

    // The table of distances between every pair of cities, in cell units;
    // none when the list is empty. A table larger than the budget is refused
    // with "Za mało pamięci" before anything is allocated.
    std::unique_ptr<TablicaOdleglosci> CreateOdleglosci(std::uint64_t budzet = memoryBudget()) const;
};
