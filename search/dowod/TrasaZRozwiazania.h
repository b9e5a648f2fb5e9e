#pragma once

#include <span>
#include <vector>

class GrafWsparcia;

// The route an LP solution is, when its edges at 1 make one closed path
// through every city and no other edge carries weight; empty otherwise.
std::vector<int> TrasaZRozwiazania(const GrafWsparcia& g);
