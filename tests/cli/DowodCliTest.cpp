// Branch and cut from the command line: the exact method past the
// permutation search's reach, and auto's proof or bound.

#include "tests/cli/ProcesCli.h"
#include "tests/support/TestHelpers.h"

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
