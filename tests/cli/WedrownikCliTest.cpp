// wedrownik-cli run as a user runs it: a process with files and arguments.

#include "storage/PlikTsp.h"
#include "tests/cli/ProcesCli.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QDir>
#include <QPoint>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A 3 x 4 rectangle: the perimeter, 14, is the shortest closed route; the
// one crossing both long diagonals, 4 + 5 + 4 + 5 = 18, the longest.
const QByteArray kProstokat = "NAME: prostokat\nTYPE : TSP\nDIMENSION: 4\nEDGE_WEIGHT_TYPE : EUC_2D\n"
                              "NODE_COORD_SECTION\n1 0 0\n2 3 0\n3 3 4\n4 0 4\nEOF\n";

// Whether a mask of signals in /proc/PID/status holds SIGINT.
bool maskaZCtrlC(qint64 pid, const QString& maska) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QRegularExpressionMatch m = QRegularExpression(maska + ":\\s*([0-9a-f]+)").match(f.readAll());
    return m.hasMatch() && (m.captured(1).toULongLong(nullptr, 16) & (1ull << (SIGINT - 1))) != 0;
}

// The program catches Ctrl+C. It does so after checking its arguments and
// before reading its input.
bool lapieCtrlC(qint64 pid) { return maskaZCtrlC(pid, QStringLiteral("SigCgt")); }

// A Ctrl+C sent waits there until the program takes it.
bool ctrlCCzeka(qint64 pid) {
    return maskaZCtrlC(pid, QStringLiteral("ShdPnd")) || maskaZCtrlC(pid, QStringLiteral("SigPnd"));
}

// Two hundred cities on a 20 x 10 lattice, 10 cells apart.
QByteArray krata() {
    QByteArray tresc = "NAME: krata\nTYPE: TSP\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    for (int k = 0; k < 200; ++k)
        tresc += QByteArray::number(k + 1) + ' ' + QByteArray::number(k % 20 * 10) + ' '
                 + QByteArray::number(k / 20 * 10) + '\n';
    return tresc;
}

// A pseudo-terminal to stand for a user's terminal: the program shows its
// progress only on one.
class Terminal {
public:
    Terminal() : glowny_(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        EXPECT_GE(glowny_, 0);
        EXPECT_EQ(::grantpt(glowny_), 0);
        EXPECT_EQ(::unlockpt(glowny_), 0);
    }
    ~Terminal() { ::close(glowny_); }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    QString sciezka() const {
        char nazwa[128] = {};
        EXPECT_EQ(::ptsname_r(glowny_, nazwa, sizeof nazwa), 0);
        return QString::fromLocal8Bit(nazwa);
    }
    // Everything written to the terminal so far.
    const QByteArray& odczytaj() {
        char kawalek[4096];
        ssize_t ile = 0;
        while ((ile = ::read(glowny_, kawalek, sizeof kawalek)) > 0)
            bufor_.append(kawalek, ile);
        return bufor_;
    }

private:
    int glowny_;
    QByteArray bufor_;
};

using WedrownikCli = TestCli;

} // namespace

TEST_F(WedrownikCli, SolvesAFileAsTextAndFromStandardInputAsJson) {
    const Wynik tekst = uruchom({"solve", plik("p.tsp", kProstokat)});
    EXPECT_EQ(tekst.kod, 0) << tekst.bledy.toStdString();
    EXPECT_TRUE(tekst.wyjscie.contains("\nshortest 14\nlongest 18\n")) << tekst.wyjscie.toStdString();
    EXPECT_TRUE(QRegularExpression("\nroute [1-4] [1-4] [1-4] [1-4]\nseconds [0-9.]+\nroutes 6\n")
                    .match(tekst.wyjscie)
                    .hasMatch())
        << tekst.wyjscie.toStdString();
    EXPECT_TRUE(tekst.bledy.isEmpty()) << "no progress line off a terminal";

    const Wynik json = uruchom({"solve", "-", "--json", "--metric", "grid"}, kProstokat);
    EXPECT_EQ(json.kod, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.wyjscie.toUtf8()).object();
    EXPECT_EQ(o["method"].toString(), "exact");
    EXPECT_EQ(o["cities"].toInt(), 4);
    EXPECT_EQ(o["shortest"].toDouble(), 14.0);
    EXPECT_EQ(o["longest"].toDouble(), 18.0);
    EXPECT_EQ(o["route"].toArray().size(), 4);

    const Wynik losowo = uruchom({"solve", "-", "--method", "random", "--draws", "50", "--seed", "1", "--json"},
                                 kProstokat);
    EXPECT_EQ(losowo.kod, 0);
    const QJsonObject l = QJsonDocument::fromJson(losowo.wyjscie.toUtf8()).object();
    EXPECT_EQ(l["method"].toString(), "random");
    EXPECT_GE(l["shortest"].toDouble(), 14.0);
    EXPECT_FALSE(l.contains("longest"));
}

TEST_F(WedrownikCli, TourFileReadsBackAsTheRoutePrinted) {
    const QString tour = katalog_.filePath("p.tour");
    const Wynik w = uruchom({"solve", plik("p.tsp", kProstokat), "--tour", tour, "--json"});
    ASSERT_EQ(w.kod, 0);
    std::vector<int> wydrukowana;
    for (const QJsonValue& id : QJsonDocument::fromJson(w.wyjscie.toUtf8()).object()["route"].toArray())
        wydrukowana.push_back(id.toInt());
    EXPECT_EQ(PlikTsp::WczytajTour(tour), wydrukowana);
}

TEST_F(WedrownikCli, BadUsageAndMalformedInputExitWithTwoAndSayWhyInEnglish) {
    const QRegularExpression polskaLitera(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
    const QString dobry = plik("p.tsp", kProstokat);
    for (const QStringList& argumenty : {QStringList{}, QStringList{"solve"}, QStringList{"rozwiaz", dobry},
                                         QStringList{"solve", dobry, "--method", "brute"},
                                         QStringList{"solve", dobry, "--draws", "0"},
                                         QStringList{"solve", dobry, "--mutation", "1.5"},
                                         QStringList{"solve", dobry, "--nieznana"}, QStringList{"length", dobry},
                                         QStringList{"solve", dobry, "--metric", "cells"},
                                         QStringList{"length", dobry, dobry, "--tour", "x.tour"}}) {
        const Wynik w = uruchom(argumenty);
        EXPECT_EQ(w.kod, 2) << argumenty.join(' ').toStdString();
        EXPECT_FALSE(w.bledy.isEmpty());
        EXPECT_FALSE(w.bledy.contains(polskaLitera)) << w.bledy.toStdString();
    }
    const QByteArray naglowek = "NAME: x\nTYPE: TSP\n";
    const struct {
        QByteArray tresc;
        int linia;
        const char* blad;
    } przypadki[] = {
        {naglowek + "EDGE_WEIGHT_TYPE: MAX_2D\nNODE_COORD_SECTION\n1 0 0\n2 1 1\n", 3,
         "EDGE_WEIGHT_TYPE MAX_2D not supported (only EUC_2D, CEIL_2D, ATT, GEO and EXPLICIT)"},
        {naglowek + "EDGE_WEIGHT_TYPE: EXPLICIT\nNODE_COORD_SECTION\n1 0 0\n2 1 1\n", 6, "missing EDGE_WEIGHT_SECTION"},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nEOF\n", 4, "missing NODE_COORD_SECTION"},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n1 0 0\n", 5,
         "too few cities: 1 (at least two are needed)"},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n1 0 0\n2 x 1\n", 6, "'x' is not a number"},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n1 0 0\n2 1 2e9\n", 6,
         "coordinate 2e9 out of range -1e9 to 1e9"},
        {naglowek + "EDGE_WEIGHT_TYPE: EXPLICIT\nEDGE_WEIGHT_FORMAT: LOWER_ROW\nDIMENSION: 2\nEDGE_WEIGHT_SECTION\n"
                    "2147483645\n",
         7, "weight 2147483645 out of range 0..1000000000"},
        {naglowek + "FOO: 1\n", 3, "unknown keyword 'FOO'"},
    };
    for (const auto& p : przypadki) {
        const QString sciezka = plik("zly.tsp", p.tresc);
        const Wynik w = uruchom({"solve", sciezka});
        EXPECT_EQ(w.kod, 2) << p.tresc.toStdString();
        const QString oczekiwany = sciezka + ":" + QString::number(p.linia) + ": " + p.blad + "\n";
        EXPECT_EQ(w.bledy.toStdString(), oczekiwany.toStdString());
        EXPECT_TRUE(w.wyjscie.isEmpty());
    }
}

TEST_F(WedrownikCli, InterruptAfterTheFirstRoutePrintsThatRouteWithItsOwnLength) {
    // More generations than this test waits for.
    std::vector<QPoint> miejsca;
    for (int k = 0; k < 200; ++k)
        miejsca.emplace_back(k % 20 * 10, k / 20 * 10);
    Terminal terminal;
    QProcess proces;
    proces.setStandardErrorFile(terminal.sciezka());
    proces.start(QStringLiteral(WEDROWNIK_CLI), {"solve", plik("k.tsp", krata()), "--metric", "grid", "--method",
                                                 "genetic", "--generations", "2000000000", "--json"});
    ASSERT_TRUE(proces.waitForStarted());
    // The progress shows a generation once the first population is judged.
    ASSERT_TRUE(waitUntil([&] { return terminal.odczytaj().contains("generation"); }, 60000));
    ::kill(pid_t(proces.processId()), SIGINT);
    ASSERT_TRUE(proces.waitForFinished(60000));
    EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(proces.exitCode(), 130);
    const QJsonObject o = QJsonDocument::fromJson(proces.readAllStandardOutput()).object();
    EXPECT_FALSE(o["finished"].toBool(true));
    std::vector<int> trasa;
    for (const QJsonValue& id : o["route"].toArray())
        trasa.push_back(id.toInt() - 1);
    ASSERT_TRUE(isPermutation(trasa, 200));
    // Summed as the genetic search sums: single-precision steps, in double,
    // the closing step last.
    double dlugosc = 0.0;
    for (std::size_t k = 0; k < trasa.size(); ++k) {
        const QPoint d = miejsca[std::size_t(trasa[(k + 1) % trasa.size()])] - miejsca[std::size_t(trasa[k])];
        dlugosc += double(float(std::sqrt(double(d.x() * d.x() + d.y() * d.y()))));
    }
    EXPECT_DOUBLE_EQ(o["shortest"].toDouble(), dlugosc);
}

TEST_F(WedrownikCli, SecondInterruptRightAfterTheFirstDoesNotLoseTheAnswer) {
    // As timeout -s INT sends them: one to the program, one to its group.
    Terminal terminal;
    QProcess proces;
    proces.setStandardErrorFile(terminal.sciezka());
    proces.start(QStringLiteral(WEDROWNIK_CLI), {"solve", plik("k.tsp", krata()), "--method", "local",
                                                 "--time-limit", "600"});
    ASSERT_TRUE(proces.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return terminal.odczytaj().contains("round"); }, 60000));
    const pid_t pid = pid_t(proces.processId());
    ::kill(pid, SIGINT);
    // Taken, not merely pending: the next one is a second Ctrl+C.
    ASSERT_TRUE(waitUntil([&] { return !ctrlCCzeka(pid); }));
    ::kill(pid, SIGINT);
    ASSERT_TRUE(proces.waitForFinished(60000));
    EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(proces.exitCode(), 130);
    const QByteArray wyjscie = proces.readAllStandardOutput();
    EXPECT_TRUE(wyjscie.contains("finished early")) << wyjscie.toStdString();
    EXPECT_TRUE(QRegularExpression("\nroute( \\d+){200}\n").match(QString::fromUtf8(wyjscie)).hasMatch())
        << wyjscie.toStdString();
}

TEST_F(WedrownikCli, ClosedStandardInputIsRefusedAtOnceAndAFileReadAllTheSame) {
    const QString dobry = plik("p.tsp", kProstokat);
    for (const QStringList& argumenty : {QStringList{"solve", "-"}, QStringList{"solve", dobry}}) {
        QProcess proces;
        proces.setChildProcessModifier([] { ::close(STDIN_FILENO); });
        proces.start(QStringLiteral(WEDROWNIK_CLI), argumenty);
        ASSERT_TRUE(proces.waitForFinished(60000)) << "it waits for input that cannot come";
        if (argumenty[1] == "-") {
            EXPECT_EQ(proces.exitCode(), 2);
            EXPECT_EQ(proces.readAllStandardError(), "cannot read -: standard input is closed\n");
        } else {
            EXPECT_EQ(proces.exitCode(), 0);
            EXPECT_TRUE(proces.readAllStandardOutput().contains("\nshortest 14\n"));
        }
    }
}

TEST_F(WedrownikCli, CitiesAtOnePointMeasureZeroByEveryMethod) {
    const QString punkt = plik("punkt.tsp", "NAME: punkt\nTYPE: TSP\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n"
                                            "1 5 5\n2 5 5\n3 5 5\n4 5 5\nEOF\n");
    const QString zera = plik("zera.tsp", "NAME: zera\nTYPE: TSP\nDIMENSION: 4\nEDGE_WEIGHT_TYPE: EXPLICIT\n"
                                          "EDGE_WEIGHT_FORMAT: UPPER_ROW\nEDGE_WEIGHT_SECTION\n0 0 0\n0 0\n0\nEOF\n");
    for (const QString& tsp : {punkt, zera})
        for (const QStringList& metoda : {QStringList{"exact"}, QStringList{"random", "--draws", "5"},
                                          QStringList{"genetic", "--generations", "5"},
                                          QStringList{"local", "--rounds", "5"}}) {
            const Wynik w = uruchom(QStringList{"solve", tsp, "--seed", "1", "--method"} + metoda);
            EXPECT_EQ(w.kod, 0) << metoda[0].toStdString() << ' ' << w.bledy.toStdString();
            EXPECT_TRUE(w.wyjscie.contains("\nshortest 0\n")) << metoda[0].toStdString() << ' ' << w.wyjscie.toStdString();
        }
}

TEST_F(WedrownikCli, InterruptWhileAPipeSendsNothingPrintsNoRoute) {
    QProcess proces;
    proces.start(QStringLiteral(WEDROWNIK_CLI), {"solve", "-"});
    ASSERT_TRUE(proces.waitForStarted());
    // The pipe stays open and empty: the program waits in its read.
    ASSERT_TRUE(waitUntil([&] { return lapieCtrlC(proces.processId()); }));
    ::kill(pid_t(proces.processId()), SIGINT);
    ASSERT_TRUE(proces.waitForFinished(30000)) << "the read did not end on Ctrl+C";
    EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(proces.exitCode(), 130);
    EXPECT_TRUE(proces.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(proces.readAllStandardError().contains("no route"));
}

TEST(WedrownikCliBiblioteki, RunsOnQtCoreAlone) {
    QProcess proces;
    proces.start(QStringLiteral(WEDROWNIK_CLI), {"solve", "-"});
    ASSERT_TRUE(proces.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return lapieCtrlC(proces.processId()); }));
    QFile mapy(QStringLiteral("/proc/%1/maps").arg(proces.processId()));
    ASSERT_TRUE(mapy.open(QIODevice::ReadOnly));
    const QByteArray zaladowane = mapy.readAll();
    EXPECT_TRUE(zaladowane.contains("libQt6Core"));
    EXPECT_FALSE(zaladowane.contains("libQt6Gui"));
    EXPECT_FALSE(zaladowane.contains("libQt6Widgets"));
    proces.kill();
    proces.waitForFinished();
}

TEST_F(WedrownikCli, AnswerThatCannotReachStandardOutputExitsWithFour) {
    const QString dobry = plik("p.tsp", kProstokat);
    for (const QStringList& argumenty : {QStringList{"solve", dobry}, QStringList{"--help"}, QStringList{"--version"}}) {
        QProcess pelny;
        pelny.setStandardOutputFile(QStringLiteral("/dev/full"));
        pelny.start(QStringLiteral(WEDROWNIK_CLI), argumenty);
        ASSERT_TRUE(pelny.waitForFinished(60000));
        EXPECT_EQ(pelny.exitCode(), 4) << argumenty.join(' ').toStdString();
        EXPECT_FALSE(pelny.readAllStandardError().isEmpty());
    }

    QProcess zamkniety;
    zamkniety.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    zamkniety.start(QStringLiteral(WEDROWNIK_CLI), {"solve", dobry});
    ASSERT_TRUE(zamkniety.waitForFinished(60000));
    EXPECT_EQ(zamkniety.exitCode(), 4);
}

TEST_F(WedrownikCli, TourThatCannotBeWrittenIsRefusedFirstOrReportedAfterTheAnswer) {
    const QString wejscie = plik("p.tsp", kProstokat);
    for (const QString& tour : {katalog_.filePath("brak/p.tour"), katalog_.path(), wejscie}) {
        const Wynik w = uruchom({"solve", wejscie, "--tour", tour});
        EXPECT_EQ(w.kod, 2) << tour.toStdString();
        EXPECT_TRUE(w.wyjscie.isEmpty());
        EXPECT_TRUE(w.bledy.contains(tour)) << w.bledy.toStdString();
    }
    EXPECT_EQ(PlikTsp::WczytajTsp(wejscie).Miasta.size(), 4u) << "the input file was overwritten";

    // The folder goes away while the program waits for its input, after the
    // check: the answer is printed all the same.
    ASSERT_TRUE(QDir(katalog_.path()).mkdir("znika"));
    const QString tour = katalog_.filePath("znika/p.tour");
    QProcess proces;
    proces.start(QStringLiteral(WEDROWNIK_CLI), {"solve", "-", "--tour", tour});
    ASSERT_TRUE(proces.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return lapieCtrlC(proces.processId()); }));
    ASSERT_TRUE(QDir(katalog_.filePath("znika")).removeRecursively());
    proces.write(kProstokat);
    proces.closeWriteChannel();
    ASSERT_TRUE(proces.waitForFinished(60000));
    EXPECT_EQ(proces.exitCode(), 5);
    EXPECT_TRUE(proces.readAllStandardOutput().contains("\nshortest 14\n"));
    EXPECT_TRUE(QString::fromUtf8(proces.readAllStandardError()).contains(tour));
}
