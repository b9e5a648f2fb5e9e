#pragma once

class ProgramLiniowy;

// The edge a node branches on (x_e = 1 in one child, x_e = 0 in the other),
// from an optimal LP solution with fractional edges. The kandydaci edges
// nearest x = 1/2, the heavier first among equals, are tried in both
// directions by a few dual simplex pivots each (strong branching); the one
// whose weaker child gains most wins, its stronger child counting a little
// too. With kandydaci 1 the first is taken untried. Returns the column, or
// -1 when no edge is fractional. kandydaciNajdluzszej stands for kandydaci
// when the LP's weights are the longest route's.
// Where the LP leaves many near-equal routes the choice saves more nodes
// than its trials cost, so many edges are tried: with 32 pr76 takes a few
// times fewer nodes than with 8. The longest routes, where nearly every
// route is near the longest, need 64 (kroC100's longest closes in 71 nodes
// with 64 and stays open after 12,000 with 32); the shortest gain nothing
// from 64.
struct UstawieniaRozgalezienia {
    int kandydaci = 32;
    int kandydaciNajdluzszej = 64;
    int iteracje = 40;
};

int WybierzRozgalezienie(ProgramLiniowy& lp, const UstawieniaRozgalezienia& ustawienia);
