#pragma once

#include "search/certyfikat/Liczba128.h"

#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// A certificate that a route is the shortest (or the longest) of an
// instance: the branch and cut tree that proves it, in whole numbers only.
// Every figure is about the weights minimised: the metric's distances for
// the shortest route, their negation for the longest. The text form is
// TekstCertyfikatu's and CzytanieCertyfikatu's; README.md describes it.

// A set of cities as intervals of positions in its section's route: from,
// to (both in), ascending and disjoint.
struct Przedzial {
    int od = 0;
    int doKonca = 0;
    bool operator==(const Przedzial&) const = default;
};
using ZbiorPozycji = std::vector<Przedzial>;

// One inequality  sum_j x(delta(S_j)) - 2 x(F) >= prawa  valid for every
// route, by its shape (the checker derives prawa from it):
// - Podcykl: one set S, a proper nonempty subset: x(delta(S)) >= 2;
// - Kwiat: a handle H and an odd set F of edges of delta(H):
//   x(delta(H)) - 2 x(F) >= 1 - |F|;
// - Grzebien: a handle H and an odd number k >= 3 of pairwise disjoint
//   teeth, each meeting H and leaving it: x(delta(H)) + sum x(delta(T))
//   >= 3k + 1.
struct CiecieCertyfikatu {
    enum class Rodzaj { Podcykl, Kwiat, Grzebien };
    Rodzaj rodzaj = Rodzaj::Podcykl;
    // The set, or the handle then the teeth.
    std::vector<ZbiorPozycji> zbiory;
    // Kwiat: F, as pairs of cities.
    std::vector<std::pair<int, int>> krawedzie;
    bool operator==(const CiecieCertyfikatu&) const = default;
};

// Multipliers scaled by the section's skala to whole numbers: one y a
// degree equation (free), one mu a cut (>= 0), the others 0.
struct DualneCertyfikatu {
    std::vector<Int128> y;
    std::vector<std::pair<int, Int128>> mu;
    bool operator==(const DualneCertyfikatu&) const = default;
};

// A node of the tree; the root is node 0. A branch splits on one edge into
// a child with x_uv = 0 and one with x_uv = 1. A leaf is closed by the
// Lagrangian bound of a block of duals, or by a Farkas ray (the same sum
// without the weights, above 0). An elimination at a node fixes to 0, in
// every node below it, each edge its duals price out of a better route.
struct WezelCertyfikatu {
    enum class Rodzaj { Brak, Rozgalezienie, Granica, Promien };
    Rodzaj rodzaj = Rodzaj::Brak;  // Brak: no record of this id
    int u = -1, v = -1;
    int zero = -1, jeden = -1;
    int dualne = -1;  // Granica, Promien
    int eliminacja = -1;  // a block of duals, or -1
    bool operator==(const WezelCertyfikatu&) const = default;
};

enum class CelCertyfikatu { Najkrotsza, Najdluzsza };

struct SekcjaCertyfikatu {
    CelCertyfikatu cel = CelCertyfikatu::Najkrotsza;
    // The route's length in the metric (positive for both goals).
    std::int64_t dlugosc = 0;
    Int128 skala = 1;
    // Cities from 0 in the file's order; also the order of the positions.
    std::vector<int> trasa;
    std::vector<CiecieCertyfikatu> ciecia;
    std::vector<DualneCertyfikatu> dualne;
    // Indexed by id; ids without a record are Brak.
    std::vector<WezelCertyfikatu> wezly;
    bool operator==(const SekcjaCertyfikatu&) const = default;
};

struct Certyfikat {
    static constexpr int kWersja = 1;
    // The most cities a certificate may have: the checker's sums stay inside
    // 128 bits up to here, and its table of pairs in memory.
    static constexpr int kNajwiecejMiast = 4096;
    QString nazwa;  // the instance's NAME
    int miasta = 0;
    // FNV-1a 64 of the metric's weights (SumaWag).
    std::uint64_t suma = 0;
    // The shortest route's first, when there is one.
    std::vector<SekcjaCertyfikatu> sekcje;
    bool operator==(const Certyfikat&) const = default;
};
