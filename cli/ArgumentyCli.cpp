#include "cli/ArgumentyCli.h"

#include "cli/OpisCli.h"
#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using Metoda = ZadanieCli::Metoda;

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

// Which methods each option means something for; given to another method,
// it is refused rather than silently ignored.
struct ZnaczenieOpcji {
    const char* opcja;
    std::initializer_list<Metoda> metody;
    const char* dlaczego;
};

const ZnaczenieOpcji kZnaczenia[] = {
    {"draws", {Metoda::Losowa}, "only the random method draws routes"},
    {"generations", {Metoda::Genetyczna}, "only the genetic method has generations"},
    {"population", {Metoda::Genetyczna}, "only the genetic method has a population"},
    {"crossover", {Metoda::Genetyczna}, "only the genetic method crosses routes"},
    {"mutation", {Metoda::Genetyczna}, "only the genetic method mutates routes"},
    {"time-limit", {Metoda::Automatyczna, Metoda::Dokladna, Metoda::Lokalna},
     "the random and genetic methods end by their --draws and --generations"},
    {"rounds", {Metoda::Automatyczna, Metoda::Lokalna}, "only the local search makes rounds"},
    {"bound-time", {Metoda::Automatyczna, Metoda::Losowa, Metoda::Genetyczna, Metoda::Lokalna},
     "the exact method proves its routes or gives branch and cut's own bound"},
    {"only", {Metoda::Dokladna}, "only the exact method proves the longest route beside the shortest"},
    {"certificate", {Metoda::Automatyczna, Metoda::Dokladna}, "only the exact and auto methods prove their routes"},
};

void sprawdzZnaczenie(const QCommandLineParser& parser, Metoda metoda) {
    for (const ZnaczenieOpcji& z : kZnaczenia) {
        const QString opcja = QLatin1String(z.opcja);
        if (parser.isSet(opcja) && std::find(z.metody.begin(), z.metody.end(), metoda) == z.metody.end())
            throw UserError(QStringLiteral("--%1 means nothing for --method %2: %3")
                                .arg(opcja, ZadanieCli::NazwaMetody(metoda), QLatin1String(z.dlaczego)));
    }
}

void czytajPolecenie(const QCommandLineParser& parser, ZadanieCli& zadanie) {
    const QStringList argumenty = parser.positionalArguments();
    if (argumenty.size() == 2 && argumenty[0] == QStringLiteral("solve")) {
        zadanie.polecenie = ZadanieCli::Polecenie::Rozwiaz;
    } else if (argumenty.size() == 3 && argumenty[0] == QStringLiteral("length")) {
        zadanie.polecenie = ZadanieCli::Polecenie::Dlugosc;
        zadanie.trasa = argumenty[2];
    } else if (argumenty.size() == 4 && argumenty[0] == QStringLiteral("check")) {
        zadanie.polecenie = ZadanieCli::Polecenie::Sprawdz;
        zadanie.trasa = argumenty[2];
        zadanie.certyfikat = argumenty[3];
    } else {
        throw UserError(QStringLiteral("usage: wedrownik-cli solve FILE.tsp [options], wedrownik-cli length FILE.tsp "
                                       "TOUR.tour or wedrownik-cli check FILE.tsp TOUR.tour FILE.cert; see --help"));
    }
    zadanie.plik = argumenty[1];
    const QString metryka = parser.value(QStringLiteral("metric"));
    if (metryka != QStringLiteral("file") && metryka != QStringLiteral("grid"))
        throw UserError(QStringLiteral("--metric ") + metryka + QStringLiteral(": expected file or grid"));
    zadanie.metrykaSiatki = metryka == QStringLiteral("grid");
    if (zadanie.metrykaSiatki && zadanie.polecenie == ZadanieCli::Polecenie::Sprawdz)
        throw UserError(QStringLiteral("--metric grid: a certificate is about the file's own whole distances"));

    const QString metoda = parser.value(QStringLiteral("method"));
    for (Metoda m : {Metoda::Automatyczna, Metoda::Dokladna, Metoda::Losowa, Metoda::Genetyczna, Metoda::Lokalna})
        if (metoda == ZadanieCli::NazwaMetody(m)) {
            zadanie.metoda = m;
            return;
        }
    throw UserError(QStringLiteral("--method ") + metoda
                    + QStringLiteral(": expected auto, exact, random, genetic or local"));
}

void czytajUstawienia(const QCommandLineParser& parser, ZadanieCli& zadanie) {
    const auto losowania = liczba(parser, QStringLiteral("draws"), 1);
    const auto pokolenia = liczba(parser, QStringLiteral("generations"), 1);
    const auto populacja = liczba(parser, QStringLiteral("population"), 2);
    const auto krzyzowanie = prawdopodobienstwo(parser, QStringLiteral("crossover"));
    const auto mutacja = prawdopodobienstwo(parser, QStringLiteral("mutation"));
    if (!losowania || *losowania > 2147483647LL)
        throw UserError(QStringLiteral("--draws: expected a whole number from 1 to 2147483647"));
    if (!pokolenia || *pokolenia > 2147483647LL)
        throw UserError(QStringLiteral("--generations: expected a whole number from 1 to 2147483647"));
    if (!populacja || *populacja > 2147483647LL)
        throw UserError(QStringLiteral("--population: expected a whole number from 2 to 2147483647"));
    if (!krzyzowanie || !mutacja)
        throw UserError(QStringLiteral("--crossover and --mutation: expected a probability from 0 to 1"));
    zadanie.sesja.losowania = wZakresieInt(*losowania);
    zadanie.sesja.pokolenia = wZakresieInt(*pokolenia);
    zadanie.sesja.populacja = wZakresieInt(*populacja);
    zadanie.sesja.krzyzowanie = *krzyzowanie;
    zadanie.sesja.mutacja = *mutacja;
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        const uint ziarno = parser.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok)
            throw UserError(QStringLiteral("--seed: expected a whole number from 0 to 4294967295"));
        zadanie.sesja.ziarno = ziarno;
    }
}

void czytajLimity(const QCommandLineParser& parser, ZadanieCli& zadanie) {
    const auto czas = rzeczywista(parser, QStringLiteral("time-limit"));
    if (!czas || *czas < 0.0)
        throw UserError(QStringLiteral("--time-limit: expected a number of seconds, 0 or more"));
    zadanie.sesja.limitSekund = *czas;
    zadanie.limitPodany = parser.isSet(QStringLiteral("time-limit"));
    if (parser.isSet(QStringLiteral("rounds"))) {
        const auto rundy = liczba(parser, QStringLiteral("rounds"), 0);
        if (!rundy)
            throw UserError(QStringLiteral("--rounds: expected a whole number, 0 or more"));
        zadanie.sesja.rundy = *rundy;
        // Rounds alone decide, unless a time limit is given too.
        if (!zadanie.limitPodany)
            zadanie.sesja.limitSekund = 0.0;
    } else if (zadanie.sesja.limitSekund == 0.0 && zadanie.metoda != Metoda::Dokladna) {
        // The exact method ends by itself; the local search, which auto
        // runs on large sets, only by a limit.
        throw UserError(QStringLiteral("--time-limit 0: give --rounds, or the search never ends by itself"));
    }
    zadanie.sesja.sekundyGranicy = std::max(1.0, zadanie.sesja.limitSekund / 10.0);
    if (parser.isSet(QStringLiteral("bound-time"))) {
        const auto ograniczenie = rzeczywista(parser, QStringLiteral("bound-time"));
        if (!ograniczenie || *ograniczenie < 0.0)
            throw UserError(QStringLiteral("--bound-time: expected a number of seconds, 0 or more"));
        zadanie.sesja.sekundyGranicy = *ograniczenie;
    }
}

void czytajCel(const QCommandLineParser& parser, ZadanieCli& zadanie) {
    if (!parser.isSet(QStringLiteral("only")))
        return;
    const QString cel = parser.value(QStringLiteral("only"));
    if (cel != QStringLiteral("shortest") && cel != QStringLiteral("longest"))
        throw UserError(QStringLiteral("--only ") + cel + QStringLiteral(": expected shortest or longest"));
    zadanie.sesja.najkrotsza = cel == QStringLiteral("shortest");
    zadanie.sesja.najdluzsza = !zadanie.sesja.najkrotsza;
}

void czytajTour(const QCommandLineParser& parser, ZadanieCli& zadanie) {
    zadanie.tour = parser.value(QStringLiteral("tour"));
    zadanie.json = parser.isSet(QStringLiteral("json"));
    if (zadanie.tour.isEmpty())
        return;
    if (zadanie.polecenie != ZadanieCli::Polecenie::Rozwiaz)
        throw UserError(QStringLiteral("--tour: only solve writes a route"));
    const QString wejscie = QFileInfo(zadanie.plik).canonicalFilePath();
    if (zadanie.plik != QStringLiteral("-") && !wejscie.isEmpty()
        && wejscie == QFileInfo(zadanie.tour).canonicalFilePath())
        throw UserError(QStringLiteral("--tour ") + zadanie.tour + QStringLiteral(": that is the input file"));
    try {
        SprawdzZapis(zadanie.tour);
    } catch (const UserError& e) {
        throw UserError(QStringLiteral("--tour: ") + e.text());
    }
}

// Written like --tour, and checked before anything runs; a certificate is
// about whole distances, which the grid's cells are not.
void czytajCertyfikat(const QCommandLineParser& parser, ZadanieCli& zadanie) {
    if (!parser.isSet(QStringLiteral("certificate")))
        return;
    if (zadanie.polecenie != ZadanieCli::Polecenie::Rozwiaz)
        throw UserError(QStringLiteral("--certificate: only solve writes a certificate"));
    zadanie.certyfikat = parser.value(QStringLiteral("certificate"));
    if (zadanie.metrykaSiatki)
        throw UserError(
            QStringLiteral("--certificate: a certificate needs the file's whole distances, not --metric grid"));
    const QString cel = QFileInfo(zadanie.certyfikat).absoluteFilePath();
    if (cel == QFileInfo(zadanie.plik).absoluteFilePath()
        || (!zadanie.tour.isEmpty() && cel == QFileInfo(zadanie.tour).absoluteFilePath()))
        throw UserError(QStringLiteral("--certificate ") + zadanie.certyfikat
                        + QStringLiteral(": that is the input file or the --tour file"));
    try {
        SprawdzZapis(zadanie.certyfikat);
    } catch (const UserError& e) {
        throw UserError(QStringLiteral("--certificate: ") + e.text());
    }
}

} // namespace

void DodajOpcje(QCommandLineParser& parser) {
    parser.setApplicationDescription(OpisProgramu());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("solve, length or check."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .tsp file, or - for standard input."));
    parser.addPositionalArgument(QStringLiteral("TOUR"), QStringLiteral("length, check: the .tour file."),
                                 QStringLiteral("[TOUR]"));
    parser.addPositionalArgument(QStringLiteral("CERT"), QStringLiteral("check: the certificate."),
                                 QStringLiteral("[CERT]"));
    parser.addOptions(OpcjeProgramu());
}

ZadanieCli CzytajArgumenty(const QCommandLineParser& parser) {
    ZadanieCli zadanie;
    czytajPolecenie(parser, zadanie);
    if (zadanie.polecenie == ZadanieCli::Polecenie::Rozwiaz)
        sprawdzZnaczenie(parser, zadanie.metoda);
    czytajUstawienia(parser, zadanie);
    czytajLimity(parser, zadanie);
    czytajCel(parser, zadanie);
    czytajTour(parser, zadanie);
    czytajCertyfikat(parser, zadanie);
    return zadanie;
}
