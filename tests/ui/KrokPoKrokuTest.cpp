// Step mode as the user sees it: "Krok po kroku" in the search dialog, the
// progress window's "Krok", "Tempo" and the sentence of each step, and what
// the main view draws for it.

#include "search/OpisKroku.h"
#include "search/sesja/SesjaSzukania.h"
#include "tests/ui/OknaWyszukiwania.h"
#include "ui/TekstKroku.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

TEST(TekstKroku, SaysWhatTheStepDidAndWhyWithDecimalCommas) {
    OpisKroku trasa;
    trasa.numer = 17;
    trasa.wartosc = 243.5;
    trasa.najlepsza = 231.2;
    EXPECT_EQ(TekstKroku(trasa), QStringLiteral("Trasa 17: 243,5 — dłuższa od najlepszej 231,2"));
    trasa.numer = 1;
    EXPECT_EQ(TekstKroku(trasa), QStringLiteral("Trasa 1: 243,5 — pierwsza, na razie najlepsza"));

    OpisKroku ruch;
    ruch.rodzaj = OpisKroku::Rodzaj::Ruch;
    ruch.zmiana = -12.4;
    ruch.przyjety = true;
    ruch.usuniete = {{0, 1}, {2, 3}};
    ruch.dodane = {{0, 2}, {1, 3}};
    EXPECT_TRUE(TekstKroku(ruch).contains(QStringLiteral(": \u221212,4 — zachowany")));
    ruch.rodzaj = OpisKroku::Rodzaj::Kopniecie;
    ruch.zmiana = 30.5;
    EXPECT_TRUE(TekstKroku(ruch).startsWith(QStringLiteral("Kopnięcie (podwójny most, 2 krawędzie wymienione): +30,5")));

    OpisKroku ciecie;
    ciecie.rodzaj = OpisKroku::Rodzaj::Ciecie;
    ciecie.ile = 1;
    ciecie.trasa = {0, 2, 3, 5, 7, 8, 9};
    EXPECT_EQ(TekstKroku(ciecie), QStringLiteral("Cięcie podcyklu: zbiór 7 miast"));
    ciecie.numer = 2;
    ciecie.ile = 4;
    EXPECT_EQ(TekstKroku(ciecie), QStringLiteral("Cięcie podcyklu 2 z 4: zbiór 7 miast"));

    // A branch names its cities by their ids.
    OpisKroku odciecie;
    odciecie.rodzaj = OpisKroku::Rodzaj::Odciecie;
    odciecie.trasa = {0, 2};
    EXPECT_TRUE(TekstKroku(odciecie, {10, 20, 30}).startsWith(QStringLiteral("Gałąź 10-30 odcięta")));
}

TEST(KrokPoKroku, TheWindowStepsOnKrokDrawsEachStepAndRunsToTheEndAtFullTempo) {
    OknaWyszukiwania okna;
    TObliczForm& okno = okna.oblicz;
    okna.glowne.UstawMiasta(6);
    okna.szukaj.IloscMiast = 6;
    okna.szukaj.SetSzukajGroupItemIndex(MetodaSzukania::Losowo);
    okna.szukaj.IleLosowanEdit->setText(QStringLiteral("50"));
    okna.szukaj.KrokPoKrokuCheck->setChecked(true);
    ModalHelper helper;
    helper.next([&](QWidget*) { kliknijPozniej(okna.szukaj.SzukajButton); });
    helper.next([&](QWidget*) {
        ASSERT_TRUE(okno.PanelKrokow->isVisible());
        EXPECT_EQ(okno.KrokButton->text(), QStringLiteral("Krok"));
        EXPECT_EQ(okno.TempoSlider->accessibleName(), QStringLiteral("Tempo"));
        ASSERT_TRUE(waitUntil([&] { return okno.KrokLabel->text() == QStringLiteral("Krok: 1"); }));
        EXPECT_TRUE(okno.OpisKrokuLabel->text().startsWith(QStringLiteral("Trasa 1: ")));
        // The route drawn: six lines, one into each city.
        EXPECT_EQ(okna.glowne.badane.size(), 6u);
        QTest::mouseClick(okno.KrokButton, Qt::LeftButton);
        ASSERT_TRUE(waitUntil([&] { return okno.KrokLabel->text() == QStringLiteral("Krok: 2"); }));
        EXPECT_TRUE(okno.OpisKrokuLabel->text().startsWith(QStringLiteral("Trasa 2: ")));
        okno.TempoSlider->setValue(okno.TempoSlider->maximum());
    });
    const int wynik = okna.szukaj.exec();
    EXPECT_EQ(helper.pending(), 0);
    EXPECT_EQ(wynik, int(WynikModalny::OK));
    ASSERT_TRUE(okna.szukaj.Wynik().najkrotsza);
    EXPECT_TRUE(isPermutation(okna.szukaj.Wynik().najkrotsza->trasa, 6));
    // The step's lines go with the window; the best route stays.
    EXPECT_TRUE(okna.glowne.badane.empty());
    EXPECT_FALSE(okna.glowne.narysowane.empty());
    EXPECT_TRUE(noVisibleTopLevels());
}

TEST(KrokPoKroku, WithoutTheBoxTheWindowShowsNoStepControls) {
    OknaWyszukiwania okna;
    TObliczForm& okno = okna.oblicz;
    okna.glowne.UstawMiasta(6);
    okna.szukaj.IleLosowanEdit->setText(QStringLiteral("5"));
    ModalHelper helper;
    helper.next([&](QWidget*) { EXPECT_FALSE(okno.PanelKrokow->isVisible()); });
    EXPECT_EQ(okno.Uruchom(MetodaSesji::Losowo, QStringLiteral("5")), int(WynikModalny::OK));
    EXPECT_EQ(helper.pending(), 0);
}

TEST(KrokPoKroku, APausedLocalSearchInStepModeFinishesWithItsBestRoute) {
    OknaWyszukiwania okna;
    TObliczLokalnieForm& okno = okna.lokalne;
    okna.glowne.UstawMiasta(40);
    okno.KrokPoKroku = true;
    ModalHelper helper;
    helper.next([&](QWidget*) {
        ASSERT_TRUE(waitUntil([&] { return okno.KrokLabel->text() == QStringLiteral("Krok: 1"); }, 60000));
        EXPECT_FALSE(okno.OpisKrokuLabel->text().isEmpty());
        okno.WstrzymajButton->click();
        ASSERT_TRUE(waitUntil([&] { return okno.Sesja()->ZatrzymaneWatki() == 1; }));
        kliknijPozniej(okno.ZakonczButton);
    });
    helper.next(answerBox(nullptr, QMessageBox::Yes));
    EXPECT_EQ(okno.Uruchom(10), int(WynikModalny::OK));
    EXPECT_EQ(helper.pending(), 0);
    ASSERT_TRUE(okno.Wynik().najkrotsza);
    EXPECT_TRUE(isPermutation(okno.Wynik().najkrotsza->trasa, 40));
    EXPECT_TRUE(okna.glowne.badane.empty());
}
