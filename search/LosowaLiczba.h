#pragma once

#include <cstdint>
#include <optional>

// Each thread has a random source of its own.

// Seeds the calling thread's source.
void UstawZiarno(std::uint32_t ziarno);

// Seeds the calling thread's source from the current time in whole seconds,
// or with the seed fixed for this thread.
void ZiarnoZCzasu();

// Fixes the seed that ZiarnoZCzasu uses on the calling thread in place of
// the clock; none gives the clock back. Lets a test repeat a draw without
// racing the clock's second.
void UstalZiarnoZamiastCzasu(std::optional<std::uint32_t> ziarno);

// The next 31-bit value (0 .. 2^31-1) of the calling thread's source.
std::uint32_t Losowanie31();

// The next 15-bit value (0 .. 32767) of the calling thread's source.
int Losowanie15();

// 0 for k = 0 without a draw; otherwise a 31-bit draw taken modulo k.
int LosowaLiczba(int k);
