#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// TSPLIB's EDGE_WEIGHT_TYPE of an instance.
enum class TypWagTsp { Euc2d, Ceil2d, Att, Geo, Jawne };

// A .tsp file as read: city k is the k-th city of the file.
struct InstancjaTsp {
    QString Nazwa;  // NAME, empty when not given
    TypWagTsp TypWag = TypWagTsp::Euc2d;
    // The file's ids of the cities, in file order. Explicit weights number
    // their cities 1..n, and so do their ids.
    std::vector<int> Ids;
    // The coordinates, as read, when the file gives them: the metric's own
    // (NODE_COORD_SECTION), or for explicit weights those to display the
    // cities by (NODE_COORD_SECTION or DISPLAY_DATA_SECTION); else empty.
    std::vector<double> X;
    std::vector<double> Y;
    // Explicit weights below the diagonal, row after row: the weight of
    // cities a > b (from 0) is at a * (a - 1) / 2 + b.
    std::vector<std::int32_t> Wagi;
    // Rows and columns of the grid our own files name in their COMMENT.
    std::optional<std::pair<int, int>> SiatkaZKomentarza;

    int Ilosc() const { return int(Ids.size()); }
    bool MaWspolrzedne() const { return !X.empty(); }
};
