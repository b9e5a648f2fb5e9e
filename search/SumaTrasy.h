#pragma once

#include "search/TablicaOdleglosci.h"

// Closed length of a route of n cities, summed in single precision in route
// order: each step from the earlier city to the later one, then the closing
// step back to the first city. Every search compares these exact values.
float SumaTrasy(const TablicaOdleglosci& odleglosci, const int* trasa, int n);
