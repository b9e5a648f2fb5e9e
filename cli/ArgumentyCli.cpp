#include "cli/ArgumentyCli.h"

#include "search/dowod/ZasiegDowodu.h"
#include "search/permutacje/ZasiegiPrzegladu.h"
#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

std::optional<long long> liczba(const QCommandLineParser& parser, const QString& nazwa, long long od) {
    bool ok = false;
    const long long wartosc = parser.value(nazwa).toLongLong(&ok);
    if (!ok || wartosc < od)
        return std::nullopt;
    return wartosc;
}

std::optional<double> rzeczywista(const QCommandLineParser& parser, const QString& nazwa) {
    bool ok = false;
    QString tekst = parser.value(nazwa);
    const double wartosc = tekst.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(wartosc))
        return std::nullopt;
    return wartosc;
}

std::optional<double> prawdopodobienstwo(const QCommandLineParser& parser, const QString& nazwa) {
    const std::optional<double> p = rzeczywista(parser, nazwa);
    if (!p || !(*p >= 0.0 && *p <= 1.0))
        return std::nullopt;
    return p;
}

int wZakresieInt(long long x) {
    return x > 2147483647LL ? 2147483647 : int(x);
}

} // namespace

void DodajOpcje(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral(
            "Solves the travelling salesman problem for the cities of a TSPLIB .tsp file,\n"
            "or measures a route of a .tour file.\n"
            "\n"
            "  solve FILE.tsp              the route the --method finds\n"
            "  length FILE.tsp TOUR.tour   the length of the route in TOUR.tour\n"
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
            "Methods (--method):\n"
            "  auto     the exact method up to %1 cities, where it is known to finish on\n"
            "           any layout; up to %2 cities a proof by branch and cut within\n"
            "           --time-limit, or failing that its best route with a lower bound;\n"
            "           beyond, the local search for most of --time-limit and branch and\n"
            "           cut's LP for a lower bound in the rest (up to %3 cities; without\n"
            "           a time limit the local search alone). The default.\n"
            "  exact    the shortest and the longest route, proven: every route up to %1\n"
            "           cities, branch and cut beyond (up to %3 cities), with no time\n"
            "           limit unless --time-limit is given. Branch and cut solves an LP\n"
            "           relaxation (degree equations, subtour and blossom cuts)\n"
            "           with COIN-OR Clp, branching on edges; on hard instances it may\n"
            "           not finish (said on standard error).\n"
            "  random   the best of --draws random routes.\n"
            "  genetic  a genetic algorithm.\n"
            "  local    iterated 3-opt and Or-opt moves with local double-bridge kicks\n"
            "           on two threads, for --time-limit seconds (set-up included) or\n"
            "           --rounds rounds. A round is one kick (up to three double bridges\n"
            "           near one place) and the descent after it, kept when the route got\n"
            "           no longer; --rounds 0 gives the descended start. It reads no table\n"
            "           of distances: 100,000 cities take megabytes. When the time runs\n"
            "           out, the best route so far is the answer.\n"
            "\n"
            "After a local, random or genetic search a lower bound on the shortest route\n"
            "follows, for --bound-time seconds: Held and Karp's 1-tree bound and, in the\n"
            "file metrics up to 3000 cities, beside it on a second thread branch and\n"
            "cut's LP bound from the route, the larger of the two. lower-bound L\n"
            "is a length no route can beat, and gap-at-most X % says how far above the\n"
            "optimum the route found can be at most, (length - L) / L rounded up. The\n"
            "exact method's route, when it finishes, is the optimum itself.\n"
            "\n"
            "The exact, random and genetic methods search an n x n table of distances in\n"
            "single precision (whole distances and sums below 2^24 are exact in it;\n"
            "past that the exact method prints how far its route may be from the\n"
            "optimum); the length printed is measured again from the route in the metric\n"
            "itself. length builds no table.\n"
            "A proven answer says \"proven optimal\" (and \"proven longest\"). Otherwise\n"
            "branch and cut says how far its routes may be from the best:\n"
            "\"lower-bound L\" and \"gap-at-most X %\" (the route is at most X % longer\n"
            "than the shortest), \"longest-at-most U\" and \"longest-gap-at-most X %\"\n"
            "(at most X % shorter than the longest); \"nodes\" counts its branches. In\n"
            "the grid metric, proven means that no route is shorter (longer) by more\n"
            "than a millionth of its length.\n"
            "Ctrl+C ends the search and prints the best route so far, with its own length\n"
            "and \"finished early\"; before the first complete route it prints none.\n"
            "\n"
            "Exit codes:\n"
            "  0    done\n"
            "  2    bad usage or input (also a --tour file that cannot be written, or a\n"
            "       table too large for memory)\n"
            "  3    the search itself failed (out of memory)\n"
            "  4    standard output could not be written\n"
            "  5    the route was printed, but the --tour file could not be written\n"
            "  130  interrupted by Ctrl+C\n"
            "When several apply, the first of 4, 5 and 130.")
            .arg(kPrzegladKonczySieDo)
            .arg(kAutoDowodDo)
            .arg(kDowodNajwiecejMiast));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("solve or length."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .tsp file, or - for standard input."));
    parser.addPositionalArgument(QStringLiteral("TOUR"), QStringLiteral("length: the .tour file."),
                                 QStringLiteral("[TOUR]"));
    parser.addOptions({
        {QStringLiteral("metric"), QStringLiteral("file (default) or grid."), QStringLiteral("M"),
         QStringLiteral("file")},
        {QStringLiteral("method"), QStringLiteral("auto (default), exact, random, genetic or local."),
         QStringLiteral("M"), QStringLiteral("auto")},
        {QStringLiteral("draws"), QStringLiteral("Random routes to draw (default 1000)."), QStringLiteral("N"),
         QStringLiteral("1000")},
        {QStringLiteral("generations"), QStringLiteral("Generations (default 1000)."), QStringLiteral("N"),
         QStringLiteral("1000")},
        {QStringLiteral("population"), QStringLiteral("Population size (default 100)."), QStringLiteral("N"),
         QStringLiteral("100")},
        {QStringLiteral("crossover"), QStringLiteral("Crossover probability (default 0.3)."), QStringLiteral("P"),
         QStringLiteral("0.3")},
        {QStringLiteral("mutation"), QStringLiteral("Mutation probability (default 0.1)."), QStringLiteral("P"),
         QStringLiteral("0.1")},
        {QStringLiteral("time-limit"),
         QStringLiteral("Seconds the local search, or auto's proof, runs (default 10; 0: no limit, with "
                        "--rounds); for the exact method, none unless given."),
         QStringLiteral("S"), QStringLiteral("10")},
        {QStringLiteral("rounds"), QStringLiteral("Rounds the local search makes (a kick and a descent each); with the same --seed, the same route."),
         QStringLiteral("N")},
        {QStringLiteral("bound-time"),
         QStringLiteral("Seconds for the lower bound after a local, random or genetic search (default: a tenth "
                        "of --time-limit, at least 1; 0: no bound)."),
         QStringLiteral("S")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the random, genetic and local methods (default: the clock)."),
         QStringLiteral("N")},
        {QStringLiteral("tour"), QStringLiteral("Also write the route as a TSPLIB .tour file."),
         QStringLiteral("OUT.tour")},
        {QStringLiteral("json"), QStringLiteral("Print one JSON object instead of text.")},
    });
}

ZadanieCli CzytajArgumenty(const QCommandLineParser& parser) {
    const QStringList argumenty = parser.positionalArguments();
    ZadanieCli zadanie;
    if (argumenty.size() == 2 && argumenty[0] == QStringLiteral("solve")) {
        zadanie.polecenie = ZadanieCli::Polecenie::Rozwiaz;
    } else if (argumenty.size() == 3 && argumenty[0] == QStringLiteral("length")) {
        zadanie.polecenie = ZadanieCli::Polecenie::Dlugosc;
        zadanie.trasa = argumenty[2];
    } else {
        throw UserError(QStringLiteral(
            "usage: wedrownik-cli solve FILE.tsp [options] or wedrownik-cli length FILE.tsp TOUR.tour; see --help"));
    }
    zadanie.plik = argumenty[1];
    const QString metryka = parser.value(QStringLiteral("metric"));
    if (metryka != QStringLiteral("file") && metryka != QStringLiteral("grid"))
        throw UserError(QStringLiteral("--metric ") + metryka + QStringLiteral(": expected file or grid"));
    zadanie.metrykaSiatki = metryka == QStringLiteral("grid");

    const QString metoda = parser.value(QStringLiteral("method"));
    bool znana = false;
    for (ZadanieCli::Metoda m : {ZadanieCli::Metoda::Automatyczna, ZadanieCli::Metoda::Dokladna,
                                 ZadanieCli::Metoda::Losowa, ZadanieCli::Metoda::Genetyczna,
                                 ZadanieCli::Metoda::Lokalna})
        if (metoda == ZadanieCli::NazwaMetody(m)) {
            zadanie.metoda = m;
            znana = true;
        }
    if (!znana)
        throw UserError(QStringLiteral("--method ") + metoda
                        + QStringLiteral(": expected auto, exact, random, genetic or local"));

    const auto losowania = liczba(parser, QStringLiteral("draws"), 1);
    const auto pokolenia = liczba(parser, QStringLiteral("generations"), 1);
    const auto populacja = liczba(parser, QStringLiteral("population"), 2);
    const auto krzyzowanie = prawdopodobienstwo(parser, QStringLiteral("crossover"));
    const auto mutacja = prawdopodobienstwo(parser, QStringLiteral("mutation"));
    const auto czas = rzeczywista(parser, QStringLiteral("time-limit"));
    if (!losowania || *losowania > 2147483647LL)
        throw UserError(QStringLiteral("--draws: expected a whole number from 1 to 2147483647"));
    if (!pokolenia || *pokolenia > 2147483647LL)
        throw UserError(QStringLiteral("--generations: expected a whole number from 1 to 2147483647"));
    if (!populacja || *populacja > 2147483647LL)
        throw UserError(QStringLiteral("--population: expected a whole number from 2 to 2147483647"));
    if (!krzyzowanie || !mutacja)
        throw UserError(QStringLiteral("--crossover and --mutation: expected a probability from 0 to 1"));
    if (!czas || *czas < 0.0)
        throw UserError(QStringLiteral("--time-limit: expected a number of seconds, 0 or more"));
    zadanie.losowania = wZakresieInt(*losowania);
    zadanie.pokolenia = wZakresieInt(*pokolenia);
    zadanie.populacja = wZakresieInt(*populacja);
    zadanie.krzyzowanie = *krzyzowanie;
    zadanie.mutacja = *mutacja;
    zadanie.limitSekund = *czas;
    zadanie.limitPodany = parser.isSet(QStringLiteral("time-limit"));
    if (parser.isSet(QStringLiteral("rounds"))) {
        const auto rundy = liczba(parser, QStringLiteral("rounds"), 0);
        if (!rundy)
            throw UserError(QStringLiteral("--rounds: expected a whole number, 0 or more"));
        zadanie.rundy = *rundy;
        // Rounds alone decide, unless a time limit is given too.
        if (!parser.isSet(QStringLiteral("time-limit")))
            zadanie.limitSekund = 0.0;
    } else if (zadanie.limitSekund == 0.0) {
        throw UserError(QStringLiteral("--time-limit 0: give --rounds, or the search never ends by itself"));
    }
    zadanie.limitOgraniczenia = std::max(1.0, zadanie.limitSekund / 10.0);
    if (parser.isSet(QStringLiteral("bound-time"))) {
        const auto ograniczenie = rzeczywista(parser, QStringLiteral("bound-time"));
        if (!ograniczenie || *ograniczenie < 0.0)
            throw UserError(QStringLiteral("--bound-time: expected a number of seconds, 0 or more"));
        zadanie.limitOgraniczenia = *ograniczenie;
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        const uint ziarno = parser.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok)
            throw UserError(QStringLiteral("--seed: expected a whole number from 0 to 4294967295"));
        zadanie.ziarno = ziarno;
    }
    zadanie.tour = parser.value(QStringLiteral("tour"));
    zadanie.json = parser.isSet(QStringLiteral("json"));
    if (zadanie.polecenie == ZadanieCli::Polecenie::Dlugosc && !zadanie.tour.isEmpty())
        throw UserError(QStringLiteral("--tour: only solve writes a route"));

    if (!zadanie.tour.isEmpty()) {
        const QString wejscie = QFileInfo(zadanie.plik).canonicalFilePath();
        if (zadanie.plik != QStringLiteral("-") && !wejscie.isEmpty()
            && wejscie == QFileInfo(zadanie.tour).canonicalFilePath())
            throw UserError(QStringLiteral("--tour ") + zadanie.tour + QStringLiteral(": that is the input file"));
        try {
            SprawdzZapis(zadanie.tour);
        } catch (const UserError& e) {
            throw UserError(QStringLiteral("--tour: ") + e.message());
        }
    }
    return zadanie;
}
