// One session for every method: its answer holds a route checked and
// measured again, with the bound and gap of one formula, whatever ran.

#include "search/ZestawMiast.h"
#include "search/sesja/LukaProcent.h"
#include "search/sesja/Przeszkoda.h"
#include "search/sesja/SesjaSzukania.h"
#include "tests/search/sesja/ZestawLosowy.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const WynikSesji& dokonczona(SesjaSzukania& sesja) {
    sesja.Uruchom();
    sesja.CzekajNaKoniec();
    EXPECT_FALSE(sesja.Niepowodzenie().has_value());
    return sesja.Wynik();
}

} // namespace

TEST(SesjaSzukania, EveryMethodAnswersWithItsRouteMeasuredAgainAndItsGapByTheOneFormula) {
    const auto miasta = ZestawLosowy(9, 1);
    struct Przypadek {
        MetodaSesji metoda, znaleziona;
        bool udowodniona;
    };
    for (const Przypadek p : {Przypadek{MetodaSesji::Permutacje, MetodaSesji::Permutacje, true},
                              Przypadek{MetodaSesji::Losowo, MetodaSesji::Losowo, false},
                              Przypadek{MetodaSesji::Genetycznie, MetodaSesji::Genetycznie, false},
                              Przypadek{MetodaSesji::Lokalnie, MetodaSesji::Lokalnie, false},
                              Przypadek{MetodaSesji::Dowod, MetodaSesji::Dowod, true},
                              Przypadek{MetodaSesji::Automatyczna, MetodaSesji::Permutacje, true}}) {
        UstawieniaSesji u;
        u.metoda = p.metoda;
        u.losowania = 50;
        u.pokolenia = 20;
        u.rundy = 20;
        u.limitSekund = 0.0;
        u.sekundyGranicy = 5.0;
        u.ziarno = 3;
        SesjaSzukania sesja(miasta, u);
        const WynikSesji& w = dokonczona(sesja);
        SCOPED_TRACE(int(p.metoda));
        EXPECT_EQ(w.metoda, p.znaleziona);
        EXPECT_FALSE(w.przerwany);
        ASSERT_TRUE(w.najkrotsza);
        const TrasaSesji& t = *w.najkrotsza;
        EXPECT_TRUE(isPermutation(t.trasa, 9));
        EXPECT_EQ(t.dlugosc, miasta->metryka.Dlugosc(t.trasa));
        EXPECT_EQ(t.udowodniona, p.udowodniona);
        // The proofs prove the longest route too.
        EXPECT_EQ(w.najdluzsza.has_value(), p.udowodniona);
        if (!t.udowodniona) {
            // A heuristic route gets Held and Karp's bound, whole in a
            // file's metric, and its gap from it.
            ASSERT_TRUE(t.granica && t.lukaProcent);
            EXPECT_EQ(*t.granica, std::floor(*t.granica));
            EXPECT_LE(*t.granica, t.dlugosc);
            EXPECT_EQ(t.lukaProcent, LukaProcent(t.dlugosc, *t.granica, true));
        }
    }
}

TEST(SesjaSzukania, AFinishBeforeTheFirstRouteLeavesNoneAndARouteKeptByTheLocalSearchStandsAfterIt) {
    const auto miasta = ZestawLosowy(200, 2);
    UstawieniaSesji u;
    u.metoda = MetodaSesji::Genetycznie;
    u.pokolenia = 2000000000;
    SesjaSzukania genetyczna(miasta, u);
    genetyczna.Zakoncz();
    EXPECT_FALSE(dokonczona(genetyczna).najkrotsza);
    EXPECT_TRUE(genetyczna.Wynik().przerwany);
    EXPECT_FALSE(genetyczna.WynikPoZakonczeniu());

    u.metoda = MetodaSesji::Lokalnie;
    u.limitSekund = 0.0;
    u.sekundyGranicy = 5.0;
    SesjaSzukania lokalna(miasta, u);
    lokalna.Uruchom();
    ASSERT_TRUE(waitUntil([&] {
        const MigawkaSesji m = lokalna.Migawka();
        return std::isfinite(std::get<MigawkaLokalna>(m.metoda).najlepsza);
    }));
    lokalna.Zakoncz();
    lokalna.CzekajNaKoniec();
    EXPECT_TRUE(lokalna.WynikPoZakonczeniu());
    ASSERT_TRUE(lokalna.Wynik().najkrotsza);
    EXPECT_TRUE(isPermutation(lokalna.Wynik().najkrotsza->trasa, 200));
    // Finished, it is not bounded after all.
    EXPECT_FALSE(lokalna.Wynik().najkrotsza->granica);
}

TEST(PlanSesji, AutoAndExactTurnIntoAMethodBySizeAndWhatCannotRunSaysWhy) {
    UstawieniaSesji u;
    u.limitSekund = 10.0;
    const auto metoda = [&](int n) { return Zaplanuj(u, n).metoda; };
    const ZasiegiMetod z = Zasiegi();
    EXPECT_EQ(metoda(z.permutacjeKonczaSieDo), MetodaSesji::Permutacje);
    EXPECT_EQ(metoda(z.permutacjeKonczaSieDo + 1), MetodaSesji::Dowod);
    EXPECT_FALSE(Zaplanuj(u, z.autoDowodDo).tylkoGranica);
    EXPECT_TRUE(Zaplanuj(u, z.autoDowodDo + 1).tylkoGranica);
    EXPECT_EQ(metoda(z.dowodNajwiecej + 1), MetodaSesji::Lokalnie);
    // A minute tries proofs of four hundred times the root of six cities.
    u.limitSekund = 60.0;
    EXPECT_EQ(AutoDowodDo(60.0), 979);
    EXPECT_FALSE(Zaplanuj(u, 979).tylkoGranica);
    EXPECT_TRUE(Zaplanuj(u, 980).tylkoGranica);
    EXPECT_EQ(AutoDowodDo(1e9), z.dowodNajwiecej);
    // Sums past single precision's whole numbers go to branch and cut at
    // every size.
    EXPECT_EQ(Zaplanuj(u, 10, false).metoda, MetodaSesji::Dowod);
    u.limitSekund = 0.0;
    EXPECT_EQ(metoda(z.autoDowodDo + 1), MetodaSesji::Lokalnie);

    u.metoda = MetodaSesji::Dokladna;
    const PlanSesji dokladny = Zaplanuj(u, z.permutacjeKonczaSieDo + 1);
    EXPECT_EQ(dokladny.metoda, MetodaSesji::Dowod);
    EXPECT_TRUE(dokladny.najdluzsza && dokladny.mozeNieSkonczyc);
    const std::optional<Przeszkoda> zaDuzo = Sprawdz(Zaplanuj(u, z.dowodNajwiecej + 1), u, z.dowodNajwiecej + 1);
    ASSERT_TRUE(zaDuzo);
    EXPECT_EQ(zaDuzo->rodzaj, Przeszkoda::Rodzaj::ZaDuzoMiastDowodu);

    u.metoda = MetodaSesji::Genetycznie;
    u.budzetPamieci = 100 * 100 * 4;
    EXPECT_FALSE(Sprawdz(Zaplanuj(u, 10), u, 10));
    EXPECT_EQ(Sprawdz(Zaplanuj(u, 101), u, 101)->rodzaj, Przeszkoda::Rodzaj::TablicaPonadPamiec);
    u.populacja = 1000;
    EXPECT_EQ(Sprawdz(Zaplanuj(u, 100), u, 100)->rodzaj, Przeszkoda::Rodzaj::PopulacjaPonadPamiec);
}
