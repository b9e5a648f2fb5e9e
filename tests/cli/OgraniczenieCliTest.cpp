// The lower bound and the gap beside a heuristic's route.

#include "tests/cli/ProcesCli.h"
#include "tests/support/TestHelpers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using WedrownikCliOgraniczenie = TestCli;

TEST_F(WedrownikCliOgraniczenie, HeuristicRoutesComeWithABoundBelowThemAndTheGapRoundedUp) {
    const QString tsp = plik("300.tsp", losoweMiasta(300, 1, 5000));
    for (const QStringList& metoda : {QStringList{"--method", "local", "--rounds", "50", "--seed", "1"},
                                      QStringList{"--method", "genetic", "--generations", "20", "--seed", "1"},
                                      QStringList{"--method", "random", "--draws", "20", "--seed", "1"}}) {
        const Wynik w = uruchom(QStringList{"solve", tsp, "--bound-time", "3"} + metoda);
        ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
        const qint64 trasa = linia(w.wyjscie, "shortest").toLongLong();
        const qint64 dolne = linia(w.wyjscie, "lower-bound").toLongLong();
        EXPECT_GT(dolne, 0) << metoda.join(' ').toStdString();
        EXPECT_LE(dolne, trasa);
        // Two decimals, never below the gap itself.
        const QString luka = linia(w.wyjscie, "gap-at-most");
        ASSERT_TRUE(luka.endsWith(" %")) << luka.toStdString();
        const double procent = luka.chopped(2).toDouble();
        const double dokladna = 100.0 * double(trasa - dolne) / double(dolne);
        EXPECT_GE(procent, dokladna);
        EXPECT_LT(procent, dokladna + 0.01);
    }
}

TEST_F(WedrownikCliOgraniczenie, JsonCarriesTheSameAndNoBoundWhenAskedForNoneOrWhenTheExactMethodFinished) {
    const QString tsp = plik("200.tsp", losoweMiasta(200, 2, 5000));
    const Wynik json = uruchom({"solve", tsp, "--method", "local", "--rounds", "100", "--seed", "3", "--json"});
    ASSERT_EQ(json.kod, 0) << json.bledy.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.wyjscie.toUtf8()).object();
    EXPECT_LE(o["lower_bound"].toInteger(), o["shortest"].toInteger());
    EXPECT_GE(o["gap_at_most"].toDouble(), 0.0);

    const Wynik bez = uruchom({"solve", tsp, "--method", "local", "--rounds", "10", "--bound-time", "0"});
    ASSERT_EQ(bez.kod, 0) << bez.bledy.toStdString();
    EXPECT_TRUE(linia(bez.wyjscie, "lower-bound").isEmpty());
    EXPECT_TRUE(linia(bez.wyjscie, "gap-at-most").isEmpty());

    const Wynik dokladna = uruchom({"solve", plik("9.tsp", losoweMiasta(9, 4, 5000))});
    ASSERT_EQ(dokladna.kod, 0) << dokladna.bledy.toStdString();
    EXPECT_EQ(linia(dokladna.wyjscie, "method"), "exact");
    EXPECT_TRUE(linia(dokladna.wyjscie, "lower-bound").isEmpty());

    const Wynik zle = uruchom({"solve", tsp, "--bound-time", "-1"});
    EXPECT_EQ(zle.kod, 2);
    EXPECT_TRUE(zle.bledy.contains("--bound-time")) << zle.bledy.toStdString();
}

TEST_F(WedrownikCliOgraniczenie, InTheWindowsCellsTheBoundIsCutDownToFourDecimals) {
    const Wynik w = uruchom({"solve", plik("c.tsp", losoweMiasta(120, 5, 5000)), "--metric", "grid", "--method", "local",
                             "--rounds", "20", "--seed", "1"});
    ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
    const QString dolne = linia(w.wyjscie, "lower-bound");
    EXPECT_EQ(dolne.section('.', 1).size(), 4) << dolne.toStdString();
    EXPECT_LE(dolne.toDouble(), linia(w.wyjscie, "shortest").toDouble());
}
