#include "tests/search/GenetykTest.h"
#include "tests/support/ModalHelper.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <set>

using namespace genetyk_test;

namespace {

// One genetic search driven as its progress window drives it; the display
// step records what it sees and may act on the search.
struct Przebieg {
    OdleglosciSlot tablica;
    std::unique_ptr<CGenetyk> gen = std::make_unique<CGenetyk>();
    // Stays valid while the search is being destroyed, when gen is already null.
    CGenetyk* g = gen.get();

    int wyswietlenia = 0;
    std::vector<int> numery;
    std::vector<double> drogi;
    bool wszystkieNaGlownymWatku = true;
    bool trasyPoprawne = true;
    std::function<void(CGenetyk&, int)> dodatkowo;

    Przebieg(int licznosc, int n, int pokolenia, double pk, double pm, unsigned ziarno = 11)
        : tablica(tablicaLosowa(n, ziarno)) {
        g->Odleglosci = &tablica;
        g->UstawRozmiar(licznosc, n);
        g->PKrzyzowania = pk;
        g->PMutacji = pm;
        g->IlePokolen = pokolenia;
        g->Wyswietl = [this, n] {
            wszystkieNaGlownymWatku &= QThread::currentThread() == QCoreApplication::instance()->thread();
            numery.push_back(g->NrPokolenia);
            drogi.push_back(g->Najlepszy.Droga);
            trasyPoprawne &= isPermutation(g->Najlepszy.Geny, n)
                             && g->Najlepszy.Droga == dlugosc(*tablica, g->Najlepszy.Geny);
            if (dodatkowo)
                dodatkowo(*g, wyswietlenia);
            ++wyswietlenia;
        };
    }
};

} // namespace

TEST(GenetykWatek, FullRun_DisplaysAfterTheInitialPopulationAndEveryGeneration) {
    Przebieg p(30, 12, 40, 0.3, 0.1);
    QObject odbiorca;
    QThread* watekKonca = nullptr;
    QObject::connect(p.g, &QThread::finished, &odbiorca, [&] { watekKonca = QThread::currentThread(); });

    p.g->release();
    p.g->waitForEnd();

    ASSERT_EQ(p.wyswietlenia, 41);
    std::vector<int> oczekiwane{0};
    for (int k = 0; k < 40; ++k)
        oczekiwane.push_back(k);
    EXPECT_EQ(p.numery, oczekiwane);
    EXPECT_EQ(p.g->NrPokolenia, 40);
    EXPECT_TRUE(p.wszystkieNaGlownymWatku);
    EXPECT_TRUE(p.trasyPoprawne);
    for (std::size_t i = 1; i < p.drogi.size(); ++i)
        EXPECT_LE(p.drogi[i], p.drogi[i - 1]) << "display " << i;
    EXPECT_GT(p.drogi.back(), 0.0);

    ASSERT_TRUE(waitUntil([&] { return watekKonca != nullptr; }));
    EXPECT_EQ(watekKonca, QCoreApplication::instance()->thread());
}

TEST(GenetykWatek, FinishRequestedDuringADisplay_LetsThatGenerationEndAndStartsNoOther) {
    // Display k follows generation k (display 0 the initial population).
    for (int k : {0, 1, 5}) {
        Przebieg p(20, 10, 1000, 0.3, 0.1);
        p.dodatkowo = [k](CGenetyk& gen, int wyswietlenie) {
            if (wyswietlenie == k)
                gen.requestFinish();
        };
        p.g->release();
        p.g->waitForEnd();
        EXPECT_EQ(p.wyswietlenia, k + 1) << "k=" << k;
        EXPECT_EQ(p.g->NrPokolenia, k) << "k=" << k;
        EXPECT_TRUE(p.trasyPoprawne);
    }
}

TEST(GenetykWatek, HoldAtTheTopOfAGeneration_StopsDisplaysUntilReleased) {
    Przebieg p(20, 10, 12, 0.3, 0.1);
    p.dodatkowo = [](CGenetyk& gen, int wyswietlenie) {
        if (wyswietlenie == 3)
            gen.hold();
    };
    p.g->release();
    ASSERT_TRUE(waitUntil([&] { return p.g->parkedThreads() == 1; }));
    EXPECT_TRUE(p.g->isHeld());
    EXPECT_EQ(p.wyswietlenia, 4);
    EXPECT_EQ(p.g->NrPokolenia, 3);
    EXPECT_FALSE(p.g->hasEnded());

    p.g->release();
    p.g->waitForEnd();
    EXPECT_EQ(p.wyswietlenia, 13);
    EXPECT_EQ(p.g->NrPokolenia, 12);
}

TEST(GenetykWatek, TwoCities_AllRoutesEqualSoTheFirstInitialRouteStaysBest) {
    Przebieg p(5, 2, 20, 0.3, 0.1);
    std::vector<int> pierwszy;
    bool rowne = true;
    p.dodatkowo = [&](CGenetyk& gen, int wyswietlenie) {
        if (wyswietlenie == 0)
            pierwszy = gen.Populacja[0].Geny;
        rowne &= gen.Najlepszy.Geny == pierwszy;
        for (const CGenotyp& osobnik : gen.Populacja) {
            rowne &= osobnik.Przystosowanie == 1.0;
            rowne &= osobnik.Prawdopodobienstwo == 1.0 / 5;
        }
    };
    p.g->release();
    p.g->waitForEnd();
    EXPECT_EQ(p.wyswietlenia, 21);
    EXPECT_TRUE(rowne);
}

TEST(GenetykWatek, NoCrossoverNorMutation_OnlyInitialRoutesAndTheBestNeverChanges) {
    Przebieg p(20, 10, 30, 0.0, 0.0);
    std::set<std::vector<int>> poczatkowe;
    CGenotyp najlepszyNaPoczatku;
    bool tylkoPoczatkowe = true;
    bool najlepszyStaly = true;
    p.dodatkowo = [&](CGenetyk& gen, int wyswietlenie) {
        if (wyswietlenie == 0) {
            for (const CGenotyp& osobnik : gen.Populacja)
                poczatkowe.insert(osobnik.Geny);
            najlepszyNaPoczatku = gen.Najlepszy;
        }
        for (const CGenotyp& osobnik : gen.Populacja)
            tylkoPoczatkowe &= poczatkowe.count(osobnik.Geny) == 1;
        najlepszyStaly &= gen.Najlepszy.Geny == najlepszyNaPoczatku.Geny
                          && gen.Najlepszy.Droga == najlepszyNaPoczatku.Droga;
    };
    p.g->release();
    p.g->waitForEnd();
    EXPECT_EQ(p.wyswietlenia, 31);
    EXPECT_TRUE(tylkoPoczatkowe);
    EXPECT_TRUE(najlepszyStaly);
}

TEST(GenetykWatek, Destruction_IsCleanWhetherRunningHeldOrNeverStarted) {
    {
        Przebieg p(50, 20, 1000000, 0.3, 0.1);
        p.g->release();
        ASSERT_TRUE(waitUntil([&] { return p.wyswietlenia >= 3; }));
        p.gen.reset();
        // No display step is left queued behind the destroyed search.
        const int poZniszczeniu = p.wyswietlenia;
        QCoreApplication::processEvents();
        EXPECT_EQ(p.wyswietlenia, poZniszczeniu);
    }
    {
        Przebieg p(50, 20, 1000000, 0.3, 0.1);
        p.dodatkowo = [](CGenetyk& gen, int wyswietlenie) {
            if (wyswietlenie == 2)
                gen.hold();
        };
        p.g->release();
        ASSERT_TRUE(waitUntil([&] { return p.wyswietlenia == 3; }));
        ASSERT_TRUE(p.g->isHeld());
        p.gen.reset();
        EXPECT_EQ(p.wyswietlenia, 3);
    }
    {
        // No display step: the run is stopped only by the finish request.
        Przebieg p(50, 20, 1000000, 0.3, 0.1);
        p.g->Wyswietl = nullptr;
        p.g->release();
        p.gen.reset();
    }
    {
        Przebieg p(50, 20, 10, 0.3, 0.1);
        p.gen.reset();
        EXPECT_EQ(p.wyswietlenia, 0);
    }
}
