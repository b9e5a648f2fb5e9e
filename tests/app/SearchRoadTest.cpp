#include "app/PlikiMatrycy.h"
#include "search/ZestawMiast.h"
#include "search/sesja/LukaProcent.h"
#include "search/sesja/SesjaSzukania.h"
#include "storage/PlikTsp.h"
#include "grid/CMatryca.h"
#include "tests/app/OknoGlowneTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"
#include "ui/TekstDowodu.h"
#include "ui/TekstLiczby.h"
#include "ui/WykresZbieznosci.h"
#include "ui/WynikModalny.h"

#include <QMessageBox>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The whole road of a search, from "Szukaj trasę" to the summary, through
// the program's own windows.
class DrogaWyszukiwania : public OknoGlowneTest {
protected:
    // Marks the cell with a click at its centre, as the user does.
    void kliknijKomorke(int wiersz, int kolumna) {
        QTest::mouseClick(glowne.MatrycaMiast, Qt::LeftButton, {}, QPoint(6 + 11 * kolumna, 6 + 11 * wiersz));
    }

    void postawMiasta(const std::vector<TPunkt>& punkty) {
        for (const TPunkt& p : punkty)
            kliknijKomorke(p.y, p.x);
        ASSERT_EQ(glowne.MatrycaMiast->GetPointCount(), int(punkty.size()));
    }

    Krok czytajPodsumowanie() {
        return {&okna.PodsumowanieForm, [this](QWidget*) {
                    const TPodsumowanieForm& p = okna.PodsumowanieForm;
                    podsumowanie = {p.PermutacjeNajkrotszaLabel->text(), p.PermutacjeNajdluzszaLabel->text(),
                                    p.LosowoNajkrotszaLabel->text(), p.GenetycznieNajkrotszaLabel->text()};
                    punktyWykresu = p.GenetycznieWykres->isVisible() ? p.GenetycznieWykres->NajlepszeDotad->count() : 0;
                    lokalnie = {p.LokalnieNajkrotszaLabel->text(), p.LokalnieCzasLabel->text(),
                                p.LokalnieLukaLabel->isVisible() ? p.LokalnieLukaLabel->text() : QString()};
                    okna.PodsumowanieForm.Button1->click();
                }};
    }

    // An empty summary unless the search shows one.
    void szukaj(std::initializer_list<Krok> kroki) {
        podsumowanie.clear();
        OknoGlowneTest::szukaj(kroki);
    }

    // The grid's route as city numbers of the current city list.
    std::vector<int> trasaNaMatrycy() const {
        std::vector<int> trasa;
        for (const TPunkt& p : glowne.MatrycaMiast->GetBestPunkty()->Punkty) {
            const auto& miasta = glowne.ZestawSzukania()->komorki;
            trasa.push_back(int(std::find(miasta.begin(), miasta.end(), p) - miasta.begin()));
        }
        return trasa;
    }

    // The shortest closed route through the current cities, by trying all.
    double najkrotszaTrasa() const {
        const auto& m = glowne.ZestawSzukania()->komorki;
        std::vector<int> q(m.size());
        std::iota(q.begin(), q.end(), 0);
        double najlepsza = INFINITY;
        do {
            double s = 0.0;
            for (std::size_t i = 0; i < q.size(); ++i) {
                const TPunkt a = m[std::size_t(q[i])];
                const TPunkt b = m[std::size_t(q[(i + 1) % q.size()])];
                s += std::hypot(double(a.x - b.x), double(a.y - b.y));
            }
            najlepsza = std::min(najlepsza, s);
        } while (std::next_permutation(q.begin() + 1, q.end()));
        return najlepsza;
    }

    QStringList podsumowanie;
    QStringList lokalnie;
    qsizetype punktyWykresu = 0;
    const std::vector<TPunkt> piecMiast{{1, 1}, {8, 2}, {3, 9}, {12, 12}, {20, 4}};
};

} // namespace

TEST_F(DrogaWyszukiwania, PermutationSearchDrawsTheShortestRouteAndShowsBothLengths) {
    postawMiasta(piecMiast);
    szukaj({wybierz(0), czytajPodsumowanie()});
    const WynikSesji& wynik = okna.SzukajTraseForm.Wynik();
    ASSERT_TRUE(wynik.najkrotsza && wynik.najdluzsza);
    EXPECT_NEAR(wynik.najkrotsza->dlugosc, najkrotszaTrasa(), 1e-3);
    EXPECT_EQ(trasaNaMatrycy(), wynik.najkrotsza->trasa);
    EXPECT_EQ(podsumowanie, QStringList({TekstLiczby(wynik.najkrotsza->dlugosc), TekstLiczby(wynik.najdluzsza->dlugosc),
                                         "", ""}));
}

TEST_F(DrogaWyszukiwania, RandomSearchAloneFillsOnlyItsLine) {
    postawMiasta(piecMiast);
    okna.SzukajTraseForm.IleLosowanEdit->setText("500");
    szukaj({wybierz(1), czytajPodsumowanie()});
    const WynikSesji& wynik = okna.SzukajTraseForm.Wynik();
    EXPECT_EQ(wynik.trasy, "501");
    ASSERT_TRUE(wynik.najkrotsza);
    EXPECT_EQ(trasaNaMatrycy(), wynik.najkrotsza->trasa);
    EXPECT_EQ(podsumowanie, QStringList({"", "", TekstLiczby(wynik.najkrotsza->dlugosc), ""}));
}

TEST_F(DrogaWyszukiwania, GeneticSearchDrawsItsBestRoute) {
    postawMiasta(piecMiast);
    okna.SzukajTraseForm.IlePokolenEdit->setText("30");
    okna.SzukajTraseForm.LicznoscPopulacjiEdit->setText("8");
    szukaj({wybierz(2), czytajPodsumowanie()});
    const WynikSesji& wynik = okna.SzukajTraseForm.Wynik();
    ASSERT_TRUE(wynik.najkrotsza);
    EXPECT_EQ(wynik.zbieznosc.IlePokolen(), 31);
    EXPECT_EQ(trasaNaMatrycy(), wynik.najkrotsza->trasa);
    // The table holds single-precision distances.
    EXPECT_GE(wynik.najkrotsza->dlugosc, najkrotszaTrasa() - 1e-4);
    EXPECT_EQ(podsumowanie, QStringList({"", "", "", TekstLiczby(wynik.najkrotsza->dlugosc)}));
    // The summary draws the run's convergence: the initial population and
    // each of the 30 generations.
    EXPECT_EQ(punktyWykresu, 31);

    kliknijKomorke(20, 20);
    szukaj({wybierz(1), czytajPodsumowanie()});
    EXPECT_EQ(punktyWykresu, 0);
}

TEST_F(DrogaWyszukiwania, TheSummaryKeepsEveryMethodUntilTheGridChanges) {
    postawMiasta(piecMiast);
    okna.SzukajTraseForm.IleLosowanEdit->setText("50");
    szukaj({wybierz(0), czytajPodsumowanie()});
    const QString najkrotsza = podsumowanie[0];
    const QString najdluzsza = podsumowanie[1];
    szukaj({wybierz(1), czytajPodsumowanie()});
    EXPECT_EQ(podsumowanie[0], najkrotsza);
    EXPECT_EQ(podsumowanie[1], najdluzsza);
    EXPECT_FALSE(podsumowanie[2].isEmpty());
    EXPECT_EQ(podsumowanie[3], "");

    // A change of the grid in between leaves only the last method.
    kliknijKomorke(20, 20);
    szukaj({wybierz(1), czytajPodsumowanie()});
    EXPECT_EQ(podsumowanie[0], "");
    EXPECT_EQ(podsumowanie[1], "");
    EXPECT_FALSE(podsumowanie[2].isEmpty());
    EXPECT_EQ(podsumowanie[3], "");
}

TEST_F(DrogaWyszukiwania, FewerThanTwoCitiesAreRefusedBeforeAnythingIsBuilt) {
    for (int miast = 0; miast < 2; ++miast) {
        if (miast == 1)
            kliknijKomorke(3, 3);
        SeenBox blad;
        szukaj({odpowiedz(&blad, QMessageBox::Ok)});
        EXPECT_EQ(blad.caption, "Błąd");
        EXPECT_EQ(blad.text, "Zbyt mała ilość miast!");
        EXPECT_EQ(blad.icon, int(QMessageBox::NoIcon));
        EXPECT_EQ(glowne.Szukane, nullptr);
        EXPECT_EQ(okna.ObliczForm.Sesja(), nullptr);
        EXPECT_EQ(okna.ObliczGenetycznieForm.Sesja(), nullptr);
    }
}

TEST_F(DrogaWyszukiwania, ClosingTheDialogSearchesNothingAndShowsNothing) {
    kliknijKomorke(3, 3);
    kliknijKomorke(5, 9);
    bool otwarty = false;
    szukaj({{&okna.SzukajTraseForm, [&](QWidget* w) {
                 otwarty = w->isVisible();
                 okna.SzukajTraseForm.close();
             }}});
    EXPECT_TRUE(otwarty);
    EXPECT_EQ(okna.SzukajTraseForm.result(), WynikModalny::Anuluj);
    EXPECT_EQ(glowne.Szukane, nullptr);
    EXPECT_TRUE(podsumowanie.isEmpty());
    EXPECT_EQ(glowne.MatrycaMiast->GetBestPunkty()->Count(), 0);
    EXPECT_EQ(okna.ObliczForm.Sesja(), nullptr);
    EXPECT_EQ(okna.ObliczGenetycznieForm.Sesja(), nullptr);
}

TEST_F(DrogaWyszukiwania, ASearchFinishedEarlyDrawsNothingAndLeavesTheSummary) {
    postawMiasta(piecMiast);
    szukaj({wybierz(0), czytajPodsumowanie()});
    const QStringList poPermutacjach = podsumowanie;
    const double najkrotsza = okna.PodsumowanieForm.PermutacjeNajkrotsza;
    glowne.MatrycaMiast->GetBestPunkty()->Clear();

    okna.SzukajTraseForm.IleLosowanEdit->setText("2000000000");
    okna.SzukajTraseForm.IlePokolenEdit->setText("2000000000");
    for (int metoda : {1, 2}) {
        TOknoObliczen* postep = metoda == 2 ? static_cast<TOknoObliczen*>(&okna.ObliczGenetycznieForm) : &okna.ObliczForm;
        auto wstrzymajIZakoncz = [postep](QWidget* w) {
            EXPECT_TRUE(w->isVisible());
            postep->WstrzymajButton->click();
            EXPECT_EQ(postep->WstrzymajButton->text(), "Wznów");
            postep->ZakonczButton->click();
        };
        SeenBox pytanie;
        szukaj({wybierz(metoda), {postep, wstrzymajIZakoncz}, odpowiedz(&pytanie, QMessageBox::Yes)});
        EXPECT_EQ(pytanie.text, "Czy na pewno chcesz zakończyć obliczanie?");
        EXPECT_TRUE(podsumowanie.isEmpty()) << metoda;
        EXPECT_EQ(glowne.MatrycaMiast->GetBestPunkty()->Count(), 0) << metoda;
        EXPECT_EQ(okna.PodsumowanieForm.PermutacjeNajkrotsza, najkrotsza);
        EXPECT_EQ(okna.PodsumowanieForm.LosowoNajkrotsza, -1.0);
        EXPECT_EQ(okna.PodsumowanieForm.GenetycznieNajkrotsza, -1.0);
    }
    EXPECT_TRUE(okna.ObliczForm.Sesja()->Skonczona());
    EXPECT_TRUE(okna.ObliczGenetycznieForm.Sesja()->Skonczona());

    // The summary still shows the permutation search of before.
    szukaj({wybierz(0), czytajPodsumowanie()});
    EXPECT_EQ(podsumowanie, poPermutacjach);
}

TEST_F(DrogaWyszukiwania, RouteSavedAfterASearchHoldsTheDrawnRouteAndItsLength) {
    postawMiasta(piecMiast);
    szukaj({wybierz(0), czytajPodsumowanie()});
    const QString sciezka = dir.filePath("trasa.tour");
    glowne.Pliki->ZapiszTrase(sciezka);

    std::vector<int> oczekiwana;
    for (int miasto : trasaNaMatrycy())
        oczekiwana.push_back(miasto + 1);
    EXPECT_EQ(PlikTsp::WczytajTour(sciezka), oczekiwana);
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    EXPECT_TRUE(plik.readAll().contains(
        QStringLiteral("COMMENT : Długość trasy %1\n").arg(okna.SzukajTraseForm.Wynik().najkrotsza->dlugosc, 0, 'f', 4).toUtf8()));
}

TEST_F(DrogaWyszukiwania, LocalSearchEndsAtItsTimeOrWhenFinishedWithItsBestRouteSoFar) {
    glowne.MatrycaMiast->Losuj(200);
    okna.SzukajTraseForm.CzasSzukaniaEdit->setText("1");
    szukaj({wybierz(MetodaSzukania::Lokalnie), czytajPodsumowanie()});
    const WynikSesji& wynik = okna.SzukajTraseForm.Wynik();
    ASSERT_TRUE(wynik.najkrotsza);
    EXPECT_FALSE(wynik.przerwany);
    EXPECT_TRUE(isPermutation(trasaNaMatrycy(), 200));
    EXPECT_EQ(trasaNaMatrycy(), wynik.najkrotsza->trasa);
    EXPECT_EQ(podsumowanie, QStringList({"", "", "", ""}));
    // A lower bound after the search says how far above the optimum its
    // route can be, by the one formula (how close it gets in a tenth of a
    // second depends on the machine's load).
    ASSERT_TRUE(wynik.najkrotsza->lukaProcent && wynik.najkrotsza->granica);
    EXPECT_LE(*wynik.najkrotsza->granica, wynik.najkrotsza->dlugosc);
    EXPECT_EQ(*wynik.najkrotsza->lukaProcent,
              LukaProcent(wynik.najkrotsza->dlugosc, *wynik.najkrotsza->granica, false));
    EXPECT_EQ(lokalnie, QStringList({TekstLiczby(wynik.najkrotsza->dlugosc), TekstLiczby(wynik.sekundy) + " s",
                                     TekstLuki(*wynik.najkrotsza->lukaProcent)}));

    // A search far longer than the test, paused and finished with "Tak":
    // its best route so far is drawn and summed up with the time it searched.
    okna.SzukajTraseForm.CzasSzukaniaEdit->setText("100000");
    TObliczLokalnieForm& postep = okna.ObliczLokalnieForm;
    SeenBox pytanie;
    szukaj({wybierz(MetodaSzukania::Lokalnie),
            {&postep,
             [&](QWidget*) {
                 ASSERT_TRUE(waitUntil([&] { return !postep.NajkrotszaDrogaLabel->text().isEmpty(); }));
                 postep.WstrzymajButton->click();
                 EXPECT_EQ(postep.WstrzymajButton->text(), "Wznów");
                 postep.ZakonczButton->click();
             }},
            odpowiedz(&pytanie, QMessageBox::Yes), czytajPodsumowanie()});
    EXPECT_EQ(pytanie.text, "Czy na pewno chcesz zakończyć obliczanie?");
    EXPECT_EQ(okna.SzukajTraseForm.result(), WynikModalny::OK);
    const WynikSesji& skonczony = okna.SzukajTraseForm.Wynik();
    EXPECT_TRUE(skonczony.przerwany);
    ASSERT_TRUE(skonczony.najkrotsza);
    EXPECT_TRUE(isPermutation(trasaNaMatrycy(), 200));
    EXPECT_EQ(trasaNaMatrycy(), skonczony.najkrotsza->trasa);
    EXPECT_LT(skonczony.sekundy, 100000.0);
    // Finished: no bound either.
    EXPECT_FALSE(skonczony.najkrotsza->lukaProcent);
    EXPECT_EQ(lokalnie, QStringList({TekstLiczby(skonczony.najkrotsza->dlugosc), TekstLiczby(skonczony.sekundy) + " s",
                                     ""}));
}
