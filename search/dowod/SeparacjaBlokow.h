#pragma once

#include "search/dowod/Ciecie.h"
#include "search/dowod/GrafWsparcia.h"

#include <vector>

// Block combs violated by at least TolerancjeDowodu::kNaruszenie. In the
// graph of the fractional edges (0 < x < 1) each block, a 2-connected piece,
// is a handle H. Its teeth: at each cut city v of the block, v with all the
// fractional graph hangs off v away from H; at each other city of H, an
// edge at 1 leaving H. Where the fractional components' blossoms see one
// handle, a component strung of blocks at cut cities gives one comb a
// block; an even number of teeth drops the one with the heaviest cut. Teeth
// all of two cities come back as the blossom they are.
std::vector<Ciecie> SeparujGrzebienieBlokowe(const GrafWsparcia& g);
