#include "cli/RozwiazanieCli.h"
#include "toolkit/core/UserError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kBladWejscia = 2;
constexpr int kPrzerwano = 130;

// Set by the Ctrl+C handler: a lock-free atomic is all a signal handler may
// touch, and it must be reachable from a plain function.
std::atomic<bool> przerwanoSygnalem{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void naSygnal(int) {
    przerwanoSygnalem.store(true);
}

int blad(const QString& tekst) {
    QTextStream(stderr) << tekst << '\n';
    return kBladWejscia;
}

std::optional<int> liczba(const QCommandLineParser& parser, const QString& nazwa, int od) {
    bool ok = false;
    const int wartosc = parser.value(nazwa).toInt(&ok);
    if (!ok || wartosc < od)
        return std::nullopt;
    return wartosc;
}

std::optional<double> prawdopodobienstwo(const QCommandLineParser& parser, const QString& nazwa) {
    bool ok = false;
    QString tekst = parser.value(nazwa);
    const double wartosc = tekst.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !(wartosc >= 0.0 && wartosc <= 1.0))
        return std::nullopt;
    return wartosc;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wedrownik-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Solves the travelling salesman problem for the cities of a TSPLIB .tsp file\n"
        "(NODE_COORD_SECTION; EDGE_WEIGHT_TYPE EUC_2D, CEIL_2D or ATT).\n"
        "Each city goes to a grid cell: column = x, row = maxY - y, after shifting to\n"
        "non-negative coordinates and rounding to the nearest cell. Distances are the\n"
        "program's own, Euclidean in cell units summed in single precision, so the\n"
        "lengths equal what the window program shows for the same cells, whatever the\n"
        "file's EDGE_WEIGHT_TYPE. The exact method gives the shortest and the longest\n"
        "route. Ctrl+C ends the search and prints the best route so far (exit 130).\n"
        "Bad usage or input: exit 2."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("solve"), QStringLiteral("The command: solve."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .tsp file, or - for standard input."));
    parser.addOptions({
        {QStringLiteral("method"), QStringLiteral("exact (default), random or genetic."), QStringLiteral("M"),
         QStringLiteral("exact")},
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
        {QStringLiteral("seed"), QStringLiteral("Seed of the random and genetic methods (default: the clock)."),
         QStringLiteral("N")},
        {QStringLiteral("tour"), QStringLiteral("Also write the route as a TSPLIB .tour file."),
         QStringLiteral("OUT.tour")},
        {QStringLiteral("json"), QStringLiteral("Print one JSON object instead of text.")},
    });
    if (!parser.parse(QCoreApplication::arguments()))
        return blad(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList argumenty = parser.positionalArguments();
    if (argumenty.size() != 2 || argumenty[0] != QStringLiteral("solve"))
        return blad(QStringLiteral("usage: wedrownik-cli solve FILE.tsp [options]; see --help"));

    ZadanieCli zadanie;
    zadanie.plik = argumenty[1];
    const QString metoda = parser.value(QStringLiteral("method"));
    if (metoda == QStringLiteral("exact"))
        zadanie.metoda = ZadanieCli::Metoda::Dokladna;
    else if (metoda == QStringLiteral("random"))
        zadanie.metoda = ZadanieCli::Metoda::Losowa;
    else if (metoda == QStringLiteral("genetic"))
        zadanie.metoda = ZadanieCli::Metoda::Genetyczna;
    else
        return blad(QStringLiteral("--method %1: expected exact, random or genetic").arg(metoda));

    const auto losowania = liczba(parser, QStringLiteral("draws"), 1);
    const auto pokolenia = liczba(parser, QStringLiteral("generations"), 1);
    const auto populacja = liczba(parser, QStringLiteral("population"), 2);
    const auto krzyzowanie = prawdopodobienstwo(parser, QStringLiteral("crossover"));
    const auto mutacja = prawdopodobienstwo(parser, QStringLiteral("mutation"));
    if (!losowania)
        return blad(QStringLiteral("--draws: expected a whole number of at least 1"));
    if (!pokolenia)
        return blad(QStringLiteral("--generations: expected a whole number of at least 1"));
    if (!populacja)
        return blad(QStringLiteral("--population: expected a whole number of at least 2"));
    if (!krzyzowanie || !mutacja)
        return blad(QStringLiteral("--crossover and --mutation: expected a probability from 0 to 1"));
    zadanie.losowania = *losowania;
    zadanie.pokolenia = *pokolenia;
    zadanie.populacja = *populacja;
    zadanie.krzyzowanie = *krzyzowanie;
    zadanie.mutacja = *mutacja;
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        const uint ziarno = parser.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok)
            return blad(QStringLiteral("--seed: expected a whole number from 0 to 4294967295"));
        zadanie.ziarno = ziarno;
    }
    zadanie.tour = parser.value(QStringLiteral("tour"));
    zadanie.json = parser.isSet(QStringLiteral("json"));

    std::signal(SIGINT, naSygnal);
    const bool terminal = isatty(fileno(stderr)) == 1;
    std::function<void(const QString&)> postep;
    if (terminal)
        postep = [](const QString& linia) { QTextStream(stderr) << '\r' << linia << "\x1b[K" << Qt::flush; };

    bool przerwany = false;
    QByteArray wynik;
    try {
        wynik = RozwiazanieCli(zadanie).Uruchom(przerwanoSygnalem, postep, przerwany);
    } catch (const UserError& e) {
        if (terminal)
            QTextStream(stderr) << '\r' << "\x1b[K";
        return blad(e.message());
    }
    if (terminal)
        QTextStream(stderr) << '\r' << "\x1b[K" << Qt::flush;
    std::fwrite(wynik.constData(), 1, std::size_t(wynik.size()), stdout);
    std::fflush(stdout);
    return przerwany || przerwanoSygnalem.load() ? kPrzerwano : 0;
}
