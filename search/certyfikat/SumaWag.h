#pragma once

#include "search/Metryka.h"

#include <cstdint>
#include <vector>

// The metric's weights as whole numbers, below the diagonal row after row
// (the weight of cities a > b at a (a - 1) / 2 + b). Raises UserError for a
// metric whose weights are not whole (the window's cells) or pass 2^31.
std::vector<std::int64_t> WagiCalkowite(const Metryka& d);

// FNV-1a 64 over those weights in that order, each as 8 bytes of a
// two's-complement little-endian integer: a certificate names its
// instance by it.
std::uint64_t SumaWag(const std::vector<std::int64_t>& wagi);
