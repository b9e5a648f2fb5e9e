#pragma once

#include <cstdint>

// A set of the cities 1..n-1 (city 0 starts every route and is never in a
// set) as the bits of a 32-bit word, bit c-1 standing for city c. The parts
// of the exact search that name subtrees or table entries by such a set go
// up to kNajwiecejMiastWZbiorze cities.
using ZbiorMiast = std::uint32_t;

inline constexpr int kNajwiecejMiastWZbiorze = 33;

// 1 <= miasto <= 32.
constexpr ZbiorMiast BitMiasta(int miasto) {
    return ZbiorMiast(1) << (miasto - 1);
}

// The cities 1..n-1, for 1 <= n <= kNajwiecejMiastWZbiorze: a shift by the
// full width of the word is undefined, so the mask is cut from all ones.
constexpr ZbiorMiast WszystkieMiasta(int iloscMiast) {
    return iloscMiast <= 1 ? 0 : ~ZbiorMiast(0) >> (kNajwiecejMiastWZbiorze - iloscMiast);
}

static_assert(WszystkieMiasta(33) == 0xFFFFFFFFu);
static_assert(WszystkieMiasta(2) == 1u);
static_assert(WszystkieMiasta(25) == 0xFFFFFFu);
