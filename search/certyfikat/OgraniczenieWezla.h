#pragma once

#include "search/certyfikat/Certyfikat.h"

#include <cstdint>
#include <vector>

// The Lagrangian bound of a block of duals at a node, over every pair of
// cities, in whole numbers (scaled by S):
//
//   L = 2 sum_v y_v + sum_c prawa_c mu_c + sum_{e at 1} rc_e
//       + sum_{e free} min(0, rc_e),
//   rc_e = S w_e - y_u - y_v - sum_c mu_c coef_c(e),
//
// edges at 0 adding nothing. Every route x of the node weighs at least L/S:
// S w.x = sum_v y_v x(delta(v)) + sum_c mu_c coef_c.x + rc.x, with
// x(delta(v)) = 2, coef_c.x >= prawa_c and mu_c >= 0. With the weights left
// out the same sum checks a Farkas ray: L > 0 leaves no route at all.
//
// Everything is indexed by the positions of the section's route. A set's
// coefficient on the pair (p, q) is [p in S] + [q in S] - 2 [p in S][q in S]:
// the first two are per-city sums, O(|S|) with a difference array, and the
// product is a sum of rectangles I x J over the pairs of the set's
// intervals, added on a 2-D difference array; F's edges are single cells of
// it. A node costs O(n^2 + sum over cuts of k^2) for k intervals a set.
class OgraniczenieWezla {
public:
    struct Ciecie {
        std::vector<ZbiorPozycji> zbiory;
        // F as positions, the larger first.
        std::vector<std::pair<int, int>> krawedzie;
        int prawa = 0;
    };
    // The state of a pair, indexed p (p - 1) / 2 + q for positions p > q.
    enum Stan : std::uint8_t { Wolna = 0, Jeden = 1, Zero = 2, Wyeliminowana = 3 };

    // miasta: the city at each position; wagi: the weights minimised, by
    // pairs of positions.
    OgraniczenieWezla(std::vector<int> miasta, std::vector<std::int64_t> wagi, std::vector<Ciecie> ciecia);

    // Ranges a block must keep to (the sums then stay far inside 128 bits):
    // |y| < 2^64, 0 <= mu < 2^64, at most 2^20 multipliers, each naming a
    // cut. What is wrong, or empty.
    QString Niepoprawne(const DualneCertyfikatu& d) const;

    Int128 Granica(const DualneCertyfikatu& d, Int128 skala, bool zWagami, const std::vector<std::uint8_t>& stan);
    // The free pairs for which L + max(0, rc) > prog.
    std::vector<std::size_t> Eliminowane(const DualneCertyfikatu& d, Int128 skala,
                                         const std::vector<std::uint8_t>& stan, Int128 prog);

private:
    Int128 przygotuj(const DualneCertyfikatu& d);
    template <class Dla>
    void przejdz(Int128 skala, bool zWagami, const std::vector<std::uint8_t>& stan, Dla&& dla) const;

    int n_;
    std::vector<int> miasta_;
    std::vector<std::int64_t> wagi_;
    std::vector<Ciecie> ciecia_;
    // Per position: y plus the multipliers of the sets holding it.
    std::vector<Int128> pi_;
    // (n + 1) x (n + 1): the rectangles' difference array, then its sums.
    std::vector<Int128> iloczyn_;
};
