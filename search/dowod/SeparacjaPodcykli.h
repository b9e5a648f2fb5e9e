#pragma once

#include "search/dowod/Ciecie.h"
#include "search/dowod/GrafWsparcia.h"

#include <vector>

// Subtour constraints x(delta(S)) >= 2 that the solution violates by at
// least TolerancjeDowodu::kNaruszenie, found exactly: the components of the
// support graph when it falls apart, otherwise up to kNajwiecejPodcykli
// cuts below 2 by global minimum cuts (CieciaGlobalne), the first of them
// the least. So one is returned whenever any subtour constraint is
// violated that much. The Gomory-Hu tree's n - 1 flows found more a round,
// but took half of all the time at a thousand cities. Paths of edges at
// x = 1 are shrunk first: with the degree equations, moving a city across a
// cut to the other end of its edge at 1 never raises the cut's value.
inline constexpr int kNajwiecejPodcykli = 16;
std::vector<Ciecie> SeparujPodcykle(const GrafWsparcia& g);

// The cheap part: the components of the support graph, and those of its
// edges above a few thresholds, each a set whose constraint is checked.
// Finds most violated subtours of a round without a single flow; when it
// finds none, SeparujPodcykle still may.
std::vector<Ciecie> SeparujPodcykleSkladowymi(const GrafWsparcia& g);
