#pragma once

// Draws one route of n cities into q: d receives the n draws, r is working
// space of n entries. Step i picks among the first n-i-1 of the n-i cities
// left, so city n-1 always comes last and the others are in random order.
// Uses the calling thread's random source (LosowaLiczba).
void LosujTrase(int n, int* d, int* r, int* q);
