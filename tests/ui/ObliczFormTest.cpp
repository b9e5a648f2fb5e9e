#include "tests/ui/OknaWyszukiwania.h"
#include "search/sesja/SesjaSzukania.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace {

class Oblicz : public ::testing::Test {
protected:
    ~Oblicz() override { EXPECT_TRUE(noVisibleTopLevels()); }

    // Shows the progress window modally in mode tryb with the actions given
    // for the modal windows that follow; returns its result.
    int uruchom(MetodaSesji tryb, std::initializer_list<ModalHelper::Action> dzialania) {
        ModalHelper helper;
        helper_ = &helper;
        for (const auto& dzialanie : dzialania)
            helper.next(dzialanie);
        const int wynik = okno.Uruchom(tryb, okna.szukaj.IleLosowanEdit->text());
        EXPECT_EQ(helper.pending(), 0);
        helper_ = nullptr;
        return wynik;
    }

    // Waits for a tick: the next one rewrites the emptied label.
    bool nastepnyTakt() {
        okno.ProcentLabel->clear();
        return waitUntil([&] { return !okno.ProcentLabel->text().isEmpty(); });
    }

    // A random search far longer than any test: it ends only when asked.
    void bezKonca() {
        okna.glowne.UstawMiasta(6);
        okna.szukaj.IleLosowanEdit->setText("2000000000");
    }

    ModalHelper::Action wstrzymaj() {
        return [this](QWidget*) {
            okno.WstrzymajButton->click();
            EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
            EXPECT_TRUE(okno.Sesja()->Wstrzymana());
        };
    }

    OknaWyszukiwania okna;
    TObliczForm& okno = okna.oblicz;
    ModalHelper* helper_ = nullptr;
};

} // namespace

TEST(ObliczProcent, IsTheExactWholePercentageRoundedDown) {
    EXPECT_EQ(TObliczForm::TekstProcentu(53, 100), "53 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(59, 100), "59 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(29, 100), "29 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(0, 1), "0 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(1, 2), "50 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(2, 3), "66 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(479001599, 479001600), "99 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(1000, 1000), "100 % ");
    const std::uint32_t max = std::numeric_limits<std::uint32_t>::max();
    EXPECT_EQ(TObliczForm::TekstProcentu(max - 1, max), "99 % ");
    EXPECT_EQ(TObliczForm::TekstProcentu(max, max), "100 % ");
}

TEST(ObliczProcent, WithoutATotalItIsHardToSay) {
    EXPECT_EQ(TObliczForm::TekstProcentu(12345, 0), "Trudno powiedzieć!!!");
    EXPECT_EQ(TObliczForm::TekstProcentu(0, 0), "Trudno powiedzieć!!!");
}

TEST_F(Oblicz, ShowStartsTheRunWithAnEmptyLabelAndTheTimer) {
    okna.glowne.UstawMiasta(14);
    okno.ProcentLabel->setText("stary");
    okno.WstrzymajButton->setText("Wznów");
    okno.FormShow();
    EXPECT_EQ(okno.ProcentLabel->text(), "");
    EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
    EXPECT_TRUE(okno.Trwa);
    EXPECT_TRUE(okno.Timer.isActive());
    ASSERT_NE(okno.Sesja(), nullptr);
    EXPECT_EQ(okno.Sesja()->Miasta().Ilosc(), 14);
    EXPECT_FALSE(okno.Sesja()->Wstrzymana());
    okno.FormDestroy();
    EXPECT_EQ(okno.Sesja(), nullptr);
    EXPECT_FALSE(okno.Timer.isActive());
}

TEST_F(Oblicz, TwoCitiesFinishAtOnceWithZeroPercent) {
    okna.glowne.UstawMiasta(2);
    EXPECT_EQ(uruchom(MetodaSesji::Permutacje, {}), WynikModalny::OK);
    EXPECT_EQ(okno.ProcentLabel->text(), "0 % ");
    EXPECT_FALSE(okno.Trwa);
    EXPECT_FALSE(okno.Timer.isActive());
    ASSERT_TRUE(okno.Wynik().najkrotsza);
    EXPECT_EQ(okno.Wynik().najkrotsza->trasa, std::vector<int>({0, 1}));
}

TEST_F(Oblicz, RandomSearchReadsItsDrawsFromTheDialogAndCanShowAHundred) {
    okna.glowne.UstawMiasta(5);
    okna.szukaj.IleLosowanEdit->setText("2000");
    EXPECT_EQ(uruchom(MetodaSesji::Losowo, {}), WynikModalny::OK);
    EXPECT_EQ(okno.ProcentLabel->text(), "100 % ");
    // The identity route is evaluated besides the draws.
    EXPECT_EQ(okno.Wynik().trasy, "2001");
    ASSERT_TRUE(okno.Wynik().najkrotsza);
    EXPECT_TRUE(isPermutation(okno.Wynik().najkrotsza->trasa, 5));
}

TEST_F(Oblicz, FourteenCitiesShowTheShareOfRoutesCovered) {
    okna.glowne.UstawMiasta(14);
    // However soon the search ends, the tick that sees its end shows the
    // share too; a search still running is finished after the first text.
    const int wynik = uruchom(MetodaSesji::Permutacje, {[&](QWidget*) {
        ASSERT_TRUE(waitUntil([&] { return !okno.ProcentLabel->text().isEmpty(); }));
        if (okno.isVisible()) {
            helper_->next(answerBox(nullptr, QMessageBox::Yes));
            kliknijPozniej(okno.ZakonczButton);
        }
    }});
    ASSERT_TRUE(wynik == 1 || wynik == 7) << wynik;
    if (wynik == 1)
        EXPECT_EQ(okno.ProcentLabel->text(), "100 % ");
    else
        EXPECT_TRUE(QRegularExpression("^[0-9]{1,2} % $").match(okno.ProcentLabel->text()).hasMatch())
            << okno.ProcentLabel->text().toStdString();
}

TEST_F(Oblicz, TicksDuringAPauseLeaveTheWorkerParked) {
    bezKonca();
    EXPECT_EQ(uruchom(MetodaSesji::Losowo, {[&](QWidget* w) {
                                                 wstrzymaj()(w);
                                                 ASSERT_TRUE(waitUntil([&] { return okno.Sesja()->ZatrzymaneWatki() == 1; }));
                                                 const auto wylosowane = [&] {
                                                     return std::get<MigawkaLosowania>(okno.Sesja()->Migawka().metoda).wylosowane;
                                                 };
                                                 const std::int32_t wstrzymanyNa = wylosowane();
                                                 ASSERT_TRUE(nastepnyTakt());
                                                 ASSERT_TRUE(nastepnyTakt());
                                                 EXPECT_EQ(okno.Sesja()->ZatrzymaneWatki(), 1);
                                                 EXPECT_EQ(wylosowane(), wstrzymanyNa);
                                                 EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
                                                 kliknijPozniej(okno.ZakonczButton);
                                             },
                                             answerBox(nullptr, QMessageBox::Yes)}),
              WynikModalny::Przerwano);
}

TEST_F(Oblicz, SearchEndingWhileTheQuestionIsOpenAndRefusedClosesWithOneAtTheNextTick) {
    bezKonca();
    EXPECT_EQ(uruchom(MetodaSesji::Losowo, {[&](QWidget* w) {
                                                 wstrzymaj()(w);
                                                 kliknijPozniej(okno.ZakonczButton);
                                             },
                                             [&](QWidget* pytanie) {
                                                 okno.Sesja()->Zakoncz();
                                                 ASSERT_TRUE(waitUntil([&] { return !okno.Trwa; }));
                                                 answerBox(nullptr, QMessageBox::No)(pytanie);
                                             }}),
              WynikModalny::OK);
    EXPECT_TRUE(okno.Sesja()->Skonczona());
}
