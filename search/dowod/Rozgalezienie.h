#pragma once

class ProgramLiniowy;

// The edge a node branches on (x_e = 1 in one child, x_e = 0 in the other),
// from an optimal LP solution with fractional edges. The kandydaci edges
// nearest x = 1/2, the heavier first among equals, are tried in both
// directions by a few dual simplex pivots each (strong branching); the one
// whose weaker child gains most wins, its stronger child counting a little
// too. With kandydaci 1 the first is taken untried. Returns the column, or
// -1 when no edge is fractional.
// Trying 32 edges rather than 8 takes a few times fewer nodes where the LP
// leaves many near-equal routes (the longest routes, pr76): the choice
// decides more than the trials cost.
struct UstawieniaRozgalezienia {
    int kandydaci = 32;
    int iteracje = 40;
};

int WybierzRozgalezienie(ProgramLiniowy& lp, const UstawieniaRozgalezienia& ustawienia);
