#include "tests/search/genetyczne/GenetykTest.h"
#include "tests/support/ModalHelper.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

using namespace genetyk_test;

namespace {

// The search's size set at once, or ordered for its own thread to take.
void przygotuj(CGenetyk& gen, const OdleglosciSlot& tablica, int licznosc, int n, int pokolenia,
               bool zamowiony = false) {
    gen.Odleglosci = &tablica;
    if (zamowiony)
        gen.ZamowRozmiar(licznosc, n);
    else
        gen.UstawRozmiar(licznosc, n);
    gen.IlePokolen = pokolenia;
}

// One genetic search set up as its progress window sets it up.
struct Przebieg {
    OdleglosciSlot tablica;
    std::unique_ptr<CGenetyk> gen = std::make_unique<CGenetyk>();
    // Stays valid while the search is being destroyed, when gen is already null.
    CGenetyk* g = gen.get();
    int n;

    Przebieg(int licznosc, int n, int pokolenia, double pk, double pm, unsigned ziarno = 11)
        : tablica(tablicaLosowa(n, ziarno)), n(n) {
        przygotuj(*g, tablica, licznosc, n, pokolenia);
        g->PKrzyzowania = pk;
        g->PMutacji = pm;
    }

    // A whole route and its own length.
    bool cala(const std::vector<int>& geny, double droga) const {
        return isPermutation(geny, n) && droga == dlugosc(*tablica, geny);
    }

    // Holds the search and waits until it stands still.
    bool wstrzymaj() {
        g->hold();
        return waitUntil([&] { return g->parkedThreads() == 1; });
    }
};

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

TEST(GenetykWatek, FullRun_RunsEveryGenerationAndNotifiesItsEndOnTheOwnerThread) {
    Przebieg p(30, 12, 40, 0.3, 0.1);
    QObject odbiorca;
    QThread* watekKonca = nullptr;
    QObject::connect(p.g, &QThread::finished, &odbiorca, [&] { watekKonca = QThread::currentThread(); });

    p.g->release();
    p.g->waitForEnd();

    EXPECT_EQ(p.g->NrPokolenia(), 40);
    // The initial population and every generation.
    EXPECT_EQ(p.g->Zbieznosc().IlePokolen(), 41);
    EXPECT_TRUE(p.cala(p.g->Najlepszy().Geny, p.g->Najlepszy().Droga));
    EXPECT_EQ(p.g->failure(), std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return watekKonca != nullptr; }));
    EXPECT_EQ(watekKonca, QCoreApplication::instance()->thread());
}

TEST(GenetykWatek, AHold_ParksTheSearchWithItsShownStateAndAFinishThenStartsNoOtherGeneration) {
    // Generations long enough that a hold mostly falls inside a step.
    Przebieg p(20000, 30, 1000000, 0.3, 0.1);
    p.g->release();
    Odczyty odczyty;
    ASSERT_TRUE(waitUntil([&] {
        odczyty.zbierz(*p.g, *p.tablica, 30);
        return odczyty.stany.size() >= 3;
    }));
    ASSERT_TRUE(p.wstrzymaj());
    // While it is parked the search writes nothing, so its own state may be
    // read; what it published before the pause is the state it stands at.
    const int pokolenie = p.g->NrPokolenia();
    ASSERT_TRUE(waitUntil([&] {
        odczyty.zbierz(*p.g, *p.tablica, 30);
        return odczyty.stany.back().Wstrzymany;
    }));
    const StanGenetyka& wstrzymany = odczyty.stany.back();
    EXPECT_TRUE(odczyty.cale);
    EXPECT_EQ(wstrzymany.NrPokolenia, std::max(pokolenie - 1, 0));
    EXPECT_EQ(wstrzymany.Droga, p.g->Najlepszy().Droga);
    EXPECT_EQ(wstrzymany.Geny, p.g->Najlepszy().Geny);
    EXPECT_EQ(p.g->parkedThreads(), 1);

    p.g->requestFinish();
    p.g->waitForEnd();
    // A generation cut short is not counted.
    EXPECT_EQ(p.g->NrPokolenia(), pokolenie);
    EXPECT_TRUE(p.cala(p.g->Najlepszy().Geny, p.g->Najlepszy().Droga));
}

namespace {

// A search that lets the test hold it once its body has begun, before its
// first step.
class WstrzymywanyNaStarcie : public CGenetyk {
public:
    ~WstrzymywanyNaStarcie() override {
        dalej = true;
        finishAndWait();
    }
    std::atomic<bool> rozpoczety{false};
    std::atomic<bool> dalej{false};

protected:
    void Execute() override {
        rozpoczety = true;
        while (!dalej.load())
            QThread::yieldCurrentThread();
        CGenetyk::Execute();
    }
};

} // namespace

TEST(GenetykWatek, AHoldTakesEffectInsideTheStepsNotOnlyBetweenGenerations) {
    // No generation at all: the steps before the first display are all there
    // is, and only their own polls can stop the search.
    const OdleglosciSlot tablica = tablicaLosowa(8, 5);
    for (bool zamowiony : {false, true}) {
        WstrzymywanyNaStarcie gen;
        przygotuj(gen, tablica, 1000, 8, 0, zamowiony);
        gen.release();
        ASSERT_TRUE(waitUntil([&] { return gen.rozpoczety.load(); }));
        gen.hold();
        gen.dalej = true;
        ASSERT_TRUE(waitUntil([&] { return gen.parkedThreads() == 1 || gen.hasEnded(); })) << zamowiony;
        EXPECT_EQ(gen.parkedThreads(), 1) << zamowiony;
        EXPECT_FALSE(gen.hasEnded());
        // Nothing shown before the first display, not even for the pause.
        EXPECT_EQ(gen.NowyStan(), nullptr);

        gen.release();
        gen.waitForEnd();
        const StanGenetyka* stan = gen.NowyStan();
        ASSERT_NE(stan, nullptr);
        EXPECT_EQ(stan->NrPokolenia, 0);
        EXPECT_TRUE(isPermutation(stan->Geny, 8));
        EXPECT_EQ(stan->Droga, dlugosc(*tablica, stan->Geny));
    }
}

TEST(GenetykWatek, Destruction_IsCleanWhetherRunningHeldOrNeverStarted) {
    {
        Przebieg p(50, 20, 1000000, 0.3, 0.1);
        p.g->release();
        ASSERT_TRUE(waitUntil([&] { return p.g->NowyStan() != nullptr; }));
        p.gen.reset();
    }
    {
        Przebieg p(50, 20, 1000000, 0.3, 0.1);
        p.g->release();
        ASSERT_TRUE(p.wstrzymaj());
        p.g->hold();
        p.gen.reset();
    }
    {
        Przebieg p(50, 20, 10, 0.3, 0.1);
        p.gen.reset();
    }
}

TEST(GenetykWatek, PublishedStates_StartAtGenerationZeroEndWithTheLastAndAreNeverTorn) {
    const int pokolenia = 20000;
    Przebieg p(30, 12, pokolenia, 0.3, 0.1);
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
    EXPECT_EQ(ostatni.Droga, p.g->Najlepszy().Droga);
    EXPECT_EQ(ostatni.Geny, p.g->Najlepszy().Geny);
    EXPECT_EQ(ostatni.Zbieznosc.IlePokolen(), pokolenia + 1);
    EXPECT_EQ(p.g->Zbieznosc().IlePokolen(), pokolenia + 1);
    EXPECT_EQ(p.g->OdebranyStan().NrPokolenia, pokolenia - 1);

    // A reader that first looks after the end still sees the first state,
    // then the last.
    Przebieg krotki(10, 8, 50, 0.3, 0.1);
    krotki.g->release();
    krotki.g->waitForEnd();
    Odczyty poKoncu;
    poKoncu.zbierz(*krotki.g, *krotki.tablica, 8);
    ASSERT_EQ(poKoncu.stany.size(), 2u);
    EXPECT_EQ(poKoncu.stany[0].NrPokolenia, 0);
    EXPECT_EQ(poKoncu.stany[1].NrPokolenia, 49);
    EXPECT_EQ(poKoncu.stany[1].Droga, krotki.g->Najlepszy().Droga);
}

TEST(GenetykWatek, AFailureOnTheSearchThreadIsKeptAndLeavesNoResult) {
    // More cities than the table holds: the search cannot look a route up.
    const OdleglosciSlot tablica = tablicaLosowa(4, 2);
    for (bool zamowiony : {false, true}) {
        CGenetyk gen;
        przygotuj(gen, tablica, 10, 6, 5, zamowiony);
        gen.release();
        gen.waitForEnd();
        EXPECT_EQ(gen.failure(),
                  (BilingualText{"Brak odległości między miastami", "no distances between the cities"})) << zamowiony;
        EXPECT_EQ(gen.NowyStan(), nullptr);
        EXPECT_EQ(gen.NrPokolenia(), 0);
        EXPECT_FALSE(gen.MaNajlepszy());
    }
}
