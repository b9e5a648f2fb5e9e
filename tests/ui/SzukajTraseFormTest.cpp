#include "search/sesja/SesjaSzukania.h"
#include "storage/CPamiec.h"
#include "tests/ui/OknaWyszukiwania.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SzukajTrase : public ::testing::Test {
protected:
    SzukajTrase() { okna.glowne.UstawTrojkat(); }
    ~SzukajTrase() override { EXPECT_TRUE(noVisibleTopLevels()); }

    TSzukajTraseForm& dialog = okna.szukaj;

    // Opens the dialog, chooses item and clicks "Szukaj"; the error box that
    // follows is read into blad and closed, then the dialog is checked to
    // still be open and closed by its close box. Returns the dialog's result.
    int szukajZBledem(int item, SeenBox& blad) {
        ModalHelper helper;
        bool otwartyPoBledzie = false;
        helper.next([&](QWidget*) {
            dialog.SetSzukajGroupItemIndex(item);
            kliknijPozniej(dialog.SzukajButton);
        });
        helper.next(answerBox(&blad, QMessageBox::Ok));
        helper.next([&](QWidget* okno) {
            otwartyPoBledzie = okno == &dialog && dialog.isVisible();
            zamknijPozniej(&dialog);
        });
        const int wynik = dialog.exec();
        EXPECT_TRUE(otwartyPoBledzie);
        EXPECT_EQ(helper.pending(), 0);
        return wynik;
    }

    // Opens the dialog, chooses item and clicks "Szukaj"; the search runs to
    // its end. Returns the dialog's result.
    int szukaj(int item) {
        ModalHelper helper;
        helper.next([&](QWidget*) {
            dialog.SetSzukajGroupItemIndex(item);
            kliknijPozniej(dialog.SzukajButton);
        });
        return dialog.exec();
    }

    // A click on the item's indicator, as the user chooses a method.
    void kliknijWybor(int item) {
        QAbstractButton* przycisk = dialog.SzukajGroupItems->button(item);
        QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
    }

    void nicNieUruchomiono() {
        EXPECT_EQ(okna.oblicz.Sesja(), nullptr);
        EXPECT_EQ(okna.genetyczne.Sesja(), nullptr);
    }

    OknaWyszukiwania okna;
};

QString tekstBledu(const char* tekst) {
    return QString::fromUtf8(tekst);
}

} // namespace

TEST_F(SzukajTrase, ShowsTheSettingsOfTheChosenMethodAndRemembersTheChoice) {
    std::vector<std::pair<bool, bool>> widoczne;
    auto zapisz = [&] {
        widoczne.emplace_back(dialog.UstawieniaLosoweGroup->isVisible(), dialog.UstawieniaGenetyczneGroup->isVisible());
    };
    // One helper per showing: a helper acts on a given window once.
    auto pokaz = [&](const std::function<void()>& dzialanie) {
        ModalHelper helper;
        helper.next([&](QWidget*) {
            zapisz();
            dzialanie();
            zamknijPozniej(&dialog);
        });
        return dialog.exec();
    };
    const QSize rozmiar = dialog.size();
    EXPECT_EQ(pokaz([&] {
        kliknijWybor(1);
        zapisz();
        kliknijWybor(0);
        zapisz();
        EXPECT_EQ(dialog.size(), rozmiar);
    }), 2);
    EXPECT_EQ(pokaz([&] { dialog.SetSzukajGroupItemIndex(1); }), 2);
    EXPECT_EQ(pokaz([] {}), 2);
    const std::vector<std::pair<bool, bool>> oczekiwane{
        {false, true}, {true, false}, {false, false}, {false, false}, {true, false}};
    EXPECT_EQ(widoczne, oczekiwane);
    EXPECT_EQ(dialog.SzukajGroupItemIndex(), 1);
}

TEST_F(SzukajTrase, CloseBoxAndEscapeGiveTwoAndStartNothing) {
    {
        ModalHelper helper;
        helper.next([&](QWidget*) { zamknijPozniej(&dialog); });
        EXPECT_EQ(dialog.exec(), 2);
    }
    {
        ModalHelper helper;
        helper.next([&](QWidget*) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        EXPECT_EQ(dialog.exec(), 2);
    }
    nicNieUruchomiono();
    EXPECT_TRUE(okna.glowne.narysowane.empty());
}

TEST_F(SzukajTrase, TooFewDrawsAreRefusedWithTheProgramsMessage) {
    for (const char* tekst : {"0", "-5"}) {
        dialog.IleLosowanEdit->setText(tekst);
        SeenBox blad;
        EXPECT_EQ(szukajZBledem(1, blad), 2);
        EXPECT_EQ(blad.text, tekstBledu("Zbyt mała ilość losowań.")) << tekst;
        EXPECT_EQ(blad.icon, int(QMessageBox::Critical));
    }
    nicNieUruchomiono();
}

TEST_F(SzukajTrase, TooShortASearchTimeIsRefusedWithTheProgramsMessage) {
    for (const char* tekst : {"0", "-5"}) {
        dialog.CzasSzukaniaEdit->setText(tekst);
        SeenBox blad;
        EXPECT_EQ(szukajZBledem(MetodaSzukania::Lokalnie, blad), 2);
        EXPECT_EQ(blad.text, tekstBledu("Zbyt mały czas szukania.")) << tekst;
    }
    dialog.CzasSzukaniaEdit->setText("1 s");
    SeenBox blad;
    szukajZBledem(MetodaSzukania::Lokalnie, blad);
    EXPECT_EQ(blad.text, "'1 s' is not a valid integer value.");
    EXPECT_EQ(okna.lokalne.Sesja(), nullptr);
}

TEST_F(SzukajTrase, TheProofRefusesTooShortATimeAndMoreCitiesThanItTakes) {
    dialog.CzasDowoduEdit->setText("0");
    SeenBox blad;
    EXPECT_EQ(szukajZBledem(MetodaSzukania::Dowod, blad), 2);
    EXPECT_EQ(blad.text, tekstBledu("Zbyt mały czas szukania."));

    dialog.CzasDowoduEdit->setText("10");
    dialog.IloscMiast = 3001;
    szukajZBledem(MetodaSzukania::Dowod, blad);
    EXPECT_EQ(blad.text, tekstBledu("Dowód optymalności obejmuje co najwyżej 3000 miast, nie 3001; dobrą trasę da "
                                    "przeszukiwanie lokalne."));
    EXPECT_EQ(okna.dowod.Sesja(), nullptr);
}

TEST_F(SzukajTrase, TextThatIsNoIntegerGivesTheConversionError) {
    dialog.IleLosowanEdit->setText("12a");
    SeenBox blad;
    szukajZBledem(1, blad);
    EXPECT_EQ(blad.text, "'12a' is not a valid integer value.");

    dialog.IlePokolenEdit->setText("");
    dialog.LicznoscPopulacjiEdit->setText("0");  // not examined after the failure
    szukajZBledem(2, blad);
    EXPECT_EQ(blad.text, "'' is not a valid integer value.");
    nicNieUruchomiono();
}

TEST_F(SzukajTrase, GeneticSettingsAreValidatedInOrder) {
    SeenBox blad;
    dialog.IlePokolenEdit->setText("0");
    dialog.LicznoscPopulacjiEdit->setText("0");
    szukajZBledem(2, blad);
    EXPECT_EQ(blad.text, tekstBledu("Zbyt mała liczba pokoleń."));

    dialog.IlePokolenEdit->setText("1");
    szukajZBledem(2, blad);
    EXPECT_EQ(blad.text, tekstBledu("Zbyta mała liczność populacji."));
    nicNieUruchomiono();
}

TEST_F(SzukajTrase, PermutationsValidateNothing) {
    for (QLineEdit* pole : {dialog.IleLosowanEdit, dialog.IlePokolenEdit, dialog.LicznoscPopulacjiEdit,
                            dialog.PKrzyzowaniaEdit, dialog.PMutacjiEdit})
        pole->setText("zle");
    EXPECT_EQ(szukaj(0), 1);
    ASSERT_NE(okna.oblicz.Sesja(), nullptr);
    EXPECT_EQ(okna.oblicz.Sesja()->Plan().metoda, MetodaSesji::Permutacje);
    ASSERT_TRUE(dialog.Wynik().najkrotsza);
    EXPECT_DOUBLE_EQ(dialog.Wynik().najkrotsza->dlugosc, 12.0);
    EXPECT_EQ(dialog.Wynik().najkrotsza->trasa, std::vector<int>({0, 1, 2}));
}

TEST_F(SzukajTrase, EachMethodIgnoresTheOtherMethodsSettings) {
    dialog.IlePokolenEdit->setText("x");
    dialog.LicznoscPopulacjiEdit->setText("-3");
    dialog.IleLosowanEdit->setText("1");
    EXPECT_EQ(szukaj(1), 1);
    ASSERT_NE(okna.oblicz.Sesja(), nullptr);
    EXPECT_EQ(okna.oblicz.Sesja()->Plan().metoda, MetodaSesji::Losowo);
    EXPECT_EQ(okna.oblicz.Sesja()->Ustawienia().losowania, 1);
    EXPECT_EQ(dialog.Wynik().trasy, "2");

    dialog.IlePokolenEdit->setText("3");
    dialog.LicznoscPopulacjiEdit->setText("4");
    dialog.IleLosowanEdit->setText("nie");
    EXPECT_EQ(szukaj(2), 1);
    ASSERT_NE(okna.genetyczne.Sesja(), nullptr);
    EXPECT_EQ(okna.genetyczne.Sesja()->Ustawienia().pokolenia, 3);
    EXPECT_EQ(okna.genetyczne.Sesja()->Ustawienia().populacja, 4);
}

TEST_F(SzukajTrase, SettingsTravelThroughTheMemoryBufferAsFiveTexts) {
    dialog.IleLosowanEdit->setText("5");
    dialog.IlePokolenEdit->setText("");
    dialog.LicznoscPopulacjiEdit->setText("77");
    dialog.PKrzyzowaniaEdit->setText("0,25");
    dialog.PMutacjiEdit->setText("0,1x");
    dialog.CzasSzukaniaEdit->setText("99");  // for the session only: not in the record
    CPamiec pamiec;
    dialog.ZapiszUstawienia(&pamiec);
    const QByteArray zapisane(reinterpret_cast<const char*>(pamiec.Memory()), pamiec.Position());
    EXPECT_EQ(zapisane, QByteArray("5\0\0" "77\0" "0,25\0" "0,1x\0", 16));

    OknaWyszukiwania inne;
    pamiec.SetPosition(0);
    inne.szukaj.WczytajUstawienia(&pamiec);
    EXPECT_EQ(inne.szukaj.IleLosowanEdit->text(), "5");
    EXPECT_EQ(inne.szukaj.IlePokolenEdit->text(), "");
    EXPECT_EQ(inne.szukaj.LicznoscPopulacjiEdit->text(), "77");
    EXPECT_EQ(inne.szukaj.PKrzyzowaniaEdit->text(), "0,25");
    EXPECT_EQ(inne.szukaj.PMutacjiEdit->text(), "0,1x");
    EXPECT_EQ(inne.szukaj.SzukajGroupItemIndex(), 2);
}
