#pragma once

#include <span>

// Every city 0..n-1 exactly once: the one test of a route that every search,
// window and command applies before it measures or draws one.
bool JestTrasa(std::span<const int> trasa, int n);
