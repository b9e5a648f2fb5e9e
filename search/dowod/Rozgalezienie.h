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
// Each trial's pivots cost about as much as the LP has rows, so on large
// instances the candidates are held to iloczyn / n (never fewer than
// najmniej): at 1,002 cities 12 candidates proved pr1002 in 114 s where 32
// left it 0.07 % short after 120 s, and rat783 took 10 s of processor time
// instead of 23 (both measured while subtours still came from the
// Gomory-Hu tree at every solve; pr1002 now takes about 64 s); up to about
// 400 cities nothing changes (pr299 and pcb442 lose a third with 12).
struct UstawieniaRozgalezienia {
    int kandydaci = 32;
    int kandydaciNajdluzszej = 64;
    int iteracje = 40;
    int iloczyn = 12000;  // 0: no limit by size
    int najmniej = 12;
};

int WybierzRozgalezienie(ProgramLiniowy& lp, const UstawieniaRozgalezienia& ustawienia);
