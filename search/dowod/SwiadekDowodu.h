#pragma once

#include "search/dowod/Krawedz.h"

class ProgramLiniowy;
class WycenaKrawedzi;
struct Wezel;

// Whoever records a branch and cut's proof (a certificate) hears of each
// step that the proof rests on; the branch and cut runs the same with one
// or without. Calls come from the proof's own thread, in its order: a node
// taken, its solves priced, then its end (closed, branched or unresolved).
class SwiadekDowodu {
public:
    virtual ~SwiadekDowodu() = default;

    // A node taken from the queue, before anything is decided about it.
    virtual void Wziety(const Wezel& wezel) = 0;
    // The duals of the LP just solved, priced over all edges, bound granica.
    virtual void Wyceniony(const ProgramLiniowy& lp, long double granica) = 0;
    // The LP is infeasible and its ray, of one sign or the other, proves it
    // over all edges (as the pricing's wycena reads it).
    virtual void Sprzeczny(const ProgramLiniowy& lp, WycenaKrawedzi& wycena) = 0;
    // The node is closed: by its infeasibility when Sprzeczny came, else by
    // the best bound it has (its own duals' or the one it inherited).
    virtual void Zamkniety() = 0;
    // Edges eliminated at this node by the reduced costs of the LP's duals.
    virtual void Wyeliminowane(const ProgramLiniowy& lp) = 0;
    // The node splits on e into x_e = 1 and x_e = 0.
    virtual void Rozgaleziony(Krawedz e) = 0;
    // The node is left unresolved: no proof.
    virtual void Nierozwiazany() = 0;
};
