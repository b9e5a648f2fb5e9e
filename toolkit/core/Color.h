#pragma once

#include <cstdint>

// A colour as the program stores it: red in the lowest byte, then green, then
// blue, and 0 in the highest byte.
using TColor = std::uint32_t;

constexpr TColor rgbColor(int red, int green, int blue) {
    return static_cast<TColor>(red & 0xFF) | (static_cast<TColor>(green & 0xFF) << 8)
           | (static_cast<TColor>(blue & 0xFF) << 16);
}
