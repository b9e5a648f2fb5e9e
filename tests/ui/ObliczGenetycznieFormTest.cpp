#include "tests/ui/OknaWyszukiwania.h"
#include "toolkit/core/DecimalConvert.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Genetycznie : public ::testing::Test {
protected:
    Genetycznie() {
        okna.glowne.UstawMiasta(6);
        ustawienia("5", "4", "0,3", "0,1");
    }
    ~Genetycznie() override { EXPECT_TRUE(noVisibleTopLevels()); }

    void ustawienia(const QString& pokolenia, const QString& populacja, const QString& krzyzowanie,
                    const QString& mutacja) {
        okna.szukaj.IlePokolenEdit->setText(pokolenia);
        okna.szukaj.LicznoscPopulacjiEdit->setText(populacja);
        okna.szukaj.PKrzyzowaniaEdit->setText(krzyzowanie);
        okna.szukaj.PMutacjiEdit->setText(mutacja);
    }

    // A search far longer than any test: it ends only when asked.
    void bezKonca() { ustawienia("2000000000", "4", "0,3", "0,1"); }

    int uruchom(std::initializer_list<ModalHelper::Action> dzialania) {
        ModalHelper helper;
        for (const auto& dzialanie : dzialania)
            helper.next(dzialanie);
        const int wynik = okno.Uruchom(okna.szukaj.UstawieniaGenetyki());
        EXPECT_EQ(helper.pending(), 0);
        return wynik;
    }

    ModalHelper::Action wstrzymajIZakoncz() {
        return [this](QWidget*) {
            ASSERT_TRUE(waitUntil([&] { return !okno.NrPokoleniaLabel->text().isEmpty(); }));
            okno.WstrzymajButton->click();
            EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
            EXPECT_TRUE(okno.Genetyk->isHeld());
            kliknijPozniej(okno.ZakonczButton);
        };
    }

    QStringList wartosci() const {
        return {okno.IlePokolenLabel->text(), okno.NrPokoleniaLabel->text(), okno.NajkrotszaDrogaLabel->text()};
    }

    OknaWyszukiwania okna;
    TObliczGenetycznieForm& okno = okna.genetyczne;
};

// A search that never runs, holding a best route set by the test.
std::unique_ptr<CGenetyk> najlepszy(double droga, std::vector<int> geny, int pokolenie) {
    auto genetyk = std::make_unique<CGenetyk>();
    genetyk->IlePokolen = 10;
    genetyk->NrPokolenia = pokolenie;
    genetyk->Najlepszy.Ilosc = int(geny.size());
    genetyk->Najlepszy.Geny = std::move(geny);
    genetyk->Najlepszy.Droga = droga;
    return genetyk;
}

} // namespace

TEST_F(Genetycznie, ACompleteRunClosesWithOneAndKeepsItsResult) {
    EXPECT_EQ(uruchom({}), 1);
    ASSERT_NE(okno.Genetyk, nullptr);
    const CGenetyk& genetyk = *okno.Genetyk;
    EXPECT_TRUE(genetyk.hasEnded());
    EXPECT_FALSE(okno.Trwa);
    EXPECT_EQ(genetyk.LicznoscPopulacji, 4);
    EXPECT_EQ(genetyk.IloscMiast, 6);
    EXPECT_DOUBLE_EQ(genetyk.PKrzyzowania, 0.3);
    EXPECT_DOUBLE_EQ(genetyk.PMutacji, 0.1);
    // The last display step comes before the last count.
    EXPECT_EQ(wartosci(), QStringList({"5", "4", FormatOneDecimal(genetyk.Najlepszy.Droga)}));
    EXPECT_TRUE(isPermutation(genetyk.Najlepszy.Geny, 6));
    EXPECT_DOUBLE_EQ(okno.OstatniaDroga, genetyk.Najlepszy.Droga);
    EXPECT_TRUE(okna.glowne.narysowane.empty());
}

TEST_F(Genetycznie, DrawsEveryImprovementWhileChecked) {
    okna.glowne.UstawMiasta(9);
    ustawienia("300", "6", "0,5", "0,5");
    okno.RysujTraseCheck->setChecked(true);
    EXPECT_EQ(uruchom({}), 1);
    const auto& narysowane = okna.glowne.narysowane;
    ASSERT_FALSE(narysowane.empty());
    for (std::size_t i = 1; i < narysowane.size(); ++i)
        EXPECT_LT(okna.glowne.Dlugosc(narysowane[i]), okna.glowne.Dlugosc(narysowane[i - 1]));
    EXPECT_EQ(narysowane.back(), okno.Genetyk->Najlepszy.Geny);
    EXPECT_EQ(okno.NajkrotszaDrogaLabel->text(), FormatOneDecimal(okno.Genetyk->Najlepszy.Droga));
    // The box keeps its state for the next run.
    EXPECT_TRUE(okno.RysujTraseCheck->isChecked());
}

TEST_F(Genetycznie, DisplayStepShowsOnlyImprovementsAndRedrawsAfterTheBoxIsTicked) {
    okna.glowne.UstawTrojkat();
    auto& narysowane = okna.glowne.narysowane;
    okno.RysujTraseCheck->setChecked(true);
    okno.Genetyk = najlepszy(20.0, {0, 1, 2}, 3);
    okno.OstatniaDroga = -1.0;
    okno.Wyswietl();
    EXPECT_EQ(wartosci(), QStringList({"10", "3", "20,0"}));
    EXPECT_EQ(narysowane.size(), 1u);

    // An equal length rewrites nothing and draws nothing.
    okno.NajkrotszaDrogaLabel->setText("bez zmian");
    okno.Genetyk->NrPokolenia = 4;
    okno.Wyswietl();
    EXPECT_EQ(wartosci(), QStringList({"10", "4", "bez zmian"}));
    EXPECT_EQ(narysowane.size(), 1u);

    okno.Genetyk->Najlepszy.Droga = 15.04;
    okno.Genetyk->Najlepszy.Geny = {0, 2, 1};
    okno.Wyswietl();
    EXPECT_EQ(okno.NajkrotszaDrogaLabel->text(), "15,0");
    ASSERT_EQ(narysowane.size(), 2u);
    EXPECT_EQ(narysowane.back(), std::vector<int>({0, 2, 1}));

    // Unticked: the label follows, the grid does not.
    okno.RysujTraseCheck->setChecked(false);
    EXPECT_DOUBLE_EQ(okno.OstatniaDroga, 15.04);
    okno.Genetyk->Najlepszy.Droga = 14.0;
    okno.Wyswietl();
    EXPECT_EQ(okno.NajkrotszaDrogaLabel->text(), "14,0");
    EXPECT_EQ(narysowane.size(), 2u);

    // Ticked again: the next step draws the current best without improvement.
    QTest::mouseClick(okno.RysujTraseCheck, Qt::LeftButton, {}, QPoint(6, okno.RysujTraseCheck->height() / 2));
    EXPECT_TRUE(okno.RysujTraseCheck->isChecked());
    EXPECT_EQ(okno.OstatniaDroga, -1.0);
    okno.Wyswietl();
    EXPECT_EQ(narysowane.size(), 3u);
    okno.Genetyk.reset();
}

TEST_F(Genetycznie, TheDialogsDefaultProbabilitiesWorkUnderAnyLocale) {
    const QLocale poprzedni;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int wynik = uruchom({});
    QLocale::setDefault(poprzedni);
    EXPECT_EQ(wynik, 1);
    EXPECT_DOUBLE_EQ(okno.Genetyk->PKrzyzowania, 0.3);
    EXPECT_DOUBLE_EQ(okno.Genetyk->PMutacji, 0.1);
}

TEST_F(Genetycznie, SearchEndingWhileTheQuestionIsOpenAndRefusedLeavesTheWindowWithoutASearch) {
    bezKonca();
    // Closing it then asks nothing and gives a cancel.
    EXPECT_EQ(uruchom({wstrzymajIZakoncz(),
                       [&](QWidget* pytanie) {
                           okno.Genetyk->requestFinish();
                           ASSERT_TRUE(waitUntil([&] { return !okno.Trwa; }));
                           answerBox(nullptr, QMessageBox::No)(pytanie);
                       },
                       [&](QWidget* w) {
                           EXPECT_EQ(w, &okno);
                           okno.WstrzymajButton->click();
                           kliknijPozniej(okno.ZakonczButton);
                       }}),
              WynikModalny::Anuluj);
    EXPECT_TRUE(okno.Genetyk->hasEnded());
}
