#pragma once

#include "search/Metryka.h"
#include "search/lokalne/SasiedziKandydaci.h"

#include <functional>
#include <memory>

// Candidate neighbours for the local search (UstawieniaLokalne::kandydaci)
// from alpha-nearness: each city's k least-alpha neighbours (AlfaBliskosc)
// under the penalties of a lower bound computed for limitSekund, with the
// nearest and quadrant neighbours the search would pick itself when
// zNajblizszymi. nullptr when przerwij asked to stop first.
std::shared_ptr<const SasiedziKandydaci> KandydaciAlfa(const Metryka& d, int k, bool zNajblizszymi,
                                                       double limitSekund, const std::function<bool()>& przerwij);
