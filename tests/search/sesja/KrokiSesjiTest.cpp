// Step mode: what one step of each method is, taken one "Krok" at a time,
// and that a search in step mode pauses, finishes and answers as any other.

#include "search/BramkaKrokow.h"
#include "search/ZestawMiast.h"
#include "search/sesja/SesjaSzukania.h"
#include "tests/search/sesja/ZestawLosowy.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {

UstawieniaSesji krokowe(MetodaSesji metoda) {
    UstawieniaSesji u;
    u.metoda = metoda;
    u.krokPoKroku = true;
    u.limitSekund = 0.0;
    u.ziarno = 5;
    return u;
}

// The step the search waits at, once it is there; none once it has ended.
// The search cannot pass a step before it is granted, so each is seen once.
std::optional<OpisKroku> nastepny(SesjaSzukania& sesja) {
    std::optional<OpisKroku> opis;
    const bool jest = waitUntil(
        [&] {
            MigawkaSesji m = sesja.Migawka();
            if (m.krok && m.krok->opis)
                opis = std::move(m.krok->opis);
            return opis.has_value() || sesja.Skonczona();
        },
        60000);
    EXPECT_TRUE(jest);
    return opis;
}

// Every step until the end, each granted once seen; at most limit of them.
std::vector<OpisKroku> wszystkie(SesjaSzukania& sesja, int limit) {
    std::vector<OpisKroku> kroki;
    while (int(kroki.size()) < limit) {
        std::optional<OpisKroku> opis = nastepny(sesja);
        if (!opis)
            break;
        kroki.push_back(std::move(*opis));
        sesja.Krok();
    }
    return kroki;
}

double suma(const Metryka& d, const std::vector<std::pair<int, int>>& krawedzie) {
    double s = 0.0;
    for (const auto& [a, b] : krawedzie)
        s += d(a, b);
    return s;
}

} // namespace

TEST(KrokiSesji, ARandomStepIsOneRouteDrawnAndTheSearchAnswersWithTheShortest) {
    const auto miasta = ZestawLosowy(7, 1);
    UstawieniaSesji u = krokowe(MetodaSesji::Losowo);
    u.losowania = 6;
    SesjaSzukania sesja(miasta, u);
    sesja.Uruchom();
    const std::vector<OpisKroku> kroki = wszystkie(sesja, 100);
    sesja.CzekajNaKoniec();
    ASSERT_EQ(kroki.size(), 6u);
    double najkrotsza = miasta->metryka.Dlugosc(std::vector<int>{0, 1, 2, 3, 4, 5, 6});
    for (std::size_t k = 0; k < kroki.size(); ++k) {
        const OpisKroku& o = kroki[k];
        EXPECT_EQ(o.rodzaj, OpisKroku::Rodzaj::Trasa);
        EXPECT_EQ(o.numer, (long long)k + 1);
        ASSERT_TRUE(isPermutation(o.trasa, 7));
        EXPECT_NEAR(o.wartosc, miasta->metryka.Dlugosc(o.trasa), 1e-3);
        EXPECT_NEAR(o.najlepsza, najkrotsza, 1e-3);
        najkrotsza = std::min(najkrotsza, o.wartosc);
    }
    ASSERT_TRUE(sesja.Wynik().najkrotsza);
    EXPECT_NEAR(sesja.Wynik().najkrotsza->dlugosc, najkrotsza, 1e-3);
}

TEST(KrokiSesji, PermutationStepsWalkTheRoutesInOrderCoverThemAllAndFindTheOptimum) {
    const auto miasta = ZestawLosowy(7, 2);
    UstawieniaSesji pelna = krokowe(MetodaSesji::Permutacje);
    pelna.krokPoKroku = false;
    SesjaSzukania bezKrokow(miasta, pelna);
    bezKrokow.Uruchom();
    bezKrokow.CzekajNaKoniec();

    SesjaSzukania sesja(miasta, krokowe(MetodaSesji::Permutacje));
    sesja.Uruchom();
    const std::vector<OpisKroku> kroki = wszystkie(sesja, 1000);
    sesja.CzekajNaKoniec();
    long long pokryte = 0;
    std::vector<int> poprzedni;
    for (const OpisKroku& o : kroki) {
        ASSERT_FALSE(o.trasa.empty());
        EXPECT_EQ(o.trasa.front(), 0);
        // Each step lies past the one before in the enumeration's order.
        EXPECT_TRUE(std::lexicographical_compare(poprzedni.begin(), poprzedni.end(), o.trasa.begin(),
                                                 o.trasa.end()));
        poprzedni = o.trasa;
        if (o.rodzaj == OpisKroku::Rodzaj::Trasa) {
            ASSERT_TRUE(isPermutation(o.trasa, 7));
            EXPECT_NEAR(o.wartosc, miasta->metryka.Dlugosc(o.trasa), 1e-3);
            ++pokryte;
        } else {
            ASSERT_EQ(o.rodzaj, OpisKroku::Rodzaj::Odciecie);
            // Cut off by its bound: no route of it is shorter than the best
            // nor longer than the longest.
            EXPECT_GE(o.wartosc, o.najlepsza);
            EXPECT_LE(o.gorna, o.najdluzsza);
            pokryte += o.ile;
        }
    }
    EXPECT_EQ(pokryte, 720);
    ASSERT_TRUE(sesja.Wynik().najkrotsza && bezKrokow.Wynik().najkrotsza);
    EXPECT_EQ(sesja.Wynik().najkrotsza->trasa, bezKrokow.Wynik().najkrotsza->trasa);
    ASSERT_EQ(sesja.Wynik().najdluzsza.has_value(), bezKrokow.Wynik().najdluzsza.has_value());
    if (sesja.Wynik().najdluzsza) {
        EXPECT_EQ(sesja.Wynik().najdluzsza->dlugosc, bezKrokow.Wynik().najdluzsza->dlugosc);
    }
}

TEST(KrokiSesji, AGeneticStepIsOneGenerationWithItsBestRouteAndTheChildrenItKept) {
    const auto miasta = ZestawLosowy(10, 3);
    UstawieniaSesji u = krokowe(MetodaSesji::Genetycznie);
    u.pokolenia = 4;
    u.populacja = 20;
    u.krzyzowanie = 0.9;
    SesjaSzukania sesja(miasta, u);
    sesja.Uruchom();
    const std::vector<OpisKroku> kroki = wszystkie(sesja, 100);
    sesja.CzekajNaKoniec();
    ASSERT_EQ(kroki.size(), 4u);
    for (std::size_t k = 0; k < kroki.size(); ++k) {
        const OpisKroku& o = kroki[k];
        EXPECT_EQ(o.rodzaj, OpisKroku::Rodzaj::Pokolenie);
        EXPECT_EQ(o.numer, (long long)k + 1);
        ASSERT_TRUE(isPermutation(o.trasa, 10));
        EXPECT_NEAR(o.wartosc, miasta->metryka.Dlugosc(o.trasa), 1e-3);
        EXPECT_GE(o.wartosc, o.najlepsza);
        ASSERT_TRUE(isPermutation(o.najlepszaTrasa, 10));
        EXPECT_NEAR(o.najlepsza, miasta->metryka.Dlugosc(o.najlepszaTrasa), 1e-3);
        EXPECT_EQ(o.ile % 2, 0);
        EXPECT_LE(o.ile, 20);
    }
}

TEST(KrokiSesji, ALocalStepChangesTheLengthByWhatItSaysAndIsKeptOnlyWhenNoLonger) {
    const auto miasta = ZestawLosowy(40, 4);
    UstawieniaSesji u = krokowe(MetodaSesji::Lokalnie);
    u.rundy = 12;
    u.watki = 2;
    SesjaSzukania sesja(miasta, u);
    sesja.Uruchom();
    const std::vector<OpisKroku> kroki = wszystkie(sesja, 100);
    sesja.CzekajNaKoniec();
    // Each round: its kick, then the descent's outcome.
    ASSERT_EQ(kroki.size(), 24u);
    for (std::size_t k = 0; k < kroki.size(); ++k) {
        const OpisKroku& o = kroki[k];
        EXPECT_EQ(o.rodzaj, k % 2 == 0 ? OpisKroku::Rodzaj::Kopniecie : OpisKroku::Rodzaj::Ruch);
        EXPECT_EQ(o.dodane.size(), o.usuniete.size());
        EXPECT_NEAR(suma(miasta->metryka, o.dodane) - suma(miasta->metryka, o.usuniete), o.zmiana, 1e-6);
        // The best route, drawn beside the step, is a route.
        EXPECT_TRUE(isPermutation(o.najlepszaTrasa, 40));
        if (o.rodzaj == OpisKroku::Rodzaj::Kopniecie)
            EXPECT_FALSE(o.dodane.empty());
        else
            EXPECT_EQ(o.przyjety, o.zmiana < 1e-9);
    }
    ASSERT_TRUE(sesja.Wynik().najkrotsza);
    EXPECT_TRUE(isPermutation(sesja.Wynik().najkrotsza->trasa, 40));
}

TEST(KrokiSesji, ProofStepsAreLPsSolvedCutsAddedAndBranchesTaken) {
    const auto miasta = ZestawLosowy(14, 5);
    UstawieniaSesji u = krokowe(MetodaSesji::Dowod);
    u.najdluzsza = false;
    SesjaSzukania sesja(miasta, u);
    sesja.Uruchom();
    std::vector<OpisKroku> kroki = wszystkie(sesja, 400);
    // The rest at full speed: the proof must still end proven.
    sesja.UstawTempo(BramkaKrokow::kPelneTempo);
    sesja.Krok();
    sesja.CzekajNaKoniec();
    ASSERT_FALSE(kroki.empty());
    // The root's LP bounds every route, the best one found too.
    EXPECT_EQ(kroki.front().rodzaj, OpisKroku::Rodzaj::ProgramLiniowy);
    if (!std::isnan(kroki.front().najlepsza)) {
        EXPECT_LE(kroki.front().wartosc, kroki.front().najlepsza + 1e-6);
    }
    for (const OpisKroku& o : kroki) {
        if (o.rodzaj == OpisKroku::Rodzaj::Ciecie) {
            EXPECT_TRUE(o.numer >= 1 && o.numer <= o.ile);
            EXPECT_FALSE(o.trasa.empty());
            EXPECT_LT(o.trasa.size(), 14u);
            // What it shows are the LP's edges inside its set.
            for (auto [a, b] : o.dodane)
                EXPECT_TRUE(std::count(o.trasa.begin(), o.trasa.end(), a) && std::count(o.trasa.begin(), o.trasa.end(), b));
        } else if (o.rodzaj == OpisKroku::Rodzaj::Galaz) {
            ASSERT_EQ(o.dodane.size(), 1u);
            EXPECT_NE(o.dodane[0].first, o.dodane[0].second);
        } else {
            EXPECT_EQ(o.rodzaj, OpisKroku::Rodzaj::ProgramLiniowy);
            // Its support, at least one edge at each city.
            EXPECT_GE(o.dodane.size(), 14u);
        }
    }
    ASSERT_TRUE(sesja.Wynik().najkrotsza);
    EXPECT_TRUE(sesja.Wynik().najkrotsza->udowodniona);
}

TEST(KrokiSesji, AHoldParksAWorkerWaitingForItsStepAndAFinishEndsIt) {
    const auto miasta = ZestawLosowy(8, 6);
    UstawieniaSesji u = krokowe(MetodaSesji::Losowo);
    u.losowania = 1000000;
    SesjaSzukania sesja(miasta, u);
    sesja.Uruchom();
    ASSERT_TRUE(nastepny(sesja));
    sesja.Wstrzymaj();
    ASSERT_TRUE(waitUntil([&] { return sesja.ZatrzymaneWatki() == 1; }));
    sesja.Wznow();
    sesja.Krok();
    const std::optional<OpisKroku> drugi = nastepny(sesja);
    ASSERT_TRUE(drugi);
    EXPECT_EQ(drugi->numer, 2);
    sesja.Zakoncz();
    sesja.CzekajNaKoniec();
    EXPECT_TRUE(sesja.Wynik().przerwany);
    ASSERT_TRUE(sesja.Wynik().najkrotsza);
    EXPECT_TRUE(isPermutation(sesja.Wynik().najkrotsza->trasa, 8));
}

TEST(KrokiSesji, AtFullTempoTheSearchRunsToItsEndWithoutAStepGranted) {
    const auto miasta = ZestawLosowy(8, 7);
    UstawieniaSesji u = krokowe(MetodaSesji::Genetycznie);
    u.pokolenia = 30;
    u.populacja = 10;
    SesjaSzukania sesja(miasta, u);
    sesja.UstawTempo(BramkaKrokow::kPelneTempo);
    sesja.Uruchom();
    sesja.CzekajNaKoniec();
    EXPECT_EQ(sesja.Migawka().krok->kroki, 30);
}
