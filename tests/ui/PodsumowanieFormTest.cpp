#include "tests/support/ModalHelper.h"
#include "ui/TPodsumowanieForm.h"
#include "ui/WykresZbieznosci.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QValueAxis>
#include <QPushButton>

#include <gtest/gtest.h>

#include <limits>

namespace {

class Podsumowanie : public ::testing::Test {
protected:
    ~Podsumowanie() override { EXPECT_TRUE(noVisibleTopLevels()); }

    // Shows the window modally, reads its four value labels and closes it
    // with "OK"; returns the modal result.
    int pokaz() {
        ModalHelper helper;
        helper.next([this](QWidget*) {
            teksty = {okno.PermutacjeNajkrotszaLabel->text(), okno.PermutacjeNajdluzszaLabel->text(),
                      okno.LosowoNajkrotszaLabel->text(), okno.GenetycznieNajkrotszaLabel->text()};
            wykres = okno.GenetycznieWykres->isVisible() ? okno.GenetycznieWykres->NajlepszeDotad->points() : QList<QPointF>{};
            if (okno.GenetycznieWykres->isVisible())
                wykresPonizej = okno.GenetycznieWykres->geometry().top() >= okno.GroupBox3->geometry().bottom();
            rozmiar = okno.size();
            okno.Button1->click();
        });
        return okno.exec();
    }

    void ustaw(double permutacjeNajkrotsza, double permutacjeNajdluzsza, double losowo, double genetycznie) {
        okno.PermutacjeNajkrotsza = permutacjeNajkrotsza;
        okno.PermutacjeNajdluzsza = permutacjeNajdluzsza;
        okno.LosowoNajkrotsza = losowo;
        okno.GenetycznieNajkrotsza = genetycznie;
    }

    TPodsumowanieForm okno{nullptr};
    QStringList teksty;
    QList<QPointF> wykres;
    bool wykresPonizej = false;
    QSize rozmiar;
};

} // namespace

TEST_F(Podsumowanie, ShowsOnlyTheMethodsRun) {
    ustaw(-1.0, -1.0, 12.34, -1.0);
    EXPECT_EQ(pokaz(), 1);
    EXPECT_EQ(teksty, QStringList({"", "", "12,3", ""}));
}

TEST_F(Podsumowanie, FormatsLengthsWithOneDecimalAndTheLocalesComma) {
    ustaw(0.96, 0.0, 1234.55, 7.25);
    pokaz();
    EXPECT_EQ(teksty, QStringList({"1,0", "0,0", "1234,6", "7,3"}));
}

TEST_F(Podsumowanie, LeavesMinusOneAndBelowAndNotANumberEmpty) {
    ustaw(-1.0, -2.5, std::numeric_limits<double>::quiet_NaN(), -0.5);
    pokaz();
    EXPECT_EQ(teksty, QStringList({"", "", "", "-0,5"}));
}

TEST_F(Podsumowanie, ShowingTwiceShowsTheSameTexts) {
    ustaw(12.0, 20.0, -1.0, 11.5);
    pokaz();
    const QStringList pierwsze = teksty;
    pokaz();
    EXPECT_EQ(teksty, pierwsze);
    EXPECT_EQ(teksty, QStringList({"12,0", "20,0", "", "11,5"}));
}

TEST_F(Podsumowanie, TheGeneticRunsChartStandsUnderItsGroupWhileItsLengthIsShown) {
    SeriaZbieznosci seria;
    for (double d : {30.0, 25.0, 27.0, 21.0})
        seria.Dodaj(d);
    okno.GenetycznieZbieznosc = seria;
    ustaw(-1.0, -1.0, -1.0, 21.0);
    pokaz();
    EXPECT_EQ(wykres, seria.NajlepszeDotad());
    EXPECT_TRUE(wykresPonizej);
    EXPECT_EQ(rozmiar.width(), 424);
    EXPECT_GT(rozmiar.height(), 334);
    EXPECT_EQ(okno.GenetycznieWykres->OsPokolen->titleText(), "Pokolenie");
    EXPECT_EQ(okno.GenetycznieWykres->OsDlugosci->titleText(), "Długość trasy");

    // Without a genetic result the window is as it was, chart or no chart.
    ustaw(-1.0, -1.0, 5.0, -1.0);
    pokaz();
    EXPECT_TRUE(wykres.isEmpty());
    EXPECT_EQ(rozmiar, QSize(424, 334));
}

TEST_F(Podsumowanie, TheProofsGroupShowsEachRouteProvenOrItsGapOnlyAfterAProof) {
    ustaw(-1.0, -1.0, 5.0, -1.0);
    pokaz();
    EXPECT_FALSE(okno.GroupBox5->isVisible());

    QStringList dowod;
    bool widoczna = false;
    const auto pokazDowod = [&] {
        ModalHelper helper;
        helper.next([&](QWidget*) {
            dowod = {okno.DowodNajkrotszaLabel->text(), okno.DowodNajdluzszaLabel->text()};
            widoczna = okno.GroupBox5->isVisible() && okno.height() > 334;
            okno.Button1->click();
        });
        okno.exec();
    };
    okno.Calkowite = true;
    okno.DowodNajkrotsza = TrasaSesji{{}, 21300.0, false, 21282.0, 0.09};
    okno.DowodNajdluzsza = TrasaSesji{{}, 253306.0, true, std::nullopt, std::nullopt};
    pokazDowod();
    EXPECT_TRUE(widoczna);
    EXPECT_EQ(dowod, QStringList({"21300 (co najwyżej 0,09 % od optimum)", "253306 (udowodniona)"}));

    // Without a bound nothing is claimed.
    okno.Calkowite = false;
    okno.DowodNajkrotsza = TrasaSesji{{}, 12.34, false, std::nullopt, std::nullopt};
    okno.DowodNajdluzsza = TrasaSesji{{}, 250.0, false, 253.0, 1.19};
    pokazDowod();
    EXPECT_EQ(dowod, QStringList({"12,3 (nie udowodniona)", "250,0 (co najwyżej 1,19 % od optimum)"}));

    // The cells' proof says its precision in full: the window widens for it.
    okno.DowodNajkrotsza = TrasaSesji{{}, 55.2, true, std::nullopt, std::nullopt};
    okno.DowodNajkrotsza->doMilionowej = true;
    int szerokoscEtykiety = 0;
    ModalHelper helper;
    helper.next([&](QWidget*) {
        szerokoscEtykiety = okno.DowodNajkrotszaLabel->width() - okno.DowodNajkrotszaLabel->sizeHint().width();
        okno.Button1->click();
    });
    okno.exec();
    EXPECT_GE(szerokoscEtykiety, 0);
}

TEST_F(Podsumowanie, TheOwnRouteIsComparedWithTheProvenOptimumFirstThenWithTheBestFound) {
    // 1032 against 1000: 3,2 %; 950 against 1000: 5,0 % below.
    EXPECT_EQ(TPodsumowanieForm::TekstPorownania(1032.0, 1000.0, 990.0, true),
              "3,2 % powyżej najkrótszej (udowodnionej)");
    EXPECT_EQ(TPodsumowanieForm::TekstPorownania(1032.0, -1.0, 1000.0, true), "3,2 % powyżej najlepszej znalezionej");
    EXPECT_EQ(TPodsumowanieForm::TekstPorownania(950.0, -1.0, 1000.0, true), "5,0 % poniżej najlepszej znalezionej");
    EXPECT_EQ(TPodsumowanieForm::TekstPorownania(1000.0, 1000.0, 1000.0, true), "Równa najkrótszej (udowodnionej)");
    EXPECT_EQ(TPodsumowanieForm::TekstPorownania(1000.0, -1.0, -1.0, true), "Brak trasy do porównania");
}

TEST_F(Podsumowanie, TheOwnRoutesGroupShowsWhileThereIsOneAgainstTheShortestOfTheMethods) {
    ustaw(-1.0, -1.0, 12.5, 10.0);
    QStringList wlasna;
    bool widoczna = true;
    auto czytaj = [&] {
        ModalHelper helper;
        helper.next([&](QWidget*) {
            widoczna = okno.GroupBox6->isVisible();
            wlasna = {okno.WlasnaTrasaLabel->text(), okno.WlasnaPorownanieLabel->text()};
            okno.Button1->click();
        });
        okno.exec();
    };
    czytaj();
    EXPECT_FALSE(widoczna);
    // 11 against the genetic search's 10: 10 %.
    okno.WlasnaTrasa = 11.0;
    czytaj();
    EXPECT_TRUE(widoczna);
    EXPECT_EQ(wlasna, QStringList({"11,0", "10,0 % powyżej najlepszej znalezionej"}));
}
