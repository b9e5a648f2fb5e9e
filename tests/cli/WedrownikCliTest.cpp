// wedrownik-cli run as a user runs it: a process with files and arguments.

#include "storage/PlikTsp.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Wynik {
    int kod = -1;
    QString wyjscie;
    QString bledy;
};

Wynik uruchom(const QStringList& argumenty, const QByteArray& wejscie = {}) {
    QProcess proces;
    proces.start(QStringLiteral(WEDROWNIK_CLI), argumenty);
    EXPECT_TRUE(proces.waitForStarted());
    proces.write(wejscie);
    proces.closeWriteChannel();
    EXPECT_TRUE(proces.waitForFinished(120000));
    EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit);
    return {proces.exitCode(), QString::fromUtf8(proces.readAllStandardOutput()),
            QString::fromUtf8(proces.readAllStandardError())};
}

// A 3 x 4 rectangle: the perimeter, 14, is the shortest closed route; the
// one crossing both long diagonals, 4 + 5 + 4 + 5 = 18, the longest.
const QByteArray kProstokat = "NAME: prostokat\nTYPE : TSP\nDIMENSION: 4\nEDGE_WEIGHT_TYPE : EUC_2D\n"
                              "NODE_COORD_SECTION\n1 0 0\n2 3 0\n3 3 4\n4 0 4\nEOF\n";

class WedrownikCli : public ::testing::Test {
protected:
    QString plik(const QString& nazwa, const QByteArray& tresc) { return writeFile(katalog_.filePath(nazwa), tresc); }
    QTemporaryDir katalog_;
};

} // namespace

TEST_F(WedrownikCli, SolvesAFileAsTextAndFromStandardInputAsJson) {
    const Wynik tekst = uruchom({"solve", plik("p.tsp", kProstokat)});
    EXPECT_EQ(tekst.kod, 0) << tekst.bledy.toStdString();
    EXPECT_TRUE(tekst.wyjscie.contains("\nshortest 14.0000\nlongest 18.0000\n")) << tekst.wyjscie.toStdString();
    EXPECT_TRUE(QRegularExpression("\nroute [1-4] [1-4] [1-4] [1-4]\nseconds [0-9.]+\nroutes 6\n")
                    .match(tekst.wyjscie)
                    .hasMatch())
        << tekst.wyjscie.toStdString();
    EXPECT_TRUE(tekst.bledy.isEmpty()) << "no progress line off a terminal";

    const Wynik json = uruchom({"solve", "-", "--json"}, kProstokat);
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

TEST_F(WedrownikCli, BadUsageAndMalformedInputExitWithTwo) {
    const QString dobry = plik("p.tsp", kProstokat);
    for (const QStringList& argumenty : {QStringList{}, QStringList{"solve"}, QStringList{"rozwiaz", dobry},
                                         QStringList{"solve", dobry, "--method", "brute"},
                                         QStringList{"solve", dobry, "--draws", "0"},
                                         QStringList{"solve", dobry, "--mutation", "1.5"},
                                         QStringList{"solve", dobry, "--nieznana"}}) {
        const Wynik w = uruchom(argumenty);
        EXPECT_EQ(w.kod, 2) << argumenty.join(' ').toStdString();
        EXPECT_FALSE(w.bledy.isEmpty());
    }
    const QByteArray naglowek = "NAME: x\nTYPE: TSP\n";
    const struct {
        QByteArray tresc;
        int linia;
    } przypadki[] = {
        {naglowek + "EDGE_WEIGHT_TYPE: GEO\nNODE_COORD_SECTION\n1 0 0\n2 1 1\n", 3},
        {naglowek + "EDGE_WEIGHT_TYPE: EXPLICIT\nNODE_COORD_SECTION\n1 0 0\n2 1 1\n", 3},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n1 0 0\n2 0.2 0.1\n", 6},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nEOF\n", 4},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n1 0 0\n", 5},
        {naglowek + "EDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n1 0 0\n2 x 1\n", 6},
    };
    for (const auto& p : przypadki) {
        const QString sciezka = plik("zly.tsp", p.tresc);
        const Wynik w = uruchom({"solve", sciezka});
        EXPECT_EQ(w.kod, 2) << p.tresc.toStdString();
        EXPECT_TRUE(w.bledy.startsWith(sciezka + ":" + QString::number(p.linia) + ":")) << w.bledy.toStdString();
        EXPECT_TRUE(w.wyjscie.isEmpty());
    }
}

TEST_F(WedrownikCli, InterruptPrintsTheBestRouteSoFarWithCode130) {
    // Thirty cities on a diagonal: equal real lengths beyond counting keep
    // the exact search busy far longer than this test.
    QByteArray tresc = "NAME: przekatna\nTYPE: TSP\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    for (int i = 0; i < 30; ++i)
        tresc += QByteArray::number(i + 1) + ' ' + QByteArray::number(i) + ' ' + QByteArray::number(i) + '\n';
    QProcess proces;
    proces.start(QStringLiteral(WEDROWNIK_CLI), {"solve", plik("d.tsp", tresc)});
    ASSERT_TRUE(proces.waitForStarted());
    // Once the program catches SIGINT (its mask in /proc shows it), Ctrl+C
    // must end the search, not the process.
    const QString status = QStringLiteral("/proc/%1/status").arg(proces.processId());
    ASSERT_TRUE(waitUntil([&] {
        QFile f(status);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QRegularExpressionMatch m = QRegularExpression("SigCgt:\\s*([0-9a-f]+)").match(f.readAll());
        return m.hasMatch() && (m.captured(1).toULongLong(nullptr, 16) & (1ull << (SIGINT - 1))) != 0;
    }));
    ::kill(pid_t(proces.processId()), SIGINT);
    ASSERT_TRUE(proces.waitForFinished(60000));
    EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(proces.exitCode(), 130);
    const QString wyjscie = QString::fromUtf8(proces.readAllStandardOutput());
    EXPECT_TRUE(QRegularExpression("\nroute( [0-9]+){30}\n").match(wyjscie).hasMatch()) << wyjscie.toStdString();
    EXPECT_TRUE(wyjscie.contains("finished early"));
}
