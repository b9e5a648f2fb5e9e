// Branch and cut from the command line: the exact method past the
// permutation search's reach, and auto's proof or bound.

#include "tests/cli/ProcesCli.h"
#include "tests/support/TestHelpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using WedrownikCliDowod = TestCli;

TEST_F(WedrownikCliDowod, ExactPastThePermutationsReachProvesTheShortestAndTheLongestRoute) {
    const QString tsp = plik("30.tsp", losoweMiasta(30, 1, 1000));
    const QString tour = katalog_.filePath("30.tour");
    const Wynik tekst = uruchom({"solve", tsp, "--method", "exact", "--tour", tour, "--seed", "1"});
    ASSERT_EQ(tekst.kod, 0) << tekst.bledy.toStdString();
    EXPECT_EQ(linia(tekst.wyjscie, "method"), "exact");
    EXPECT_EQ(wiersz(tekst.wyjscie, "proven optimal"), QString());
    EXPECT_EQ(wiersz(tekst.wyjscie, "proven longest"), QString());
    EXPECT_FALSE(wiersz(tekst.wyjscie, "lower-bound"));
    EXPECT_TRUE(tekst.bledy.contains("branch and cut")) << tekst.bledy.toStdString();
    EXPECT_EQ(linia(uruchom({"length", tsp, tour}).wyjscie, "length"), linia(tekst.wyjscie, "shortest"));

    const Wynik json = uruchom({"solve", tsp, "--method", "exact", "--json", "--seed", "1"});
    const QJsonObject o = QJsonDocument::fromJson(json.wyjscie.toUtf8()).object();
    EXPECT_TRUE(o["proven"].toBool());
    EXPECT_TRUE(o["longest_proven"].toBool());
    EXPECT_EQ(o["shortest"].toInteger(), linia(tekst.wyjscie, "shortest").toLongLong());
    EXPECT_EQ(o["longest"].toInteger(), linia(tekst.wyjscie, "longest").toLongLong());
    EXPECT_GT(o["longest"].toInteger(), o["shortest"].toInteger());
    EXPECT_GE(o["nodes"].toInteger(), 2);
}

TEST_F(WedrownikCliDowod, AutoSaysWhetherItsRouteIsProvenOrHowFarTheBoundLeavesIt) {
    // However far the proof gets in the time, the answer is consistent.
    const QString tsp = plik("150.tsp", losoweMiasta(150, 2, 1000));
    for (const char* czas : {"0.05", "0.2", "10"}) {
        const Wynik w = uruchom({"solve", tsp, "--time-limit", czas, "--json"});
        ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(w.wyjscie.toUtf8()).object();
        // Branch and cut's route, even where it kept the local search's.
        EXPECT_EQ(o["method"].toString(), "exact");
        EXPECT_FALSE(o.contains("longest"));
        if (o["proven"].toBool()) {
            EXPECT_FALSE(o.contains("gap_at_most"));
            continue;
        }
        // Stopped before a bound of its own, Held and Karp's follows.
        ASSERT_TRUE(o.contains("lower_bound")) << w.wyjscie.toStdString();
        const double trasa = o["shortest"].toDouble(), dolna = o["lower_bound"].toDouble();
        EXPECT_LE(dolna, trasa);
        EXPECT_GE(o["gap_at_most"].toDouble(), 100.0 * (trasa - dolna) / dolna);
        EXPECT_LT(o["gap_at_most"].toDouble(), 100.0 * (trasa - dolna) / dolna + 0.01);
    }
}

TEST_F(WedrownikCliDowod, AutoPastItsProofsReachGivesTheLocalSearchsRouteWithALowerBound) {
    // 1,000 rounds end the local search early; the LP has the rest.
    const Wynik w = uruchom({"solve", plik("401.tsp", losoweMiasta(401, 4, 1000)), "--time-limit", "5", "--rounds", "1000",
                             "--json"});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(w.wyjscie.toUtf8()).object();
    if (o["proven"].toBool())
        return;
    ASSERT_TRUE(o.contains("lower_bound")) << w.wyjscie.toStdString();
    const double trasa = o["shortest"].toDouble(), dolna = o["lower_bound"].toDouble();
    EXPECT_LE(dolna, trasa);
    EXPECT_GT(dolna, 0.8 * trasa);
    EXPECT_GE(o["gap_at_most"].toDouble(), 100.0 * (trasa - dolna) / dolna);

    // Without a time limit, the local search alone, to its rounds, with
    // Held and Karp's bound beside it as after any heuristic route.
    const Wynik bez = uruchom({"solve", plik("401.tsp", losoweMiasta(401, 4, 1000)), "--time-limit", "0", "--rounds", "100",
                               "--json"});
    ASSERT_EQ(bez.kod, 0) << bez.bledy.toStdString();
    const QJsonObject b = QJsonDocument::fromJson(bez.wyjscie.toUtf8()).object();
    EXPECT_EQ(b["method"].toString(), "local");
    ASSERT_TRUE(b.contains("lower_bound")) << bez.wyjscie.toStdString();
    EXPECT_LE(b["lower_bound"].toDouble(), b["shortest"].toDouble());
}

TEST_F(WedrownikCliDowod, ExactRefusesMoreCitiesThanBranchAndCutTakes) {
    const Wynik w = uruchom({"solve", plik("3001.tsp", losoweMiasta(3001, 3, 1000)), "--method", "exact"});
    EXPECT_EQ(w.kod, 2);
    EXPECT_TRUE(w.bledy.contains("branch and cut takes at most 3000 cities")) << w.bledy.toStdString();
    EXPECT_TRUE(w.wyjscie.isEmpty());
}

TEST_F(WedrownikCliDowod, OptionsThatMeanNothingForTheMethodAreRefusedAndExactTakesNoTimeLimit) {
    const QString tsp = plik("8.tsp", losoweMiasta(8, 1, 1000));
    const Wynik rundy = uruchom({"solve", tsp, "--method", "exact", "--rounds", "10"});
    EXPECT_EQ(rundy.kod, 2);
    EXPECT_TRUE(rundy.bledy.contains("--rounds means nothing for --method exact")) << rundy.bledy.toStdString();
    EXPECT_EQ(uruchom({"solve", tsp, "--method", "local", "--draws", "5"}).kod, 2);
    EXPECT_EQ(uruchom({"solve", tsp, "--method", "genetic", "--time-limit", "5"}).kod, 2);

    const Wynik bezLimitu = uruchom({"solve", tsp, "--method", "exact", "--time-limit", "0"});
    EXPECT_EQ(bezLimitu.kod, 0) << bezLimitu.bledy.toStdString();
    EXPECT_EQ(wiersz(bezLimitu.wyjscie, "proven optimal"), QString());
}

namespace {

// n cities, every pair 10^9 apart but along the cycle 0, 1, ..., n-1, one
// less: that cycle is the only shortest route, n(10^9 - 1) long, and every
// sum passes 2^24 by far.
QByteArray cyklWMiliardach(int n) {
    QByteArray tsp = "NAME: cykl\nTYPE: TSP\nDIMENSION: " + QByteArray::number(n)
                     + "\nEDGE_WEIGHT_TYPE: EXPLICIT\nEDGE_WEIGHT_FORMAT: FULL_MATRIX\nEDGE_WEIGHT_SECTION\n";
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            const bool cykl = (a + 1) % n == b || (b + 1) % n == a;
            tsp += QByteArray::number(a == b ? 0 : cykl ? 999999999 : 1000000000) + ' ';
        }
        tsp += '\n';
    }
    return tsp + "EOF\n";
}

QJsonObject jsonZ(const Wynik& w) {
    return QJsonDocument::fromJson(w.wyjscie.toUtf8()).object();
}

} // namespace

TEST_F(WedrownikCliDowod, OnlyProvesTheOneRouteAskedFor) {
    const QString tsp = plik("30.tsp", losoweMiasta(30, 1, 1000));
    const QJsonObject oba = jsonZ(uruchom({"solve", tsp, "--method", "exact", "--json", "--seed", "1"}));
    const Wynik krotka = uruchom({"solve", tsp, "--method", "exact", "--only", "shortest", "--seed", "1"});
    ASSERT_EQ(krotka.kod, 0) << krotka.bledy.toStdString();
    EXPECT_EQ(linia(krotka.wyjscie, "shortest").toLongLong(), oba["shortest"].toInteger());
    EXPECT_EQ(wiersz(krotka.wyjscie, "proven optimal"), QString());
    EXPECT_FALSE(wiersz(krotka.wyjscie, "longest"));

    // The longest alone: its route is the one printed and written.
    const QString tour = katalog_.filePath("dluga.tour");
    const Wynik dluga = uruchom({"solve", tsp, "--method", "exact", "--only", "longest", "--tour", tour});
    ASSERT_EQ(dluga.kod, 0) << dluga.bledy.toStdString();
    EXPECT_FALSE(wiersz(dluga.wyjscie, "shortest"));
    EXPECT_EQ(wiersz(dluga.wyjscie, "proven longest"), QString());
    EXPECT_EQ(linia(dluga.wyjscie, "longest").toLongLong(), oba["longest"].toInteger());
    EXPECT_EQ(linia(uruchom({"length", tsp, tour}).wyjscie, "length"), linia(dluga.wyjscie, "longest"));

    // Up to the permutation search's reach too.
    const Wynik mala = uruchom({"solve", plik("9.tsp", losoweMiasta(9, 2, 1000)), "--method", "exact", "--only",
                                "longest", "--json"});
    ASSERT_EQ(mala.kod, 0) << mala.bledy.toStdString();
    EXPECT_TRUE(jsonZ(mala)["longest_proven"].toBool()) << mala.wyjscie.toStdString();
    EXPECT_EQ(jsonZ(mala)["route"].toArray().size(), 9);

    EXPECT_EQ(uruchom({"solve", tsp, "--method", "exact", "--only", "both"}).kod, 2);
    EXPECT_EQ(uruchom({"solve", tsp, "--method", "local", "--only", "shortest"}).kod, 2);
}

TEST_F(WedrownikCliDowod, SumsPast2To24AreProvenInWholeNumbersAtEverySize) {
    for (int n : {8, 30}) {
        const Wynik w = uruchom({"solve", plik("cykl.tsp", cyklWMiliardach(n)), "--method", "exact", "--json"});
        ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
        const QJsonObject o = jsonZ(w);
        EXPECT_TRUE(o["proven"].toBool()) << n;
        EXPECT_EQ(o["shortest"].toInteger(), qint64(n) * 999999999) << n;
        EXPECT_EQ(o["longest"].toInteger(), qint64(n) * 1000000000) << n;
    }
}

TEST_F(WedrownikCliDowod, TheTimeLimitHoldsBelowBranchAndCutsSizesAndSaysSo) {
    // Cities in a row: routes of equal length everywhere, which the
    // permutation search takes seconds over.
    QByteArray rzad = "NAME: rzad\nTYPE: TSP\nDIMENSION: 25\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    for (int i = 0; i < 25; ++i)
        rzad += QByteArray::number(i + 1) + ' ' + QByteArray::number(i) + " 0\n";
    const Wynik w = uruchom({"solve", plik("rzad.tsp", rzad + "EOF\n"), "--method", "exact", "--time-limit", "0.01"});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    EXPECT_FALSE(wiersz(w.wyjscie, "proven optimal"));
    EXPECT_EQ(linia(w.wyjscie, "route").split(' ').size(), 25);
    EXPECT_TRUE(w.bledy.contains("the time limit ended the exact method before its proof")) << w.bledy.toStdString();
}

TEST_F(WedrownikCliDowod, CutShortTheShortestRouteIsNeverLongerThanTheLongest) {
    // Cities on a circle in the order of the shortest route: whichever
    // search holds that order when the time runs out, both answers see it.
    QByteArray kolo = "NAME: kolo\nTYPE: TSP\nDIMENSION: 100\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    for (int i = 0; i < 100; ++i) {
        const double kat = 2.0 * M_PI * i / 100.0;
        kolo += QByteArray::number(i + 1) + ' ' + QByteArray::number(std::lround(5000 + 4000 * std::cos(kat))) + ' '
                + QByteArray::number(std::lround(5000 + 4000 * std::sin(kat))) + '\n';
    }
    const QString tsp = plik("kolo.tsp", kolo + "EOF\n");
    for (const char* czas : {"0.001", "0.05"}) {
        const QJsonObject o = jsonZ(uruchom({"solve", tsp, "--method", "exact", "--time-limit", czas, "--json"}));
        if (!o.contains("longest"))
            continue;
        EXPECT_LE(o["shortest"].toInteger(), o["longest"].toInteger()) << czas;
    }
}
