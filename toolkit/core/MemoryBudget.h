#pragma once

#include <cstdint>

// The most memory one search may take for its tables: half of the machine's
// physical memory. Asking more would not fail cleanly on a system that
// overcommits memory; it would be killed instead.
std::uint64_t memoryBudget();

// Raises the error "Za mało pamięci" when `bytes` exceed `budget`. The bytes
// come as a double, so that products of large counts cannot wrap around.
void requireMemory(double bytes, std::uint64_t budget);
