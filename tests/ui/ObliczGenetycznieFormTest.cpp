#include "tests/ui/OknaWyszukiwania.h"
#include "search/sesja/SesjaSzukania.h"
#include "ui/TekstLiczby.h"
#include "ui/WykresZbieznosci.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

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
            EXPECT_TRUE(okno.Sesja()->Wstrzymana());
            kliknijPozniej(okno.ZakonczButton);
        };
    }

    QStringList wartosci() const {
        return {okno.IlePokolenLabel->text(), okno.NrPokoleniaLabel->text(), okno.NajkrotszaDrogaLabel->text()};
    }

    OknaWyszukiwania okna;
    TObliczGenetycznieForm& okno = okna.genetyczne;
};

// A state of a search as the window is handed it.
StanGenetyka stan(double droga, std::vector<int> geny, int pokolenie) {
    StanGenetyka s;
    s.IlePokolen = 10;
    s.NrPokolenia = pokolenie;
    s.Droga = droga;
    s.Geny = std::move(geny);
    s.Zbieznosc.Dodaj(droga);
    return s;
}

} // namespace

TEST_F(Genetycznie, ACompleteRunClosesWithOneAndKeepsItsResult) {
    EXPECT_EQ(uruchom({}), 1);
    ASSERT_NE(okno.Sesja(), nullptr);
    EXPECT_TRUE(okno.Sesja()->Skonczona());
    EXPECT_FALSE(okno.Trwa);
    const UstawieniaSesji& u = okno.Sesja()->Ustawienia();
    EXPECT_EQ(u.populacja, 4);
    EXPECT_EQ(u.pokolenia, 5);
    EXPECT_DOUBLE_EQ(u.krzyzowanie, 0.3);
    EXPECT_DOUBLE_EQ(u.mutacja, 0.1);
    ASSERT_TRUE(okno.Wynik().najkrotsza);
    const TrasaSesji& najlepsza = *okno.Wynik().najkrotsza;
    // The last display step comes before the last count.
    EXPECT_EQ(wartosci(), QStringList({"5", "4", TekstLiczby(najlepsza.dlugosc)}));
    EXPECT_TRUE(isPermutation(najlepsza.trasa, 6));
    EXPECT_DOUBLE_EQ(okno.OstatniaDroga, najlepsza.dlugosc);
    EXPECT_TRUE(okna.glowne.narysowane.empty());
    // The chart: the initial population and five generations, down to the
    // best length found.
    EXPECT_EQ(okno.Wykres->NajlepszeDotad->count(), 6);
    EXPECT_EQ(okno.Wykres->NajlepszeDotad->points().back().y(), najlepsza.dlugosc);
    EXPECT_EQ(okno.Wykres->OsPokolen->titleText(), "Pokolenie");
    EXPECT_EQ(okno.Wykres->OsDlugosci->titleText(), "Długość trasy");
    EXPECT_GE(okno.Wykres->geometry().top(), okno.ZakonczButton->geometry().bottom());
}

TEST_F(Genetycznie, DrawsEveryImprovementWhileChecked) {
    okna.glowne.UstawMiasta(9);
    ustawienia("300", "6", "0,5", "0,5");
    okno.RysujTraseCheck->setChecked(true);
    EXPECT_EQ(uruchom({}), 1);
    const auto& narysowane = okna.glowne.narysowane;
    ASSERT_FALSE(narysowane.empty());
    // The first display is the initial population's best route.
    EXPECT_NEAR(okna.glowne.Dlugosc(narysowane.front()), okno.Wynik().zbieznosc.NajlepszeDotad().front().y(), 1e-9);
    for (std::size_t i = 1; i < narysowane.size(); ++i)
        EXPECT_LT(okna.glowne.Dlugosc(narysowane[i]), okna.glowne.Dlugosc(narysowane[i - 1]));
    EXPECT_EQ(narysowane.back(), okno.Wynik().najkrotsza->trasa);
    EXPECT_EQ(okno.NajkrotszaDrogaLabel->text(), TekstLiczby(okno.Wynik().najkrotsza->dlugosc));
    // The box keeps its state for the next run.
    EXPECT_TRUE(okno.RysujTraseCheck->isChecked());
}

TEST_F(Genetycznie, DisplayStepShowsOnlyImprovementsAndRedrawsAfterTheBoxIsTicked) {
    okna.glowne.UstawTrojkat();
    auto& narysowane = okna.glowne.narysowane;
    okno.RysujTraseCheck->setChecked(true);
    okno.OstatniaDroga = -1.0;
    okno.Wyswietl(stan(20.0, {0, 1, 2}, 3));
    EXPECT_EQ(wartosci(), QStringList({"10", "3", "20,0"}));
    EXPECT_EQ(narysowane.size(), 1u);
    EXPECT_EQ(okno.Wykres->NajlepszeDotad->points(), QList<QPointF>({{0, 20}}));

    // An equal length rewrites nothing and draws nothing.
    okno.NajkrotszaDrogaLabel->setText("bez zmian");
    okno.Wyswietl(stan(20.0, {0, 1, 2}, 4));
    EXPECT_EQ(wartosci(), QStringList({"10", "4", "bez zmian"}));
    EXPECT_EQ(narysowane.size(), 1u);

    okno.Wyswietl(stan(15.04, {0, 2, 1}, 5));
    EXPECT_EQ(okno.NajkrotszaDrogaLabel->text(), "15,0");
    ASSERT_EQ(narysowane.size(), 2u);
    EXPECT_EQ(narysowane.back(), std::vector<int>({0, 2, 1}));

    // Unticked: the label follows, the grid does not.
    okno.RysujTraseCheck->setChecked(false);
    EXPECT_DOUBLE_EQ(okno.OstatniaDroga, 15.04);
    okno.Wyswietl(stan(14.0, {1, 2, 0}, 6));
    EXPECT_EQ(okno.NajkrotszaDrogaLabel->text(), "14,0");
    EXPECT_EQ(narysowane.size(), 2u);

    // Ticked again: the next step draws the current best without improvement.
    QTest::mouseClick(okno.RysujTraseCheck, Qt::LeftButton, {}, QPoint(6, okno.RysujTraseCheck->height() / 2));
    EXPECT_TRUE(okno.RysujTraseCheck->isChecked());
    EXPECT_EQ(okno.OstatniaDroga, -1.0);
    okno.Wyswietl(stan(14.0, {1, 2, 0}, 7));
    ASSERT_EQ(narysowane.size(), 3u);
    EXPECT_EQ(narysowane.back(), std::vector<int>({1, 2, 0}));
}

TEST_F(Genetycznie, TickingTheBoxMidRunDrawsTheCurrentBestRoute) {
    okna.glowne.UstawMiasta(12);
    bezKonca();
    std::vector<int> narysowana;
    EXPECT_EQ(uruchom({[&](QWidget*) {
                           ASSERT_TRUE(waitUntil([&] { return !okno.NrPokoleniaLabel->text().isEmpty(); }));
                           EXPECT_TRUE(okna.glowne.narysowane.empty());
                           QTest::mouseClick(okno.RysujTraseCheck, Qt::LeftButton, {},
                                             QPoint(6, okno.RysujTraseCheck->height() / 2));
                           ASSERT_TRUE(waitUntil([&] { return !okna.glowne.narysowane.empty(); }));
                           narysowana = okna.glowne.narysowane.back();
                           // What is drawn is the length shown.
                           EXPECT_EQ(TekstLiczby(okna.glowne.Dlugosc(narysowana)),
                                     okno.NajkrotszaDrogaLabel->text());
                           kliknijPozniej(okno.ZakonczButton);
                       },
                       answerBox(nullptr, QMessageBox::Yes)}),
              7);
    EXPECT_TRUE(isPermutation(narysowana, 12));
    okno.RysujTraseCheck->setChecked(false);
}

TEST_F(Genetycznie, TheDialogsDefaultProbabilitiesWorkUnderAnyLocale) {
    const QLocale poprzedni;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int wynik = uruchom({});
    QLocale::setDefault(poprzedni);
    EXPECT_EQ(wynik, 1);
    EXPECT_DOUBLE_EQ(okno.Sesja()->Ustawienia().krzyzowanie, 0.3);
    EXPECT_DOUBLE_EQ(okno.Sesja()->Ustawienia().mutacja, 0.1);
}

TEST_F(Genetycznie, SearchEndingWhileTheQuestionIsOpenAndRefusedLeavesTheWindowWithoutASearch) {
    bezKonca();
    // Closing it then asks nothing and gives a cancel.
    EXPECT_EQ(uruchom({wstrzymajIZakoncz(),
                       [&](QWidget* pytanie) {
                           okno.Sesja()->Zakoncz();
                           ASSERT_TRUE(waitUntil([&] { return !okno.Trwa; }));
                           answerBox(nullptr, QMessageBox::No)(pytanie);
                       },
                       [&](QWidget* w) {
                           EXPECT_EQ(w, &okno);
                           okno.WstrzymajButton->click();
                           kliknijPozniej(okno.ZakonczButton);
                       }}),
              WynikModalny::Anuluj);
    EXPECT_TRUE(okno.Sesja()->Skonczona());
}
