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

namespace {

// Every state a reader takes, checked whole as it is taken.
struct Odczyty {
    std::vector<StanGenetyka> stany;
    bool cale = true;

    void zbierz(CGenetyk& g, const TablicaOdleglosci& tablica, int n) {
        while (const StanGenetyka* s = g.NowyStan()) {
            cale &= isPermutation(s->Geny, n) && s->Droga == dlugosc(tablica, s->Geny)
                    && s->Zbieznosc.IlePokolen() >= s->NrPokolenia + 1
                    && s->Zbieznosc.NajlepszeDotad().back().y() == s->Droga;
            stany.push_back(*s);
        }
    }
};

} // namespace

TEST(GenetykWatek, PublishedStates_StartAtGenerationZeroEndWithTheLastAndAreNeverTorn) {
    const int pokolenia = 20000;
    Przebieg p(30, 12, pokolenia, 0.3, 0.1);
    p.g->Wyswietl = nullptr;
    Odczyty odczyty;
    p.g->release();
    // Read while the search runs, as a window does, then after its end.
    EXPECT_TRUE(waitUntil([&] {
        odczyty.zbierz(*p.g, *p.tablica, 12);
        return p.g->hasEnded();
    }));
    p.g->waitForEnd();
    odczyty.zbierz(*p.g, *p.tablica, 12);

    const auto& stany = odczyty.stany;
    ASSERT_GE(stany.size(), 2u);
    EXPECT_TRUE(odczyty.cale);
    EXPECT_EQ(stany.front().NrPokolenia, 0);
    EXPECT_EQ(stany.front().Zbieznosc.IlePokolen(), 1);
    for (std::size_t i = 1; i < stany.size(); ++i) {
        EXPECT_GE(stany[i].NrPokolenia, stany[i - 1].NrPokolenia);
        EXPECT_LE(stany[i].Droga, stany[i - 1].Droga);
    }
    const StanGenetyka& ostatni = stany.back();
    EXPECT_EQ(ostatni.IlePokolen, pokolenia);
    EXPECT_EQ(ostatni.NrPokolenia, pokolenia - 1);
    EXPECT_EQ(ostatni.Droga, p.g->Najlepszy.Droga);
    EXPECT_EQ(ostatni.Geny, p.g->Najlepszy.Geny);
    EXPECT_EQ(ostatni.Zbieznosc.IlePokolen(), pokolenia + 1);
    EXPECT_EQ(p.g->Zbieznosc.IlePokolen(), pokolenia + 1);
    EXPECT_EQ(p.g->OdebranyStan().NrPokolenia, pokolenia - 1);

    // A reader that first looks after the end still sees the first state,
    // then the last.
    Przebieg krotki(10, 8, 50, 0.3, 0.1);
    krotki.g->Wyswietl = nullptr;
    krotki.g->release();
    krotki.g->waitForEnd();
    Odczyty poKoncu;
    poKoncu.zbierz(*krotki.g, *krotki.tablica, 8);
    ASSERT_EQ(poKoncu.stany.size(), 2u);
    EXPECT_EQ(poKoncu.stany[0].NrPokolenia, 0);
    EXPECT_EQ(poKoncu.stany[1].NrPokolenia, 49);
    EXPECT_EQ(poKoncu.stany[1].Droga, krotki.g->Najlepszy.Droga);
}

TEST(GenetykWatek, APause_PublishesTheGenerationTheSearchStoppedAt) {
    Przebieg p(20, 10, 1000, 0.3, 0.1);
    p.dodatkowo = [](CGenetyk& gen, int wyswietlenie) {
        if (wyswietlenie == 5)
            gen.hold();
    };
    p.g->release();
    ASSERT_TRUE(waitUntil([&] { return p.wyswietlenia == 6; }));
    // Nothing was taken before the pause: only the pause itself can bring
    // the newest state out.
    Odczyty odczyty;
    ASSERT_TRUE(waitUntil([&] {
        odczyty.zbierz(*p.g, *p.tablica, 10);
        return !odczyty.stany.empty() && odczyty.stany.back().Wstrzymany;
    }));
    EXPECT_EQ(odczyty.stany.back().NrPokolenia, 4);
    EXPECT_EQ(odczyty.stany.back().Droga, p.drogi.back());
    EXPECT_TRUE(odczyty.cale);
    p.g->release();
    p.g->waitForEnd();
    EXPECT_EQ(p.wyswietlenia, 1001);
}
