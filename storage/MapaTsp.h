#pragma once

#include <cstdint>
#include <vector>

// A city read from or written to a TSPLIB file: its id in the file and the
// grid cell it stands in.
struct MiastoTsp {
    int Id = 0;
    int Wiersz = 0;
    int Kolumna = 0;
};

// Cities on a grid of RowCount x ColumnCount cells, in the file's order.
struct MapaTsp {
    int RowCount = 0;
    int ColumnCount = 0;
    std::vector<MiastoTsp> Miasta;
    // The grid is the one the file's COMMENT names, not the cities' extent.
    bool SiatkaZPliku = false;
};

// The most cells the window's grid holds (8192 x 8192, a byte each): the
// grid refuses a larger table, and a file whose cities need one opens off
// the grid.
inline constexpr std::int64_t MaksKomorekOkna = std::int64_t(1) << 26;
