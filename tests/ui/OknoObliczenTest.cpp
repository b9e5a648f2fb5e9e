// What every progress window does alike, through the frame they share:
// the pause, the question before finishing, the finish, a show whose
// settings fail to convert and a search that fails. Run on the random
// search's window; the others differ only in what they show.

#include "search/sesja/SesjaSzukania.h"
#include "tests/ui/OknaWyszukiwania.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class OknoObliczen : public ::testing::Test {
public:
    OknoObliczen() { okna.glowne.UstawMiasta(6); }
    ~OknoObliczen() override { EXPECT_TRUE(noVisibleTopLevels()); }

    // A random search far longer than any test: it ends only when asked.
    int bezKonca() { return okno.Uruchom(MetodaSesji::Losowo, "2000000000"); }
    int krotko() { return okno.Uruchom(MetodaSesji::Permutacje); }

    // Runs the window with the actions given for the modal windows that
    // follow; returns its result.
    int uruchom(int (OknoObliczen::*przebieg)(), std::initializer_list<ModalHelper::Action> dzialania) {
        ModalHelper helper;
        for (const auto& dzialanie : dzialania)
            helper.next(dzialanie);
        const int wynik = (this->*przebieg)();
        EXPECT_EQ(helper.pending(), 0);
        return wynik;
    }

    // Once the window shows the search's progress, pauses the search, waits
    // until it stands still and asks to finish.
    ModalHelper::Action wstrzymajIZakoncz() {
        return [this](QWidget*) {
            ASSERT_TRUE(waitUntil([&] { return !okno.ProcentLabel->text().isEmpty(); }));
            okno.WstrzymajButton->click();
            EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
            EXPECT_TRUE(okno.Sesja()->Wstrzymana());
            ASSERT_TRUE(waitUntil([&] { return okno.Sesja()->ZatrzymaneWatki() == 1; }));
            kliknijPozniej(okno.ZakonczButton);
        };
    }

    OknaWyszukiwania okna;
    TObliczForm& okno = okna.oblicz;
};

} // namespace

TEST_F(OknoObliczen, RefusingKeepsThePauseAndConfirmingFinishesWithSeven) {
    SeenBox pytanie;
    QString wstrzymane;
    EXPECT_EQ(uruchom(&OknoObliczen::bezKonca,
                      {wstrzymajIZakoncz(), answerBox(&pytanie, QMessageBox::No),
                       [&](QWidget* w) {
                           EXPECT_EQ(w, &okno);
                           EXPECT_TRUE(okno.Trwa);
                           EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
                           // Still parked: nothing the window did meanwhile resumed it.
                           EXPECT_TRUE(okno.Sesja()->Wstrzymana());
                           EXPECT_EQ(okno.Sesja()->ZatrzymaneWatki(), 1);
                           wstrzymane = okno.ProcentLabel->text();
                           kliknijPozniej(okno.ZakonczButton);
                       },
                       answerBox(nullptr, QMessageBox::Yes)}),
              WynikModalny::Przerwano);
    EXPECT_EQ(pytanie.caption, "Pytanie");
    EXPECT_EQ(pytanie.text, "Czy na pewno chcesz zakończyć obliczanie?");
    EXPECT_EQ(pytanie.icon, int(QMessageBox::Question));
    EXPECT_TRUE(okno.Sesja()->Skonczona());
    EXPECT_FALSE(okno.Trwa);
    EXPECT_EQ(okno.ProcentLabel->text(), wstrzymane);
    EXPECT_TRUE(okna.glowne.narysowane.empty());

    // The next run starts unpaused and runs to its end.
    EXPECT_EQ(uruchom(&OknoObliczen::krotko, {}), WynikModalny::OK);
    EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
    ASSERT_TRUE(okno.Wynik().najkrotsza);
    EXPECT_TRUE(isPermutation(okno.Wynik().najkrotsza->trasa, 6));
}

TEST_F(OknoObliczen, CloseBoxAndEscapeAskTooAndCannotBypassTheQuestion) {
    SeenBox przyZamknieciu, przyEscape;
    EXPECT_EQ(uruchom(&OknoObliczen::bezKonca,
                      {[&](QWidget*) { zamknijPozniej(&okno); }, answerBox(&przyZamknieciu, QMessageBox::No),
                       [&](QWidget*) {
                           EXPECT_TRUE(okno.isVisible());
                           QMetaObject::invokeMethod(
                               &okno, [&] { QTest::keyClick(&okno, Qt::Key_Escape); }, Qt::QueuedConnection);
                       },
                       answerBox(&przyEscape, QMessageBox::No),
                       [&](QWidget*) {
                           EXPECT_TRUE(okno.isVisible());
                           EXPECT_TRUE(okno.Trwa);
                           kliknijPozniej(okno.ZakonczButton);
                       },
                       answerBox(nullptr, QMessageBox::Yes)}),
              WynikModalny::Przerwano);
    EXPECT_EQ(przyZamknieciu.text, "Czy na pewno chcesz zakończyć obliczanie?");
    EXPECT_EQ(przyEscape.text, "Czy na pewno chcesz zakończyć obliczanie?");
}

TEST_F(OknoObliczen, TheQuestionAnswersTakAndNieWhateverTheSystemsLanguage) {
    QStringList przyciski;
    EXPECT_EQ(uruchom(&OknoObliczen::bezKonca,
                      {[&](QWidget*) { kliknijPozniej(okno.ZakonczButton); },
                       [&](QWidget* w) {
                           for (QAbstractButton* b : static_cast<QMessageBox*>(w)->buttons())
                               przyciski << b->text();
                           answerBox(nullptr, QMessageBox::Yes)(w);
                       }}),
              WynikModalny::Przerwano);
    przyciski.sort();
    EXPECT_EQ(przyciski, QStringList({"&Nie", "&Tak"}));
}

TEST_F(OknoObliczen, SearchEndingWhileTheQuestionIsOpenStillClosesWithSevenOnYes) {
    EXPECT_EQ(uruchom(&OknoObliczen::bezKonca, {wstrzymajIZakoncz(),
                                                [&](QWidget* pytanie) {
                                                    okno.Sesja()->Zakoncz();
                                                    // The window takes the search's end as the end of the search.
                                                    ASSERT_TRUE(waitUntil([&] { return !okno.Trwa; }));
                                                    EXPECT_TRUE(okno.isVisible());
                                                    answerBox(nullptr, QMessageBox::Yes)(pytanie);
                                                }}),
              WynikModalny::Przerwano);
    EXPECT_TRUE(okno.Sesja()->Skonczona());
}

TEST_F(OknoObliczen, SettingsThatFailToConvertOpenTheWindowWithoutASearch) {
    // A finished run before it: its session is dropped, not resumed.
    ASSERT_EQ(uruchom(&OknoObliczen::krotko, {}), WynikModalny::OK);
    SeenBox blad;
    QString widoczne = "?";
    ModalHelper helper;
    helper.next(answerBox(&blad, QMessageBox::Ok));
    helper.next([&](QWidget* w) {
        EXPECT_EQ(w, &okno);
        widoczne = okno.ProcentLabel->text();
        // Pausing a search that does not run does nothing.
        okno.WstrzymajButton->click();
        EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
        kliknijPozniej(okno.ZakonczButton);
    });
    EXPECT_EQ(okno.Uruchom(MetodaSesji::Losowo, "abc"), WynikModalny::Anuluj);
    EXPECT_EQ(helper.pending(), 0);
    EXPECT_EQ(blad.text, "'abc' is not a valid integer value.");
    EXPECT_EQ(blad.icon, int(QMessageBox::Critical));
    EXPECT_EQ(widoczne, "");
    EXPECT_EQ(okno.Sesja(), nullptr);
    EXPECT_FALSE(okno.Trwa);
    EXPECT_FALSE(okno.Wynik().najkrotsza);
    EXPECT_TRUE(okna.glowne.narysowane.empty());
}

TEST_F(OknoObliczen, AFailedSearchShowsItsErrorAndClosesAsAFinishedOneWithNothingDrawn) {
    // No cities: the local search fails as it starts.
    okna.glowne.UstawZestaw(ZestawMiast::ZKomorek({}));
    ModalHelper helper;
    SeenBox blad;
    // The error may come before or after the window is first seen.
    helper.next([&](QWidget* w) {
        if (qobject_cast<QMessageBox*>(w))
            answerBox(&blad, QMessageBox::Ok)(w);
        else
            helper.next(answerBox(&blad, QMessageBox::Ok));
    });
    TObliczLokalnieForm& lokalne = okna.lokalne;
    EXPECT_EQ(lokalne.Uruchom(5), WynikModalny::Przerwano);
    EXPECT_EQ(helper.pending(), 0);
    EXPECT_EQ(blad.text, "Brak miast do przeszukania.");
    EXPECT_EQ(blad.icon, int(QMessageBox::Critical));
    EXPECT_EQ(blad.caption, QCoreApplication::applicationName());
    EXPECT_FALSE(lokalne.Trwa);
    EXPECT_TRUE(lokalne.Sesja()->Skonczona());
    EXPECT_TRUE(okna.glowne.narysowane.empty());

    // The next run, with cities, runs to its end.
    okna.glowne.UstawMiasta(6);
    EXPECT_EQ(lokalne.Uruchom(1), WynikModalny::OK);
    EXPECT_TRUE(lokalne.Wynik().najkrotsza);
}
