#pragma once

#include "search/Metryka.h"
#include "search/OdlegloscGeoZPamiecia.h"
#include "search/OdlegloscJawna.h"
#include "search/OdlegloscPlaska.h"

// Calls f with the distance of the metric's kind as a type of its own
// (OdlegloscPlaska, OdlegloscJawna, GEO through OdlegloscGeoZPamiecia), so
// that a search templated on it measures inline: the kind is chosen here,
// once, not per distance. Every type gives the metric's own figures. The
// distance given lives for the call; a GEO one holds a cache of its own, so
// each thread makes this call for itself.
template <class F>
decltype(auto) ZOdlegloscia(const Metryka& d, F&& f) {
    const double* x = d.X().data();
    const double* y = d.Y().data();
    switch (d.Rodzaj()) {
    case RodzajMetryki::Komorki:
        return f(OdlegloscPlaska<WzorKomorek>(x, y));
    case RodzajMetryki::Euc2d:
        return f(OdlegloscPlaska<WzorEuc2d>(x, y));
    case RodzajMetryki::Ceil2d:
        return f(OdlegloscPlaska<WzorCeil2d>(x, y));
    case RodzajMetryki::Att:
        return f(OdlegloscPlaska<WzorAtt>(x, y));
    case RodzajMetryki::Geo:
        if (d.Ilosc() <= OdlegloscGeoZPamiecia::NajwiecejMiast)
            return f(OdlegloscGeoZPamiecia(d));
        break;
    case RodzajMetryki::Jawna:
        return f(OdlegloscJawna(d.WagiPodPrzekatna().data()));
    }
    return f(d);
}
