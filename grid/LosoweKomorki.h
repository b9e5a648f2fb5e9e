#pragma once

#include <cstdint>

// Fills the table of rows x columns cells (row after row) with exactly
// `miasta` cities, every set of that many cells equally likely, drawing from
// the calling thread's random source. Takes time in proportion to the table
// at most, however full it is to be.
void LosujKomorki(std::uint8_t* komorki, int wiersze, int kolumny, std::int64_t miasta);
