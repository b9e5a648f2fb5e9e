#pragma once

// The tolerances of the branch and cut, each with its reason. In the whole
// metrics none of them decides a proof: every bound is recomputed from the
// LP's duals over all edges in long double, less a bound on that
// computation's own rounding (WycenaKrawedzi), and is valid whatever the
// duals are; it proves a route once it is above the route's weight less 1.
// In the window's single-precision cells a proof is to within
// kDokladnoscKomorek, a millionth of the route's length. The LP's
// tolerances only steer which cuts, columns and branches are taken.
namespace TolerancjeDowodu {

// Below this an edge is out of the support graph: Clp keeps primal values
// to 1e-7, so smaller ones are noise of the last pivot.
inline constexpr double kZeroX = 1e-6;

// x this close to 0 or 1 counts as whole: when a branching edge is picked,
// when edges at 1 are shrunk or taken as a blossom's teeth, and when the
// LP's solution is read as a route (a route is measured again in whole
// edges before it counts).
inline constexpr double kCalkowite = 1e-6;

// A cut enters the LP when violated by at least this: shallower cuts move
// the bound by nothing measurable and only grow the LP and its degeneracy.
inline constexpr double kNaruszenie = 1e-3;

// A column enters when its reduced cost is below minus this: Clp's dual
// tolerance is 1e-7, and columns priced at its noise make the LP cycle
// between adding them and finding them useless.
inline constexpr double kUjemnyKoszt = 1e-6;

// The window's cells measure in single precision: distances are irrational
// numbers rounded, so no bound meets a route's length exactly. There a
// route counts as proven when no route is shorter (or, for the longest,
// longer) by more than this part of its length, well below what single
// precision sums tell apart.
inline constexpr double kDokladnoscKomorek = 1e-6;

} // namespace TolerancjeDowodu
