// What both progress windows do alike: the pause, the question before
// finishing, the finish and a show whose settings fail to convert.

#include "tests/ui/OknaWyszukiwania.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <class Okno>
struct Metoda;

template <>
struct Metoda<TObliczForm> {
    static TObliczForm& okno(OknaWyszukiwania& o) { return o.oblicz; }
    static HoldableThread* watek(OknaWyszukiwania& o) { return o.oblicz.Watek.get(); }
    // A random search far longer than any test: it ends only when asked.
    static int bezKonca(OknaWyszukiwania& o) { return o.oblicz.Uruchom(TrybObliczen::Losowo, "2000000000"); }
    static int krotko(OknaWyszukiwania& o) { return o.oblicz.Uruchom(TrybObliczen::Permutacje); }
    static int zBledem(OknaWyszukiwania& o) { return o.oblicz.Uruchom(TrybObliczen::Losowo, "abc"); }
    static constexpr const char* blad = "'abc' is not a valid integer value.";
    static QStringList wartosci(OknaWyszukiwania& o) { return {o.oblicz.ProcentLabel->text()}; }
    // The body set its end flag, however it was ended.
    static bool cialoSkonczone(OknaWyszukiwania& o) { return o.oblicz.Watek->Zakonczony.load(); }
    static bool pokazujeWstrzymanie(OknaWyszukiwania&) { return true; }
};

template <>
struct Metoda<TObliczGenetycznieForm> {
    static TObliczGenetycznieForm& okno(OknaWyszukiwania& o) { return o.genetyczne; }
    static HoldableThread* watek(OknaWyszukiwania& o) { return o.genetyczne.Genetyk.get(); }
    static int bezKonca(OknaWyszukiwania& o) { return o.genetyczne.Uruchom({"2000000000", "4", "0,3", "0,1"}); }
    static int krotko(OknaWyszukiwania& o) { return o.genetyczne.Uruchom({"5", "4", "0,3", "0,1"}); }
    static int zBledem(OknaWyszukiwania& o) { return o.genetyczne.Uruchom({"5", "4", "0,3", "abc"}); }
    static constexpr const char* blad = "'abc' is not a valid floating point value.";
    static QStringList wartosci(OknaWyszukiwania& o) {
        const TObliczGenetycznieForm& g = o.genetyczne;
        return {g.IlePokolenLabel->text(), g.NrPokoleniaLabel->text(), g.NajkrotszaDrogaLabel->text()};
    }
    static bool cialoSkonczone(OknaWyszukiwania& o) { return o.genetyczne.Genetyk->hasEnded(); }
    // The window shows the state the search stopped at, which comes on its
    // next tick after the pause.
    static bool pokazujeWstrzymanie(OknaWyszukiwania& o) { return o.genetyczne.Genetyk->OdebranyStan().Wstrzymany; }
};

template <class Okno>
class OknoObliczen : public ::testing::Test {
protected:
    using M = Metoda<Okno>;

    OknoObliczen() { okna.glowne.UstawMiasta(6); }
    ~OknoObliczen() override { EXPECT_TRUE(noVisibleTopLevels()); }

    // Runs the window with the actions given for the modal windows that
    // follow; returns its result.
    int uruchom(int (*przebieg)(OknaWyszukiwania&), std::initializer_list<ModalHelper::Action> dzialania) {
        ModalHelper helper;
        for (const auto& dzialanie : dzialania)
            helper.next(dzialanie);
        const int wynik = przebieg(okna);
        EXPECT_EQ(helper.pending(), 0);
        return wynik;
    }

    // Once the window shows the search's progress, pauses the search, waits
    // until its worker stands still and asks to finish.
    ModalHelper::Action wstrzymajIZakoncz() {
        return [this](QWidget*) {
            ASSERT_TRUE(waitUntil([&] { return !M::wartosci(okna).contains(QString()); }));
            okno.WstrzymajButton->click();
            EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
            EXPECT_TRUE(M::watek(okna)->isHeld());
            ASSERT_TRUE(waitUntil([&] { return M::watek(okna)->parkedThreads() == 1; }));
            ASSERT_TRUE(waitUntil([&] { return M::pokazujeWstrzymanie(okna); }));
            kliknijPozniej(okno.ZakonczButton);
        };
    }

    OknaWyszukiwania okna;
    TOknoObliczen& okno = M::okno(okna);
};

using Okna = ::testing::Types<TObliczForm, TObliczGenetycznieForm>;
TYPED_TEST_SUITE(OknoObliczen, Okna);

} // namespace

TYPED_TEST(OknoObliczen, RefusingKeepsThePauseAndConfirmingFinishesWithSeven) {
    using M = Metoda<TypeParam>;
    auto& okna = this->okna;
    TOknoObliczen& okno = this->okno;
    SeenBox pytanie;
    QStringList wstrzymane;
    EXPECT_EQ(this->uruchom(M::bezKonca,
                            {this->wstrzymajIZakoncz(), answerBox(&pytanie, QMessageBox::No),
                             [&](QWidget* w) {
                                 EXPECT_EQ(w, &okno);
                                 EXPECT_TRUE(okno.Trwa);
                                 EXPECT_EQ(okno.WstrzymajButton->text(), "Wznów");
                                 // Still parked: nothing the window did meanwhile resumed it.
                                 EXPECT_TRUE(M::watek(okna)->isHeld());
                                 EXPECT_EQ(M::watek(okna)->parkedThreads(), 1);
                                 wstrzymane = M::wartosci(okna);
                                 kliknijPozniej(okno.ZakonczButton);
                             },
                             answerBox(nullptr, QMessageBox::Yes)}),
              WynikModalny::Przerwano);
    EXPECT_EQ(pytanie.caption, "Pytanie");
    EXPECT_EQ(pytanie.text, "Czy na pewno chcesz zakończyć obliczanie?");
    EXPECT_EQ(pytanie.icon, int(QMessageBox::Question));
    EXPECT_TRUE(M::watek(okna)->hasEnded());
    EXPECT_TRUE(M::cialoSkonczone(okna));
    EXPECT_FALSE(okno.Trwa);
    EXPECT_EQ(M::wartosci(okna), wstrzymane);
    EXPECT_TRUE(okna.glowne.narysowane.empty());

    // The next run starts unpaused and runs to its end.
    EXPECT_EQ(this->uruchom(M::krotko, {}), WynikModalny::OK);
    EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
    EXPECT_TRUE(isPermutation(okno.Wynik().Trasa, 6));
}

TYPED_TEST(OknoObliczen, CloseBoxAndEscapeAskTooAndCannotBypassTheQuestion) {
    using M = Metoda<TypeParam>;
    TOknoObliczen& okno = this->okno;
    SeenBox przyZamknieciu, przyEscape;
    EXPECT_EQ(this->uruchom(M::bezKonca,
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

TYPED_TEST(OknoObliczen, SearchEndingWhileTheQuestionIsOpenStillClosesWithSevenOnYes) {
    using M = Metoda<TypeParam>;
    auto& okna = this->okna;
    TOknoObliczen& okno = this->okno;
    EXPECT_EQ(this->uruchom(M::bezKonca, {this->wstrzymajIZakoncz(),
                                          [&](QWidget* pytanie) {
                                              M::watek(okna)->requestFinish();
                                              // The window takes the worker's end as the end of the search.
                                              ASSERT_TRUE(waitUntil([&] { return !okno.Trwa; }));
                                              EXPECT_TRUE(okno.isVisible());
                                              answerBox(nullptr, QMessageBox::Yes)(pytanie);
                                          }}),
              WynikModalny::Przerwano);
    EXPECT_TRUE(M::watek(okna)->hasEnded());
}

TYPED_TEST(OknoObliczen, SettingsThatFailToConvertOpenTheWindowWithoutASearch) {
    using M = Metoda<TypeParam>;
    auto& okna = this->okna;
    TOknoObliczen& okno = this->okno;
    // A finished run before it: its worker is dropped, not resumed.
    ASSERT_EQ(this->uruchom(M::krotko, {}), WynikModalny::OK);
    SeenBox blad;
    QStringList widoczne;
    EXPECT_EQ(this->uruchom(M::zBledem, {answerBox(&blad, QMessageBox::Ok),
                                         [&](QWidget* w) {
                                             EXPECT_EQ(w, &okno);
                                             widoczne = M::wartosci(okna);
                                             // Pausing a search that does not run does nothing.
                                             okno.WstrzymajButton->click();
                                             EXPECT_EQ(okno.WstrzymajButton->text(), "Wstrzymaj");
                                             kliknijPozniej(okno.ZakonczButton);
                                         }}),
              WynikModalny::Anuluj);
    EXPECT_EQ(blad.text, M::blad);
    EXPECT_EQ(blad.icon, int(QMessageBox::Critical));
    for (const QString& wartosc : widoczne)
        EXPECT_EQ(wartosc, "");
    EXPECT_EQ(M::watek(okna), nullptr);
    EXPECT_FALSE(okno.Trwa);
    EXPECT_TRUE(okno.Wynik().Trasa.empty());
    EXPECT_TRUE(okna.glowne.narysowane.empty());
}

TYPED_TEST(OknoObliczen, AFailedSearchShowsItsErrorAndClosesAsAFinishedOneWithNothingDrawn) {
    using M = Metoda<TypeParam>;
    auto& okna = this->okna;
    TOknoObliczen& okno = this->okno;
    // A table of two cities for six: the worker fails as it starts.
    okna.glowne.odleglosci = std::make_unique<TablicaOdleglosci>(2);
    ModalHelper helper;
    SeenBox blad;
    // The error may come before or after the window is first seen.
    helper.next([&](QWidget* w) {
        if (qobject_cast<QMessageBox*>(w))
            answerBox(&blad, QMessageBox::Ok)(w);
        else
            helper.next(answerBox(&blad, QMessageBox::Ok));
    });
    EXPECT_EQ(M::krotko(okna), WynikModalny::Przerwano);
    EXPECT_EQ(helper.pending(), 0);
    EXPECT_EQ(blad.text, "Brak odległości między miastami.");
    EXPECT_EQ(blad.icon, int(QMessageBox::Critical));
    EXPECT_EQ(blad.caption, QCoreApplication::applicationName());
    EXPECT_FALSE(okno.Trwa);
    EXPECT_TRUE(M::watek(okna)->hasEnded());
    EXPECT_TRUE(okna.glowne.narysowane.empty());

    // The next run, with its table, runs to its end.
    okna.glowne.UstawMiasta(6);
    EXPECT_EQ(this->uruchom(M::krotko, {}), WynikModalny::OK);
}
