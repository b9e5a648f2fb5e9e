#pragma once

#include <cstdint>

// A grid cell: x is the column index and y the row index, both from 0.
struct TPunkt {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const TPunkt&, const TPunkt&) = default;
};
