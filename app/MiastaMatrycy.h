#pragma once

#include "search/Punkt.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CMatryca;

// The grid's size and which of its cells are cities, kept as small as they
// go: the list of city cells, or one bit a cell where the list would be
// larger. An 8192 X 8192 grid with a thousand cities costs 8 kB, not 64 MB.
class MiastaMatrycy {
public:
    static MiastaMatrycy Z(const CMatryca& matryca);

    // The grid takes this size and exactly these cities; its other settings
    // stay. The cell table of the size is had for a moment, as any change
    // of the grid's cities has it.
    void Przywroc(CMatryca& matryca) const;

    int Wiersze() const { return wiersze_; }
    int Kolumny() const { return kolumny_; }
    int Ilosc() const { return ilosc_; }
    std::size_t Bajty() const { return miasta_.size() * sizeof(TPunkt) + bity_.size() * sizeof(std::uint64_t); }

private:
    void ustawBit(std::size_t i) { bity_[i / 64] |= std::uint64_t(1) << (i % 64); }

    int wiersze_ = 0;
    int kolumny_ = 0;
    int ilosc_ = 0;
    std::vector<TPunkt> miasta_;
    std::vector<std::uint64_t> bity_;
};
