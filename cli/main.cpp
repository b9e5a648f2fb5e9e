#include "cli/CtrlC.h"
#include "cli/KodWyjscia.h"
#include "cli/PomiarCli.h"
#include "cli/RozwiazanieCli.h"
#include "cli/WyjatkiCli.h"
#include "storage/PlikTsp.h"
#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

void powiedz(const QString& tekst) {
    QTextStream(stderr) << tekst << '\n';
}

int blad(const QString& tekst) {
    powiedz(tekst);
    return KodWyjscia::BladWejscia;
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

// Standard output takes the answer whole or the failure is reported: a full
// disk or a descriptor not open for writing shows only when the buffer is
// flushed, some file systems only on close.
bool wypisz(const QByteArray& tekst) {
    const bool zapisany = std::fwrite(tekst.constData(), 1, std::size_t(tekst.size()), stdout)
                              == std::size_t(tekst.size())
                          && std::fflush(stdout) == 0 && std::fclose(stdout) == 0;
    if (!zapisany)
        powiedz(QStringLiteral("cannot write standard output: ") + QString::fromLocal8Bit(std::strerror(errno)));
    return zapisany;
}

// The length command: nothing runs on another thread and nothing is
// printed until the answer, so its failures are plain.
int zmierz(const ZadanieCli& zadanie, const std::atomic<bool>& przerwano) {
    PomiarCli::Wynik wynik;
    try {
        wynik = PomiarCli(zadanie).Uruchom(przerwano);
    } catch (const UserError& e) {
        return blad(e.message());
    } catch (const PrzerwanoBezTrasy&) {
        powiedz(QStringLiteral("interrupted"));
        return KodWyjscia::Przerwano;
    } catch (const std::bad_alloc&) {
        powiedz(QStringLiteral("out of memory"));
        return KodWyjscia::BladWyszukiwania;
    }
    return wypisz(wynik.Wydruk(zadanie.json)) ? KodWyjscia::Gotowe : KodWyjscia::BladWyjscia;
}

} // namespace

int main(int argc, char** argv) {
    // A closed standard output would be taken by the next file opened, and
    // the answer written into it: refused before anything is opened.
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        std::fputs("cannot write standard output: it is closed\n", stderr);
        return KodWyjscia::BladWyjscia;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wedrownik-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
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
        "The exact, random and genetic methods search an n x n table of distances in\n"
        "single precision (whole distances below 2^24 are exact in it); the length\n"
        "printed is measured again from the route in the metric itself. length builds\n"
        "no table. The exact method gives the shortest and the longest route.\n"
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
        "When several apply, the first of 4, 5 and 130."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("solve or length."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .tsp file, or - for standard input."));
    parser.addPositionalArgument(QStringLiteral("TOUR"), QStringLiteral("length: the .tour file."),
                                 QStringLiteral("[TOUR]"));
    parser.addOptions({
        {QStringLiteral("metric"), QStringLiteral("file (default) or grid."), QStringLiteral("M"),
         QStringLiteral("file")},
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
        parser.showHelp(KodWyjscia::Gotowe);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList argumenty = parser.positionalArguments();
    ZadanieCli zadanie;
    if (argumenty.size() == 2 && argumenty[0] == QStringLiteral("solve")) {
        zadanie.polecenie = ZadanieCli::Polecenie::Rozwiaz;
    } else if (argumenty.size() == 3 && argumenty[0] == QStringLiteral("length")) {
        zadanie.polecenie = ZadanieCli::Polecenie::Dlugosc;
        zadanie.trasa = argumenty[2];
    } else {
        return blad(QStringLiteral(
            "usage: wedrownik-cli solve FILE.tsp [options] or wedrownik-cli length FILE.tsp TOUR.tour; see --help"));
    }
    zadanie.plik = argumenty[1];
    const QString metryka = parser.value(QStringLiteral("metric"));
    if (metryka != QStringLiteral("file") && metryka != QStringLiteral("grid"))
        return blad(QStringLiteral("--metric ") + metryka + QStringLiteral(": expected file or grid"));
    zadanie.metrykaSiatki = metryka == QStringLiteral("grid");
    const QString metoda = parser.value(QStringLiteral("method"));
    if (metoda == QStringLiteral("exact"))
        zadanie.metoda = ZadanieCli::Metoda::Dokladna;
    else if (metoda == QStringLiteral("random"))
        zadanie.metoda = ZadanieCli::Metoda::Losowa;
    else if (metoda == QStringLiteral("genetic"))
        zadanie.metoda = ZadanieCli::Metoda::Genetyczna;
    else
        return blad(QStringLiteral("--method ") + metoda + QStringLiteral(": expected exact, random or genetic"));

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
    if (zadanie.polecenie == ZadanieCli::Polecenie::Dlugosc && !zadanie.tour.isEmpty())
        return blad(QStringLiteral("--tour: only solve writes a route"));

    // A tour that could not be written is found out now, not after the search.
    if (!zadanie.tour.isEmpty()) {
        const QString wejscie = QFileInfo(zadanie.plik).canonicalFilePath();
        if (zadanie.plik != QStringLiteral("-") && !wejscie.isEmpty()
            && wejscie == QFileInfo(zadanie.tour).canonicalFilePath())
            return blad(QStringLiteral("--tour ") + zadanie.tour + QStringLiteral(": that is the input file"));
        try {
            SprawdzZapis(zadanie.tour);
        } catch (const UserError& e) {
            return blad(QStringLiteral("--tour: ") + e.message());
        }
    }

    const std::atomic<bool>& przerwano = PrzechwycCtrlC();
    const bool terminal = isatty(STDERR_FILENO) == 1;
    std::function<void(const QString&)> postep;
    if (terminal)
        postep = [](const QString& linia) { QTextStream(stderr) << '\r' << linia << "\x1b[K" << Qt::flush; };
    const auto wyczyscPostep = [terminal] {
        if (terminal)
            QTextStream(stderr) << '\r' << "\x1b[K" << Qt::flush;
    };

    if (zadanie.polecenie == ZadanieCli::Polecenie::Dlugosc)
        return zmierz(zadanie, przerwano);

    WynikCli wynik;
    try {
        wynik = RozwiazanieCli(zadanie).Uruchom(przerwano, postep);
    } catch (const UserError& e) {
        wyczyscPostep();
        return blad(e.message());
    } catch (const PrzerwanoBezTrasy&) {
        wyczyscPostep();
        powiedz(QStringLiteral("interrupted before the first complete route: no route to print"));
        return KodWyjscia::Przerwano;
    } catch (const BladWyszukiwania& e) {
        wyczyscPostep();
        powiedz(e.komunikat());
        return KodWyjscia::BladWyszukiwania;
    } catch (const std::bad_alloc&) {
        wyczyscPostep();
        powiedz(QStringLiteral("out of memory"));
        return KodWyjscia::BladWyszukiwania;
    }
    wyczyscPostep();

    int kod = wynik.przerwany ? KodWyjscia::Przerwano : KodWyjscia::Gotowe;
    if (!zadanie.tour.isEmpty()) {
        try {
            PlikTsp::ZapiszTour(zadanie.tour, wynik.trasa, wynik.dlugosc.Liczba());
        } catch (const UserError& e) {
            powiedz(QStringLiteral("--tour: ") + e.message());
            kod = KodWyjscia::BladTour;
        }
    }
    if (!wypisz(wynik.Wydruk(zadanie.json)))
        kod = KodWyjscia::BladWyjscia;
    return kod;
}
