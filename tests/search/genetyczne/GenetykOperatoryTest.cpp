#include "tests/search/genetyczne/GenetykTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>


using namespace genetyk_test;

namespace {

// A population of random routes through the cities of a random table.
struct Probka {
    OdleglosciSlot tablica;
    CGenetyk gen;

    Probka(int licznosc, int n, unsigned ziarno) : tablica(tablicaLosowa(n, ziarno)) {
        gen.Odleglosci = &tablica;
        gen.UstawRozmiar(licznosc, n);
        std::mt19937 los(ziarno);
        for (CGenotyp& g : gen.Populacja())
            g.Geny = losowaPermutacja(n, los);
    }
};

// One generation's steps in the order the search runs them.
void pokolenie(CGenetyk& gen) {
    gen.Selekcja();
    gen.Krzyzowanie();
    gen.Mutacja();
    gen.Ocen();
    gen.ZapamietajNajlepszy();
}

// The initial population as the search makes it.
void poczatek(CGenetyk& gen) {
    gen.Inicjuj();
    gen.Ocen();
    gen.ZapamietajNajlepszy();
}

// Roulette wheel read literally: individual 0 below its cumulative value,
// else the first j with D[j-1] <= x < D[j]; -1 when no interval holds x.
int wybranyWprost(const std::vector<double>& D, double x) {
    if (x < D[0])
        return 0;
    for (std::size_t j = 1; j < D.size(); ++j)
        if (D[j - 1] <= x && x < D[j])
            return static_cast<int>(j);
    return -1;
}

} // namespace

TEST(GenetykOcena, DlugoscTrasy_ReadsTheLaterCityAsRowAndClosesTheLoop) {
    auto tablica = std::make_unique<TablicaOdleglosci>(3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            (*tablica)[i][j] = static_cast<float>(10 * i + j);
    CGenetyk gen;
    gen.Odleglosci = &tablica;
    CGenotyp g;
    g.UstawIlosc(3);
    g.Geny = {0, 2, 1};
    // [2][0] + [1][2] + closing [0][1]
    EXPECT_EQ(gen.DlugoscTrasy(g), 20.0 + 12.0 + 1.0);

    // The table is looked up through the slot at every use.
    tablica = std::make_unique<TablicaOdleglosci>(3);
    EXPECT_EQ(gen.DlugoscTrasy(g), 0.0);
}

TEST(GenetykOcena, Ocen_GivesFitnessAboveTheLongestRouteAndACumulativeWheel) {
    Probka p(12, 10, 8);
    p.gen.Ocen();

    double najdluzsza = 0.0;
    for (const CGenotyp& g : p.gen.Populacja()) {
        EXPECT_EQ(g.Droga, dlugosc(*p.tablica, g.Geny));
        najdluzsza = std::max(najdluzsza, g.Droga);
    }
    double suma = 0.0;
    double poprzednia = 0.0;
    for (const CGenotyp& g : p.gen.Populacja()) {
        EXPECT_DOUBLE_EQ(g.Przystosowanie, najdluzsza + 1.0 - g.Droga);
        EXPECT_GE(g.Przystosowanie, 1.0);
        suma += g.Prawdopodobienstwo;
        EXPECT_GT(g.Dystrybuanta, poprzednia);
        poprzednia = g.Dystrybuanta;
    }
    EXPECT_NEAR(suma, 1.0, 1e-12);
    EXPECT_NEAR(p.gen.Populacja().back().Dystrybuanta, 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(p.gen.Populacja().front().Dystrybuanta, p.gen.Populacja().front().Prawdopodobienstwo);
}

TEST(GenetykOcena, ZapamietajNajlepszy_KeepsTheFirstOfEqualRoutesAndOnlyStrictImprovements) {
    Probka p(4, 6, 1);
    p.gen.Populacja()[0].Droga = 30.0;
    p.gen.Populacja()[1].Droga = 20.0;
    p.gen.Populacja()[2].Droga = 20.0;
    p.gen.Populacja()[3].Droga = 25.0;
    p.gen.ZapamietajNajlepszy();
    EXPECT_EQ(p.gen.Najlepszy().Droga, 20.0);
    EXPECT_EQ(p.gen.Najlepszy().Geny, p.gen.Populacja()[1].Geny);

    const std::vector<int> zapamietany = p.gen.Najlepszy().Geny;
    for (CGenotyp& g : p.gen.Populacja())
        g.Droga = 20.0;
    p.gen.ZapamietajNajlepszy();
    EXPECT_EQ(p.gen.Najlepszy().Geny, zapamietany);

    p.gen.Populacja()[3].Droga = 19.5;
    p.gen.ZapamietajNajlepszy();
    EXPECT_EQ(p.gen.Najlepszy().Geny, p.gen.Populacja()[3].Geny);
}

TEST(GenetykOcena, ZapamietajNajlepszy_TakesARouteOfLengthZeroAndKeepsIt) {
    // Cities at one point: every route has length 0.
    Probka p(4, 6, 1);
    for (CGenotyp& g : p.gen.Populacja())
        g.Droga = 0.0;
    EXPECT_FALSE(p.gen.MaNajlepszy());
    p.gen.ZapamietajNajlepszy();
    EXPECT_TRUE(p.gen.MaNajlepszy());
    const std::vector<int> zapamietany = p.gen.Populacja()[0].Geny;
    EXPECT_EQ(p.gen.Najlepszy().Geny, zapamietany);
    std::reverse(p.gen.Populacja()[0].Geny.begin(), p.gen.Populacja()[0].Geny.end());
    p.gen.ZapamietajNajlepszy();
    EXPECT_EQ(p.gen.Najlepszy().Geny, zapamietany) << "an equal length replaced it";
}

TEST(GenetykSelekcja, PicksTheSameIndividualsAsTheLiteralWheel) {
    Probka p(200, 12, 21);
    p.gen.Ocen();
    std::vector<double> D;
    for (const CGenotyp& g : p.gen.Populacja())
        D.push_back(g.Dystrybuanta);
    const auto przed = p.gen.Populacja();

    UstawZiarno(1234);
    std::vector<int> oczekiwane;
    for (int i = 0; i < 200; ++i) {
        const int j = wybranyWprost(D, losujX());
        oczekiwane.push_back(j < 0 ? 199 : j);
    }
    UstawZiarno(1234);
    p.gen.Selekcja();
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(p.gen.Populacja()[i].Geny, przed[oczekiwane[i]].Geny) << "slot " << i;
}

TEST(GenetykSelekcja, DrawBeyondTheLastCumulativeValueTakesTheLastIndividual) {
    Probka p(3, 5, 2);
    p.gen.Populacja()[0].Geny = {0, 1, 2, 3, 4};
    p.gen.Populacja()[1].Geny = {1, 0, 2, 3, 4};
    p.gen.Populacja()[2].Geny = {2, 1, 0, 3, 4};
    // A wheel whose rounding fell short: draws from 0.5 up find no interval.
    p.gen.Populacja()[0].Dystrybuanta = 0.2;
    p.gen.Populacja()[1].Dystrybuanta = 0.4;
    p.gen.Populacja()[2].Dystrybuanta = 0.5;
    const auto przed = p.gen.Populacja();

    int pozaKolem = 0;
    for (unsigned ziarno = 1; ziarno <= 40; ++ziarno) {
        p.gen.Populacja() = przed;
        UstawZiarno(ziarno);
        std::vector<int> oczekiwane;
        for (int i = 0; i < 3; ++i) {
            const double x = losujX();
            const int j = wybranyWprost({0.2, 0.4, 0.5}, x);
            pozaKolem += j < 0;
            oczekiwane.push_back(j < 0 ? 2 : j);
        }
        UstawZiarno(ziarno);
        p.gen.Selekcja();
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(p.gen.Populacja()[i].Geny, przed[oczekiwane[i]].Geny);
    }
    EXPECT_GT(pozaKolem, 0);
}

TEST(GenetykMutacja, SwapsTwoDrawnPositionsOfTheChosenIndividuals) {
    Probka p(30, 9, 5);
    p.gen.PMutacji = 0.5;
    const auto przed = p.gen.Populacja();

    UstawZiarno(42);
    std::vector<std::vector<int>> oczekiwane;
    int zamienione = 0;
    for (const CGenotyp& g : przed) {
        std::vector<int> geny = g.Geny;
        if (losujX() < 0.5) {
            const int a = LosowaLiczba(9);
            const int b = LosowaLiczba(9);
            std::swap(geny[a], geny[b]);
            zamienione += a != b;
        }
        oczekiwane.push_back(geny);
    }
    UstawZiarno(42);
    p.gen.Mutacja();
    for (std::size_t i = 0; i < przed.size(); ++i)
        ASSERT_EQ(p.gen.Populacja()[i].Geny, oczekiwane[i]);
    EXPECT_GT(zamienione, 0);
    EXPECT_LT(zamienione, 30);
}

TEST(GenetykOperatory, PopulationOfOne_SelectionCopiesItCrossoverNeverPairsMutationSwaps) {
    Probka p(1, 7, 9);
    p.gen.PKrzyzowania = 1.0;
    p.gen.PMutacji = 1.0;
    UstawZiarno(3);
    int zmienione = 0;
    for (int pokolenie = 0; pokolenie < 50; ++pokolenie) {
        p.gen.Ocen();
        EXPECT_EQ(p.gen.Populacja()[0].Dystrybuanta, 1.0);
        const std::vector<int> przed = p.gen.Populacja()[0].Geny;
        p.gen.Selekcja();
        ASSERT_EQ(p.gen.Populacja()[0].Geny, przed);
        p.gen.Krzyzowanie();
        ASSERT_EQ(p.gen.Populacja()[0].Geny, przed);
        p.gen.Mutacja();
        const std::vector<int>& po = p.gen.Populacja()[0].Geny;
        ASSERT_TRUE(isPermutation(po, 7));
        int rozne = 0;
        for (int i = 0; i < 7; ++i)
            rozne += po[i] != przed[i];
        ASSERT_TRUE(rozne == 0 || rozne == 2);
        zmienione += rozne == 2;
    }
    EXPECT_GT(zmienione, 0);
}

TEST(GenetykInicjuj, DrawsEachCityAsTheWalkOverUnusedCitiesDoes) {
    const int n = 11;
    Probka p(25, n, 4);
    std::vector<std::vector<int>> oczekiwane;
    UstawZiarno(77);
    for (int osobnik = 0; osobnik < 25; ++osobnik) {
        std::vector<bool> uzyte(n, false);
        std::vector<int> trasa;
        for (int j = 0; j < n; ++j) {
            const int r = LosowaLiczba(n - j);
            int wolne = -1;
            int miasto = 0;
            for (; miasto < n; ++miasto)
                if (!uzyte[miasto] && ++wolne == r)
                    break;
            uzyte[miasto] = true;
            trasa.push_back(miasto);
        }
        oczekiwane.push_back(trasa);
    }
    // Inicjuj seeds its source as if the clock read 77.
    UstalZiarnoZamiastCzasu(77);
    p.gen.Inicjuj();
    UstalZiarnoZamiastCzasu(std::nullopt);
    for (int i = 0; i < 25; ++i) {
        ASSERT_EQ(p.gen.Populacja()[i].Geny, oczekiwane[i]) << "individual " << i;
        ASSERT_TRUE(isPermutation(p.gen.Populacja()[i].Geny, n));
    }
}

TEST(GenetykOperatory, DegenerateSizes_DoNotBreak) {
    CGenetyk pusty;
    pusty.UstawRozmiar(0, 5);
    EXPECT_TRUE(pusty.Populacja().empty());
    pusty.PKrzyzowania = 1.0;
    pusty.PMutacji = 1.0;
    pusty.Inicjuj();
    pusty.Ocen();
    pusty.ZapamietajNajlepszy();
    pusty.Selekcja();
    pusty.Krzyzowanie();
    pusty.Mutacja();
    EXPECT_EQ(pusty.Najlepszy().Geny, (std::vector<int>{0, 1, 2, 3, 4}));

    Probka jedno(3, 1, 6);
    jedno.gen.PKrzyzowania = 1.0;
    jedno.gen.PMutacji = 1.0;
    jedno.gen.Inicjuj();
    for (int i = 0; i < 10; ++i) {
        jedno.gen.Ocen();
        jedno.gen.ZapamietajNajlepszy();
        jedno.gen.Selekcja();
        jedno.gen.Krzyzowanie();
        jedno.gen.Mutacja();
    }
    for (const CGenotyp& g : jedno.gen.Populacja())
        EXPECT_EQ(g.Geny, std::vector<int>{0});
    EXPECT_EQ(jedno.gen.DlugoscTrasy(jedno.gen.Populacja()[0]), 0.0);

    CGenetyk bezMiast;
    bezMiast.UstawRozmiar(2, 0);
    bezMiast.PMutacji = 1.0;
    bezMiast.Mutacja();
    bezMiast.Krzyzuj(0, 1);
    EXPECT_EQ(bezMiast.DlugoscTrasy(bezMiast.Populacja()[0]), 0.0);
}

TEST(GenetykOperatory, TwoCities_AllRoutesEqualSoTheFirstInitialRouteStaysBest) {
    Probka p(5, 2, 11);
    p.gen.PKrzyzowania = 0.3;
    p.gen.PMutacji = 0.1;
    p.gen.Ziarno = 11;
    poczatek(p.gen);
    const std::vector<int> pierwszy = p.gen.Populacja()[0].Geny;
    for (int k = 0; k < 20; ++k) {
        pokolenie(p.gen);
        ASSERT_EQ(p.gen.Najlepszy().Geny, pierwszy) << k;
        for (const CGenotyp& osobnik : p.gen.Populacja()) {
            ASSERT_EQ(osobnik.Przystosowanie, 1.0);
            ASSERT_EQ(osobnik.Prawdopodobienstwo, 1.0 / 5);
        }
    }
}

TEST(GenetykOperatory, NoCrossoverNorMutation_OnlyInitialRoutesAndTheBestNeverChanges) {
    Probka p(20, 10, 12);
    p.gen.Ziarno = 12;
    poczatek(p.gen);
    std::set<std::vector<int>> poczatkowe;
    for (const CGenotyp& osobnik : p.gen.Populacja())
        poczatkowe.insert(osobnik.Geny);
    const CGenotyp najlepszy = p.gen.Najlepszy();
    for (int k = 0; k < 30; ++k) {
        pokolenie(p.gen);
        for (const CGenotyp& osobnik : p.gen.Populacja())
            ASSERT_EQ(poczatkowe.count(osobnik.Geny), 1u) << k;
        ASSERT_EQ(p.gen.Najlepszy().Geny, najlepszy.Geny);
        ASSERT_EQ(p.gen.Najlepszy().Droga, najlepszy.Droga);
    }
}
