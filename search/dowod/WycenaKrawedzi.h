#pragma once

#include "search/dowod/Krawedz.h"
#include "search/dowod/ProgramLiniowy.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Reduced costs of all n(n-1)/2 edges under the duals of an LP over a few of
// them, and the bound those duals prove. For any duals y (free on the
// degree rows, clamped to >= 0 on the cut rows, which are >= rows) every
// route x within the node's bounds l <= x <= u satisfies
//
//     w.x  >=  sum_r y_r b_r  +  sum_e min(rc_e l_e, rc_e u_e),
//     rc_e  =  w_e - sum_r y_r a_re,
//
// over all edges, in the LP or not: the Lagrangian bound. It is computed
// here in long double from the duals as given, less a bound on its own
// rounding: per edge, the terms summed into its reduced cost times their
// magnitudes, only for the edges whose term it can change (those in the
// sum, and those at reduced cost within that error of 0); and the same for
// the sums of the terms and of y_r b_r. It holds whatever Clp's arithmetic
// did, and stays a tiny fraction of a unit at thousands of cities of
// weights in the millions, where the optimum's node must close. It equals the LP's value over all
// edges once no edge outside the LP has a negative reduced cost.
//
// Eliminated edges (wyeliminowana) are out of the problem (u = 0): the
// proof is then about routes better than the best one known, which they
// cannot be part of.
//
// With weights left out (zWagami false) the same sum checks a proof of
// infeasibility: multipliers whose bound is positive show that no x within
// the bounds meets the rows.
class WycenaKrawedzi {
public:
    WycenaKrawedzi(const ProgramLiniowy& lp, const std::vector<std::uint8_t>& wyeliminowana);

    struct Ujemna {
        double koszt;
        Krawedz krawedz;
    };
    struct Wynik {
        long double granica = 0.0L;
        // Edges outside the LP with reduced cost below -kUjemnyKoszt, most
        // negative first, at most the limit asked for.
        std::vector<Ujemna> ujemne;
    };
    Wynik Wycen(std::span<const double> dualne, bool zWagami, std::size_t limit);

    // Edges that no route within the bounds can use (zostaw 0) or do
    // without (zostaw 1) while beating the proof's target, by the bound
    // granica these duals gave: a route using e weighs at least granica +
    // rc_e, and one without an edge of negative rc_e at least granica -
    // rc_e. wystarcza(b) says that routes of weight b or more cannot beat
    // it. Only edges free in [0, 1] are looked at; for the others nothing
    // is said.
    struct Ustalenie {
        Krawedz krawedz;
        int zostaw;
    };
    std::vector<Ustalenie> Ustal(std::span<const double> dualne, long double granica,
                                 const std::function<bool(long double)>& wystarcza);

private:
    struct Krok;
    struct Potencjaly;
    Potencjaly potencjaly(std::span<const double> dualne) const;
    template <class Dla>
    long double przejdz(std::span<const double> dualne, bool zWagami, Dla&& dla);

    const ProgramLiniowy& lp_;
    const std::vector<std::uint8_t>& wyeliminowana_;
};
