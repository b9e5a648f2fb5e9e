#pragma once

#include "search/Metryka.h"
#include "search/certyfikat/Certyfikat.h"

#include <QString>

#include <cstdint>
#include <vector>

// A checker's answer: valid, or the first thing that fails, naming the
// node, the cut or the edge (in the command line's English).
struct WerdyktCertyfikatu {
    bool wazny = false;
    QString powod;
};

// Checks a certificate against the instance it names, measured by the
// instance's own metric d (whole distances; the grid's cells raise
// UserError) under its NAME nazwa, and against trasa, the route of a .tour
// file (cities from 0): it must be as long as the shortest route the
// certificate proves (the longest, where it proves only that). Every weight
// is computed here from d; nothing in the verdict is a floating-point
// number or comes from an LP solver.
WerdyktCertyfikatu SprawdzCertyfikat(const Certyfikat& c, const Metryka& d, const QString& nazwa,
                                     const std::vector<int>& trasa);

// One section against the metric's whole weights (WagiCalkowite of n
// cities): its route and length, its cuts' shapes, its tree and every
// leaf's bound.
WerdyktCertyfikatu SprawdzSekcje(const SekcjaCertyfikatu& s, const std::vector<std::int64_t>& wagi, int n);
