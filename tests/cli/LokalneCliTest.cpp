// The method the command line picks by itself, and the local search, which
// reads no table.

#include "tests/cli/ProcesCli.h"
#include "tests/support/TestHelpers.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <random>


using WedrownikCliLokalnie = TestCli;

TEST_F(WedrownikCliLokalnie, AutoTakesTheExactMethodWhereItIsKnownToFinishAndBranchAndCutBeyond) {
    const Wynik male = uruchom({"solve", plik("10.tsp", losoweMiasta(10, 1, 1000))});
    EXPECT_EQ(male.kod, 0) << male.bledy.toStdString();
    EXPECT_EQ(linia(male.wyjscie, "method"), "exact");
    EXPECT_FALSE(linia(male.wyjscie, "longest").isEmpty());

    const Wynik duze = uruchom({"solve", plik("40.tsp", losoweMiasta(40, 2, 1000)), "--time-limit", "0.2"});
    EXPECT_EQ(duze.kod, 0) << duze.bledy.toStdString();
    // Branch and cut's route, proven or bounded: the method is the exact one.
    EXPECT_EQ(linia(duze.wyjscie, "method"), "exact");
    EXPECT_TRUE(duze.wyjscie.contains("\nproven optimal\n") || !linia(duze.wyjscie, "lower-bound").isEmpty());
    EXPECT_TRUE(linia(duze.wyjscie, "longest").isEmpty());
    EXPECT_EQ(linia(duze.wyjscie, "route").split(' ').size(), 40);

    // Asked for by name past its reach, the exact method says it may not
    // finish, and on easy cities it still does: a convex polygon.
    QByteArray wielokat = "NAME: w\nTYPE: TSP\nEDGE_WEIGHT_TYPE: EUC_2D\nNODE_COORD_SECTION\n";
    for (int k = 0; k < 27; ++k)
        wielokat += QByteArray::number(k + 1) + ' ' + QByteArray::number(std::lround(1000 * std::cos(k * 0.2327)))
                    + ' ' + QByteArray::number(std::lround(700 * std::sin(k * 0.2327))) + '\n';
    const Wynik dokladnie = uruchom({"solve", plik("w.tsp", wielokat), "--method", "exact"});
    EXPECT_EQ(dokladnie.kod, 0) << dokladnie.bledy.toStdString();
    EXPECT_TRUE(dokladnie.bledy.contains("may not finish")) << dokladnie.bledy.toStdString();
}

TEST_F(WedrownikCliLokalnie, SameSeedAndRoundsGiveTheSameRouteWhoseLengthTheLengthCommandConfirms) {
    const QString tsp = plik("200.tsp", losoweMiasta(200, 3, 100000));
    const QString tour = katalog_.filePath("200.tour");
    const QStringList argumenty{"solve", tsp, "--method", "local", "--rounds", "300", "--seed", "7"};
    const Wynik pierwszy = uruchom(argumenty + QStringList{"--tour", tour});
    const Wynik drugi = uruchom(argumenty);
    ASSERT_EQ(pierwszy.kod, 0) << pierwszy.bledy.toStdString();
    EXPECT_EQ(linia(pierwszy.wyjscie, "route"), linia(drugi.wyjscie, "route"));
    EXPECT_EQ(linia(pierwszy.wyjscie, "rounds"), "300");
    const Wynik dlugosc = uruchom({"length", tsp, tour});
    EXPECT_EQ(linia(dlugosc.wyjscie, "length"), linia(pierwszy.wyjscie, "shortest"));
}

TEST_F(WedrownikCliLokalnie, TheLocalSearchSolvesWhatNoTableCouldHold) {
    const QString tsp = plik("20000.tsp", losoweMiasta(20000, 4, 1000000));
    // The table of 20,000 cities takes 1.6 GB: more than the whole process
    // may have here.
    const Wynik lokalnie = uruchom({"solve", tsp, "--rounds", "0"}, {}, ograniczPamiec(768));
    EXPECT_EQ(lokalnie.kod, 0) << lokalnie.bledy.toStdString();
    EXPECT_EQ(linia(lokalnie.wyjscie, "method"), "local");
    EXPECT_EQ(linia(lokalnie.wyjscie, "route").split(' ').size(), 20000);
}
