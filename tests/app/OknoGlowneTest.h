#pragma once

#include "app/OknaProgramu.h"
#include "tests/app/Kierowca.h"
#include "tests/support/ModalHelper.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

// The program's windows, the main one shown and its configuration file in
// the test's own folder; no window may stay visible after the test. A
// search runs as a user runs it: "Szukaj trasę", then its modal windows in
// turn.
class OknoGlowneTest : public ::testing::Test {
protected:
    OknoGlowneTest() {
        glowne.PlikKonfiguracji = dir.filePath("Config.cfg");
        glowne.show();
    }
    ~OknoGlowneTest() override {
        glowne.hide();
        EXPECT_TRUE(noVisibleTopLevels());
    }

    using Krok = std::pair<QWidget*, Dzialanie>;

    // The search dialog: the method chosen with a click, then "Szukaj".
    Krok wybierz(int metoda) {
        return {&okna.SzukajTraseForm, [this, metoda](QWidget*) {
                    QAbstractButton* przycisk = okna.SzukajTraseForm.SzukajGroupItems->button(metoda);
                    QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
                    okna.SzukajTraseForm.SzukajButton->click();
                }};
    }

    // A message box, answered with the button given.
    static Krok odpowiedz(SeenBox* widziane, int przycisk) { return {nullptr, answerBox(widziane, przycisk)}; }

    // Every step must have come by the time the search is over.
    void szukaj(std::initializer_list<Krok> kroki) {
        Kierowca kierowca;
        for (const auto& [okno, dzialanie] : kroki)
            kierowca.nastepnie(okno, dzialanie);
        QTest::mouseClick(glowne.SzukajEdit, Qt::LeftButton);
        EXPECT_EQ(kierowca.pozostalo(), 0u);
    }

    QTemporaryDir dir;
    OknaProgramu okna;
    TWedrownikForm& glowne = okna.WedrownikForm;
};
