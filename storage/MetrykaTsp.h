#pragma once

#include "search/Metryka.h"

#include <QString>

// TSPLIB's EDGE_WEIGHT_TYPE of a metric: EUC_2D, CEIL_2D, ATT, GEO or
// EXPLICIT; empty for the grid's cells, which TSPLIB has no name for.
QString NazwaTsplib(RodzajMetryki rodzaj);

// TSPLIB's degrees.minutes (GEO) as degrees.
double StopnieZeStopniMinut(double stopnieMinuty);
