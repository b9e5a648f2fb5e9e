// TSPLIB instances in the window: shown as points where the grid cannot
// hold them, searched by every method in the file's own metric.

#include "app/MiastaOkna.h"
#include "app/PlikiMatrycy.h"
#include "grid/CMatryca.h"
#include "grid/WidokPunktow.h"
#include "search/ZestawMiast.h"
#include "tests/app/OknoGlowneTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"
#include "ui/WynikModalny.h"

#include <QMessageBox>
#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QWheelEvent>
#include <QWindow>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

QString tsplib(const char* nazwa) {
    return QStringLiteral(WEDROWNIK_TSPLIB "/") + QLatin1String(nazwa);
}

class PlikiWOknie : public OknoGlowneTest {
protected:
    // Reads the summary's line of the method as the user sees it.
    Krok czytajPodsumowanie(QLabel* TPodsumowanieForm::*etykieta) {
        return {&okna.PodsumowanieForm, [this, etykieta](QWidget*) {
                    podsumowanie = (okna.PodsumowanieForm.*etykieta)->text();
                    najdluzsza = okna.PodsumowanieForm.PermutacjeNajdluzszaLabel->text();
                    optimum = okna.PodsumowanieForm.PermutacjeOptimumLabel->isVisible()
                                  ? okna.PodsumowanieForm.PermutacjeOptimumLabel->text()
                                  : QString();
                    okna.PodsumowanieForm.Button1->click();
                }};
    }

    // The drawn route's length in the file's metric, as wedrownik-cli prints it.
    QString dlugoscNarysowanej() const {
        const std::vector<int>* trasa = glowne.Miasta->Trasa();
        if (!trasa)
            return QStringLiteral("brak trasy");
        return QString::number(glowne.Miasta->Zestaw()->metryka.DlugoscCalkowita(*trasa));
    }

    QString podsumowanie;
    QString najdluzsza;
    QString optimum;
};

} // namespace

TEST_F(PlikiWOknie, Burma14IsShownAsPointsAndThePermutationSearchFindsItsOptimum) {
    SKIP_WITHOUT_TSPLIB();
    // Two of its cities share a cell of the grid: it opens as points, GEO.
    glowne.Pliki->Otworz(tsplib("burma14.tsp"));
    EXPECT_EQ(glowne.Srodek->currentWidget(), glowne.PunktyMiast);
    EXPECT_EQ(glowne.PunktyMiast->LiczbaMiast(), 14);
    EXPECT_EQ(glowne.StatusPanel1->text(), "  Ilość miast : 14");
    EXPECT_EQ(glowne.StatusPanel2->text(), "  burma14.tsp, GEO");
    // The proof window draws them where the view does: longitude across,
    // latitude up, in degrees.
    const std::vector<QPointF> punkty = glowne.PunktyWidoku();
    ASSERT_EQ(punkty.size(), 14u);
    EXPECT_DOUBLE_EQ(punkty[0].x(), 96.0 + 10.0 / 60.0);
    EXPECT_DOUBLE_EQ(punkty[0].y(), 16.0 + 47.0 / 60.0);

    szukaj({wybierz(MetodaSzukania::Permutacje), czytajPodsumowanie(&TPodsumowanieForm::PermutacjeNajkrotszaLabel)});
    EXPECT_EQ(podsumowanie, "3323");
    EXPECT_EQ(dlugoscNarysowanej(), "3323");
    EXPECT_EQ(glowne.PunktyMiast->Trasa(), *glowne.Miasta->Trasa());
    // Whole numbers exactly, the longest route too.
    EXPECT_FALSE(najdluzsza.isEmpty() || najdluzsza.contains(',') || najdluzsza.contains('.')) << qPrintable(najdluzsza);
    EXPECT_EQ(optimum, "");
}

TEST_F(PlikiWOknie, WhereSinglePrecisionSumsRoundThePermutationSearchSaysHowShortTheOptimumMayBe) {
    // Distances of millions: six of them pass 2^24.
    const QString plik = writeFile(dir.filePath("duze.tsp"), "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n"
                                                             "1 0 0\n2 4000000 0\n3 4000000 3000000\n"
                                                             "4 0 3000000\n5 2000000 1000000\n6 1000000 2500000\nEOF\n");
    glowne.Pliki->Otworz(plik);
    szukaj({wybierz(MetodaSzukania::Permutacje), czytajPodsumowanie(&TPodsumowanieForm::PermutacjeNajkrotszaLabel)});
    EXPECT_EQ(podsumowanie, dlugoscNarysowanej());
    // As wedrownik-cli: the longest is not shown, and the least the optimum
    // can be is, a part in 2^24 per city below the route's length.
    EXPECT_EQ(najdluzsza, "");
    const double dlugosc = podsumowanie.toDouble();
    const double wzgledny = 7 * 0x1p-24;
    EXPECT_EQ(optimum, QString::number(std::int64_t(std::floor(dlugosc * (1.0 - wzgledny) / (1.0 + wzgledny)))));
}

TEST_F(PlikiWOknie, Gr17EveryMethodSumsUpTheRouteItDrawsInTheTablesWeights) {
    SKIP_WITHOUT_TSPLIB();
    glowne.Pliki->Otworz(tsplib("gr17.tsp"));
    EXPECT_EQ(glowne.Srodek->currentWidget(), glowne.PunktyMiast);
    EXPECT_EQ(glowne.StatusPanel0->text(), "  Miasta z pliku na okręgu");
    EXPECT_TRUE(glowne.StatusPanel2->text().startsWith("  gr17.tsp, EXPLICIT"))
        << qPrintable(glowne.StatusPanel2->text());

    szukaj({wybierz(MetodaSzukania::Permutacje), czytajPodsumowanie(&TPodsumowanieForm::PermutacjeNajkrotszaLabel)});
    EXPECT_EQ(podsumowanie, "2085");
    EXPECT_EQ(dlugoscNarysowanej(), "2085");

    okna.SzukajTraseForm.IleLosowanEdit->setText("200");
    okna.SzukajTraseForm.IlePokolenEdit->setText("30");
    okna.SzukajTraseForm.LicznoscPopulacjiEdit->setText("20");
    okna.SzukajTraseForm.CzasSzukaniaEdit->setText("1");
    const std::pair<int, QLabel* TPodsumowanieForm::*> metody[] = {
        {MetodaSzukania::Losowo, &TPodsumowanieForm::LosowoNajkrotszaLabel},
        {MetodaSzukania::Genetycznie, &TPodsumowanieForm::GenetycznieNajkrotszaLabel},
        {MetodaSzukania::Lokalnie, &TPodsumowanieForm::LokalnieNajkrotszaLabel},
    };
    for (const auto& [metoda, etykieta] : metody) {
        szukaj({wybierz(metoda), czytajPodsumowanie(etykieta)});
        EXPECT_EQ(podsumowanie, dlugoscNarysowanej()) << metoda;
        EXPECT_GE(podsumowanie.toInt(), 2085) << metoda;
    }
}

TEST_F(PlikiWOknie, ATableOverTheBudgetIsRefusedByNameAndSizeWhileTheLocalSearchRuns) {
    SKIP_WITHOUT_TSPLIB();
    glowne.Pliki->Otworz(tsplib("burma14.tsp"));
    okna.SzukajTraseForm.BudzetPamieci = 14 * 14 * 4 - 1;
    okna.SzukajTraseForm.CzasSzukaniaEdit->setText("1");
    SeenBox blad;
    szukaj({wybierz(MetodaSzukania::Genetycznie), odpowiedz(&blad, QMessageBox::Ok),
            wybierz(MetodaSzukania::Lokalnie), czytajPodsumowanie(&TPodsumowanieForm::LokalnieNajkrotszaLabel)});
    EXPECT_EQ(blad.text, "Algorytm genetyczny: tablica 14 X 14 odległości (784 B) nie mieści się w pamięci "
                         "(783 B); przeszukiwanie lokalne nie potrzebuje tablicy.");
    EXPECT_GE(podsumowanie.toInt(), 3323);
    EXPECT_EQ(podsumowanie, dlugoscNarysowanej());
}

TEST_F(PlikiWOknie, PastTheSizeItIsKnownToFinishAtThePermutationSearchAsksFirst) {
    SKIP_WITHOUT_TSPLIB();
    glowne.Pliki->Otworz(tsplib("fri26.tsp"));
    SeenBox nie;
    SeenBox tak;
    szukaj({wybierz(MetodaSzukania::Permutacje), odpowiedz(&nie, QMessageBox::No),
            {&okna.SzukajTraseForm,
             [&](QWidget*) {
                 // Still in the dialog, nothing started.
                 EXPECT_FALSE(okna.ObliczForm.isVisible());
                 okna.SzukajTraseForm.SzukajButton->click();
             }},
            odpowiedz(&tak, QMessageBox::Yes),
            czytajPodsumowanie(&TPodsumowanieForm::PermutacjeNajkrotszaLabel)});
    EXPECT_EQ(nie.caption, "Pytanie");
    EXPECT_TRUE(nie.text.startsWith("Metoda permutacji kończy się na pewno do 25 miast; dla 26 miast"))
        << qPrintable(nie.text);
    EXPECT_TRUE(tak.seen);
    EXPECT_EQ(podsumowanie, "937");
}

TEST_F(PlikiWOknie, AClickOnThePointsChangesNothingAndTheGridComesBackByItsOwnCommands) {
    SKIP_WITHOUT_TSPLIB();
    glowne.MatrycaMiast->SetCell(2, 3, true);
    // pr76 needs a grid of 12201 x 19801 cells.
    glowne.Pliki->Otworz(tsplib("pr76.tsp"));
    ASSERT_EQ(glowne.Srodek->currentWidget(), glowne.PunktyMiast);
    EXPECT_EQ(glowne.StatusPanel2->text(), "  pr76.tsp, EUC_2D");
    QTest::mouseClick(glowne.PunktyMiast, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(glowne.statusBar()->currentMessage(), TWedrownikForm::PodpowiedzPunktow);
    EXPECT_EQ(glowne.Miasta->Zestaw()->Ilosc(), 76);
    EXPECT_EQ(glowne.MatrycaMiast->GetPointCount(), 1);

    // The picture is the view as it shows.
    const QString obraz = dir.filePath("pr76.png");
    glowne.Pliki->ZapiszObraz(obraz);
    EXPECT_EQ(QImage(obraz).size(), glowne.PunktyMiast->size());

    glowne.CzyscMatryceButton->click();
    EXPECT_EQ(glowne.Srodek->currentWidget(), glowne.ScrollBox1);
    EXPECT_EQ(glowne.StatusPanel1->text(), "  Ilość miast na matrycy : 0");
    EXPECT_EQ(glowne.StatusPanel2->text(), "");
    EXPECT_EQ(glowne.Miasta->Zestaw()->Ilosc(), 0);

    // An empty grid does not notify; "Czyść matryce" brings it back all the same.
    glowne.Pliki->Otworz(tsplib("pr76.tsp"));
    ASSERT_EQ(glowne.Srodek->currentWidget(), glowne.PunktyMiast);
    glowne.CzyscMatryceButton->click();
    EXPECT_EQ(glowne.Srodek->currentWidget(), glowne.ScrollBox1);
    EXPECT_EQ(glowne.Miasta->Plik(), nullptr);
}

TEST_F(PlikiWOknie, WhileASearchRunsTheViewZoomsAndNothingElseChanges) {
    SKIP_WITHOUT_TSPLIB();
    glowne.Pliki->Otworz(tsplib("pr76.tsp"));
    okna.SzukajTraseForm.CzasSzukaniaEdit->setText("100000");
    TObliczLokalnieForm& postep = okna.ObliczLokalnieForm;
    double przed = 0.0;
    double poMenu = 0.0;
    double poKolku = 0.0;
    szukaj({wybierz(MetodaSzukania::Lokalnie),
            {&postep,
             [&](QWidget*) {
                 // Modal to itself alone: no window above the main one.
                 EXPECT_EQ(postep.windowModality(), Qt::WindowModal);
                 EXPECT_EQ(postep.windowHandle()->transientParent(), nullptr);
                 EXPECT_FALSE(glowne.SzukajEdit->isEnabled());
                 EXPECT_FALSE(glowne.CzyscMatryceButton->isEnabled());
                 EXPECT_FALSE(glowne.Otworz1->isEnabled());
                 EXPECT_FALSE(glowne.Matrycymiast1->isEnabled());
                 // Opening the file is not undone under the search's feet.
                 EXPECT_FALSE(glowne.Cofnij1->isEnabled());
                 przed = glowne.PunktyMiast->Skala();
                 glowne.Powieksz1->trigger();
                 poMenu = glowne.PunktyMiast->Skala();
                 const QPointF srodek(glowne.PunktyMiast->width() / 2.0, glowne.PunktyMiast->height() / 2.0);
                 QWheelEvent kolko(srodek, glowne.PunktyMiast->mapToGlobal(srodek), QPoint(), QPoint(0, 120),
                                   Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
                 QCoreApplication::sendEvent(glowne.PunktyMiast, &kolko);
                 poKolku = glowne.PunktyMiast->Skala();
                 postep.ZakonczButton->click();
             }},
            odpowiedz(nullptr, QMessageBox::Yes),
            czytajPodsumowanie(&TPodsumowanieForm::LokalnieNajkrotszaLabel)});
    EXPECT_GT(poMenu, przed);
    EXPECT_GT(poKolku, poMenu);
    EXPECT_EQ(podsumowanie, dlugoscNarysowanej());
    EXPECT_TRUE(glowne.SzukajEdit->isEnabled());
    EXPECT_TRUE(glowne.Otworz1->isEnabled());
    EXPECT_TRUE(glowne.Cofnij1->isEnabled());
}
