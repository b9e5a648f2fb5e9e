#pragma once

#include "search/Metryka.h"
#include "search/OdlegloscGeoZPamiecia.h"
#include "search/OdlegloscJawna.h"
#include "search/OdlegloscPlaska.h"

// Calls f with the formula of a kind in the plane (WzorKomorek,
// WzorEuc2d, WzorCeil2d, WzorAtt), for code templated on it; rodzaj must be
// one of those four.
template <class F>
decltype(auto) ZWzoremPlaskim(RodzajMetryki rodzaj, F&& f) {
    switch (rodzaj) {
    case RodzajMetryki::Komorki:
        return f(WzorKomorek{});
    case RodzajMetryki::Euc2d:
        return f(WzorEuc2d{});
    case RodzajMetryki::Ceil2d:
        return f(WzorCeil2d{});
    default:
        return f(WzorAtt{});
    }
}

// Calls f with the distance of the metric's kind as a type of its own
// (OdlegloscPlaska, OdlegloscJawna, GEO through OdlegloscGeoZPamiecia), so
// that a search templated on it measures inline: the kind is chosen here,
// once, not per distance. Every type gives the metric's own figures. The
// distance given lives for the call; a GEO one holds a cache of its own, so
// each thread makes this call for itself.
template <class F>
decltype(auto) ZOdlegloscia(const Metryka& d, F&& f) {
    switch (d.Rodzaj()) {
    case RodzajMetryki::Geo:
        if (d.Ilosc() <= OdlegloscGeoZPamiecia::NajwiecejMiast)
            return f(OdlegloscGeoZPamiecia(d));
        return f(d);
    case RodzajMetryki::Jawna:
        return f(OdlegloscJawna(d.WagiPodPrzekatna().data()));
    default:
        return ZWzoremPlaskim(d.Rodzaj(), [&](auto wzor) -> decltype(auto) {
            return f(OdlegloscPlaska<decltype(wzor)>(d.X().data(), d.Y().data()));
        });
    }
}
