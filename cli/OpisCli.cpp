#include "cli/OpisCli.h"

#include "search/sesja/PlanSesji.h"

namespace {

QString opisMetod(const ZasiegiMetod& z) {
    return QStringLiteral(
               "Methods (--method):\n"
               "  auto     the exact method up to %1 cities, where it is known to finish on\n"
               "           any layout; up to %2 cities (at the default 10 s; %2 x sqrt(T/10) for\n"
               "           --time-limit T, up to %3) a proof by branch and cut within\n"
               "           --time-limit, or failing that its best route with a lower bound;\n"
               "           beyond, the local search for most of --time-limit and branch and\n"
               "           cut in the rest for a lower bound (up to %3 cities; without a\n"
               "           time limit the local search alone). The answer's method line\n"
               "           names the method whose route it is. The default.\n"
               "  exact    the shortest and the longest route, proven (--only shortest or\n"
               "           --only longest: that one alone): every route up to %1 cities\n"
               "           where sums of distances stay below 2^24, branch and cut beyond\n"
               "           (up to %3 cities), with no time limit unless --time-limit is\n"
               "           given (0: none; it holds at every size). Branch and cut solves an\n"
               "           LP relaxation (degree equations, subtour and blossom cuts) with\n"
               "           COIN-OR Clp, branching on edges; on hard instances it may not\n"
               "           finish, and then says why on standard error.\n"
               "  random   the best of --draws random routes.\n"
               "  genetic  a genetic algorithm.\n"
               "  local    iterated 3-opt and Or-opt moves with local double-bridge kicks\n"
               "           on two threads, for --time-limit seconds (set-up included) or\n"
               "           --rounds rounds. A round is one kick (up to three double bridges\n"
               "           near one place) and the descent after it, kept when the route got\n"
               "           no longer; --rounds 0 gives the descended start. It reads no table\n"
               "           of distances: 100,000 cities take megabytes. When the time runs\n"
               "           out, the best route so far is the answer.\n")
        .arg(z.permutacjeKonczaSieDo)
        .arg(z.autoDowodDo)
        .arg(z.dowodNajwiecej);
}

} // namespace

QString OpisProgramu() {
    const ZasiegiMetod z = Zasiegi();
    return QStringLiteral(
               "Solves the travelling salesman problem for the cities of a TSPLIB .tsp file,\n"
               "measures a route of a .tour file, or checks a certificate of optimality.\n"
               "\n"
               "  solve FILE.tsp                  the route the --method finds\n"
               "  length FILE.tsp TOUR.tour       the length of the route in TOUR.tour\n"
               "  check FILE.tsp TOUR.tour X.cert whether X.cert proves TOUR.tour optimal\n"
               "\n"
               "Files of TYPE TSP: EDGE_WEIGHT_TYPE EUC_2D, CEIL_2D, ATT or GEO with a\n"
               "NODE_COORD_SECTION, or EXPLICIT with an EDGE_WEIGHT_SECTION in FULL_MATRIX,\n"
               "UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW or LOWER_DIAG_ROW. City k is the file's\n"
               "k-th; routes and .tour files give the file's ids.\n"
               "\n"
               "Metrics (--metric):\n"
               "  file  TSPLIB's distances of the file's EDGE_WEIGHT_TYPE, whole numbers;\n"
               "        lengths are summed exactly. The default.\n"
               "  grid  the window's: each city in a grid cell (column = x, row = maxY - y,\n"
               "        after shifting to non-negative coordinates and rounding), Euclidean\n"
               "        distances in cells in single precision, cities numbered row by row,\n"
               "        so that the lengths equal what the window shows for the same cells.\n"
               "        Two cities in one cell are refused.\n"
               "\n"
               "%2"
               "An option that means nothing for the method chosen is refused.\n"
               "\n"
               "After a local, random or genetic search, and after a proof that reached no\n"
               "bound, a lower bound on the shortest route follows, for --bound-time\n"
               "seconds: Held and Karp's 1-tree bound and, in the file metrics up to %1\n"
               "cities, beside it on a second thread branch and cut's bound from the route,\n"
               "the larger of the two. lower-bound L is a length no route can beat, and\n"
               "gap-at-most X % says how far above the optimum the route found can be at\n"
               "most, (length - L) / L rounded up. The exact method's route, when it\n"
               "finishes, is the optimum itself.\n"
               "\n"
               "The exact, random and genetic methods search an n x n table of distances in\n"
               "single precision (whole distances and sums below 2^24 are exact in it;\n"
               "past that the exact method proves by branch and cut in whole numbers); the\n"
               "length printed is measured again from the route in the metric itself.\n"
               "length builds no table.\n"
               "A proven answer says \"proven optimal\" (and \"proven longest\"). Otherwise\n"
               "branch and cut says how far its routes may be from the best:\n"
               "\"lower-bound L\" and \"gap-at-most X %\" (the route is at most X % longer\n"
               "than the shortest), \"longest-at-most U\" and \"longest-gap-at-most X %\"\n"
               "(at most X % shorter than the longest); \"nodes\" counts its branches. In\n"
               "the grid metric branch and cut proves only to within a millionth: it says\n"
               "\"proven optimal to within a millionth\" (no route is shorter, or longer,\n"
               "by more than a millionth of its length).\n"
"--certificate X.cert (exact and auto, file metric) writes the proof of each\n"
               "route proven (the shortest; the longest too with exact) as a certificate\n"
               "that check verifies in whole numbers without an LP solver: the route, the\n"
               "cuts, the branch tree and the duals that close each leaf. With it the\n"
               "proof is branch and cut at every size. When the proof does not finish, no\n"
               "certificate is written, and standard error says so. check prints\n"
               "\"certificate valid\", or \"certificate invalid:\" and the first thing that\n"
               "fails (the leaf, the cut or the edge).\n"
               "Ctrl+C ends the search and prints the best route so far, with its own length\n"
               "and \"finished early\"; before the first complete route it prints none.\n"
               "\n"
               "Exit codes:\n"
               "  0    done (check: the certificate is valid)\n"
               "  1    check: the certificate is not valid\n"
               "  2    bad usage or input (also a --tour file that cannot be written, or a\n"
               "       table too large for memory)\n"
               "  3    the search itself failed (out of memory)\n"
               "  4    standard output could not be written\n"
               "  5    the route was printed, but the --tour file could not be written\n"
               "  6    the route was printed, but no --certificate file was written (the\n"
               "       proof did not finish, or the file could not be written)\n"
               "  130  interrupted by Ctrl+C\n"
               "When several apply, the first of 4, 5, 6 and 130.")
        .arg(z.dowodNajwiecej)
        .arg(opisMetod(z));
}

QList<QCommandLineOption> OpcjeProgramu() {
    const auto opcja = [](const char* nazwa, const char* opis, const char* wartosc = nullptr,
                          const char* domyslna = nullptr) {
        QCommandLineOption o(QLatin1String(nazwa), QString::fromUtf8(opis));
        if (wartosc)
            o.setValueName(QLatin1String(wartosc));
        if (domyslna)
            o.setDefaultValue(QLatin1String(domyslna));
        return o;
    };
    return {
        opcja("metric", "file (default) or grid.", "M", "file"),
        opcja("method", "auto (default), exact, random, genetic or local.", "M", "auto"),
        opcja("draws", "random: routes to draw (default 1000).", "N", "1000"),
        opcja("generations", "genetic: generations (default 1000).", "N", "1000"),
        opcja("population", "genetic: population size (default 100).", "N", "100"),
        opcja("crossover", "genetic: crossover probability (default 0.3).", "P", "0.3"),
        opcja("mutation", "genetic: mutation probability (default 0.1).", "P", "0.1"),
        opcja("time-limit",
              "local, auto, exact: seconds the search runs (default 10; for exact none unless given; 0: no "
              "limit, which local and auto take only with --rounds).",
              "S", "10"),
        opcja("rounds",
              "local, auto: rounds the local search makes (a kick and a descent each); with the same --seed, the "
              "same route.",
              "N"),
        opcja("bound-time",
              "local, random, genetic, auto: seconds for the lower bound after the search (default: a tenth of "
              "--time-limit, at least 1; 0: no bound).",
              "S"),
        opcja("only", "exact: prove only the shortest or only the longest route.", "shortest|longest"),
        opcja("seed", "Seed of the random, genetic and local searches (default: the clock).", "N"),
        opcja("tour", "Also write the route as a TSPLIB .tour file.", "OUT.tour"),
        opcja("certificate", "exact, auto: also write a certificate of the proof (see check).", "OUT.cert"),
        opcja("json", "Print one JSON object instead of text."),
    };
}
