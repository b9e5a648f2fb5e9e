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

TEST_F(Genetycznie, IsBuiltAsDesigned) {
    EXPECT_EQ(okno.windowTitle(), "Rozwiązanie genetyczne");
    EXPECT_EQ(okno.minimumSize(), okno.maximumSize());
    EXPECT_TRUE(okno.font().bold());
    EXPECT_EQ(okno.Label2->text(), "Ilość pokoleń : ");
    EXPECT_EQ(okno.Label1->text(), "Aktualne pokolenie : ");
    EXPECT_EQ(okno.Label3->text(), "Najkrótsza droga : ");
    EXPECT_EQ(okno.RysujTraseCheck->text(), "Rysuj trasę");
    EXPECT_FALSE(okno.RysujTraseCheck->isChecked());
    EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
    EXPECT_EQ(okno.ZakonczButton->text(), "Zakończ");
    EXPECT_EQ(okno.Genetyk, nullptr);
}

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
    EXPECT_TRUE(jestPermutacja(genetyk.Najlepszy.Geny, 6));
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

TEST_F(Genetycznie, AProbabilityThatIsNoNumberOpensTheWindowWithoutASearch) {
    // A finished run before it: its search is replaced, not resumed.
    EXPECT_EQ(uruchom({}), 1);
    okno.RysujTraseCheck->setChecked(true);
    okna.glowne.narysowane.clear();

    okna.szukaj.PMutacjiEdit->setText("abc");
    SeenBox blad;
    QStringList widoczne;
    ModalHelper helper;
    helper.next([&](QWidget*) {
        okna.szukaj.SetSzukajGroupItemIndex(2);
        kliknijPozniej(okna.szukaj.SzukajButton);
    });
    helper.next(answerBox(&blad, QMessageBox::Ok));
    helper.next([&](QWidget* w) {
        EXPECT_EQ(w, &okno);
        widoczne = wartosci();
        // Pausing a search that does not run does nothing.
        okno.WstrzymajButton->click();
        okno.WstrzymajButton->click();
        EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
        QTest::qWait(50);
        kliknijPozniej(okno.ZakonczButton);
    });
    EXPECT_EQ(okna.szukaj.exec(), 2);
    EXPECT_EQ(helper.pending(), 0);
    EXPECT_EQ(blad.text, "'abc' is not a valid floating point value.");
    EXPECT_EQ(blad.icon, int(QMessageBox::Critical));
    EXPECT_EQ(widoczne, QStringList({"", "", ""}));
    EXPECT_EQ(okno.Genetyk, nullptr);
    EXPECT_FALSE(okno.Trwa);
    EXPECT_TRUE(okna.glowne.narysowane.empty());
}

TEST_F(Genetycznie, RefusingKeepsThePauseAndConfirmingFinishesWithSeven) {
    bezKonca();
    SeenBox pytanie;
    int wstrzymanyNa = -1;
    EXPECT_EQ(uruchom({wstrzymajIZakoncz(), answerBox(&pytanie, QMessageBox::No),
                       [&](QWidget* w) {
                           EXPECT_EQ(w, &okno);
                           EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
                           EXPECT_TRUE(okno.Genetyk->isHeld());
                           const QString pokolenie = okno.NrPokoleniaLabel->text();
                           QTest::qWait(100);
                           EXPECT_EQ(okno.NrPokoleniaLabel->text(), pokolenie);
                           // An end notification that is not the search's own
                           // changes nothing.
                           okno.PoZakonczeniuThreada();
                           EXPECT_TRUE(okno.isVisible());
                           EXPECT_TRUE(okno.Trwa);
                           wstrzymanyNa = pokolenie.toInt();
                           kliknijPozniej(okno.ZakonczButton);
                       },
                       answerBox(nullptr, QMessageBox::Yes)}),
              7);
    EXPECT_EQ(pytanie.caption, "Pytanie");
    EXPECT_EQ(pytanie.text, "Czy na pewno chcesz zakończyć obliczanie?");
    EXPECT_EQ(pytanie.icon, int(QMessageBox::Question));
    ASSERT_NE(okno.Genetyk, nullptr);
    EXPECT_TRUE(okno.Genetyk->hasEnded());
    // No generation after the pause: the last one shown is the last one run.
    EXPECT_EQ(okno.Genetyk->NrPokolenia, wstrzymanyNa + 1);
    EXPECT_TRUE(jestPermutacja(okno.Genetyk->Najlepszy.Geny, 6));

    // The next run starts unpaused.
    ustawienia("5", "4", "0,3", "0,1");
    EXPECT_EQ(uruchom({}), 1);
    EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
}

TEST_F(Genetycznie, CloseBoxAndEscapeAskTooAndCannotBypassTheQuestion) {
    bezKonca();
    SeenBox przyZamknieciu, przyEscape;
    EXPECT_EQ(uruchom({[&](QWidget*) { zamknijPozniej(&okno); }, answerBox(&przyZamknieciu, QMessageBox::No),
                       [&](QWidget*) {
                           EXPECT_TRUE(okno.isVisible());
                           QMetaObject::invokeMethod(
                               &okno, [&] { QTest::keyClick(&okno, Qt::Key_Escape); }, Qt::QueuedConnection);
                       },
                       answerBox(&przyEscape, QMessageBox::No),
                       [&](QWidget*) {
                           EXPECT_TRUE(okno.Trwa);
                           kliknijPozniej(okno.ZakonczButton);
                       },
                       answerBox(nullptr, QMessageBox::Yes)}),
              7);
    EXPECT_EQ(przyZamknieciu.text, "Czy na pewno chcesz zakończyć obliczanie?");
    EXPECT_EQ(przyEscape.text, "Czy na pewno chcesz zakończyć obliczanie?");
}

TEST_F(Genetycznie, SearchEndingWhileTheQuestionIsOpen) {
    bezKonca();
    // The search's end during the question runs its end notification at once.
    auto konczySieWTrakciePytania = [&](int odpowiedz) {
        return [&, odpowiedz](QWidget* pytanie) {
            okno.Genetyk->requestFinish();
            ASSERT_TRUE(waitUntil([&] { return !okno.Trwa; }));
            EXPECT_TRUE(okno.isVisible());
            answerBox(nullptr, odpowiedz)(pytanie);
        };
    };
    EXPECT_EQ(uruchom({wstrzymajIZakoncz(), konczySieWTrakciePytania(QMessageBox::Yes)}), 7);

    // No: the window stays without a search; closing it then asks nothing
    // and gives a cancel.
    EXPECT_EQ(uruchom({wstrzymajIZakoncz(), konczySieWTrakciePytania(QMessageBox::No),
                       [&](QWidget* w) {
                           EXPECT_EQ(w, &okno);
                           okno.WstrzymajButton->click();
                           kliknijPozniej(okno.ZakonczButton);
                       }}),
              2);
    EXPECT_TRUE(okno.Genetyk->hasEnded());
}
