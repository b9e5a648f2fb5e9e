#include "app/MiastaOkna.h"
#include "app/OknaProgramu.h"
#include "grid/CMatryca.h"
#include "tests/support/ModalHelper.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class OknoGlowneTest : public ::testing::Test {
protected:
    OknoGlowneTest() {
        okna.WedrownikForm.PlikKonfiguracji = dir.filePath("Config.cfg");
    }
    ~OknoGlowneTest() override {
        okna.WedrownikForm.hide();
        EXPECT_TRUE(noVisibleTopLevels());
    }

    TWedrownikForm& form() { return okna.WedrownikForm; }
    CMatryca& grid() { return *okna.WedrownikForm.MatrycaMiast; }

    QTemporaryDir dir;
    OknaProgramu okna;
};

} // namespace

TEST_F(OknoGlowneTest, StartsWithTheDesignGridAndABlankStatusBar) {
    form().show();
    EXPECT_EQ(form().windowTitle(), "Rozwiązywanie problemu Wedrownika");
    EXPECT_EQ(grid().GetRowCount(), 25);
    EXPECT_EQ(grid().GetColumnCount(), 25);
    EXPECT_EQ(grid().width(), 276);
    EXPECT_EQ(grid().height(), 276);
    EXPECT_EQ(grid().GetPointCount(), 0);
    EXPECT_EQ(form().StatusPanel0->text(), "");
    EXPECT_EQ(form().StatusPanel1->text(), "");
    EXPECT_EQ(form().StatusPanel0->width(), 300);
}

TEST_F(OknoGlowneTest, LosujPlacesCitiesAndTheStatusBarFollows) {
    form().show();
    form().LosujEdit->setText("10");
    QTest::mouseClick(form().LosujButton, Qt::LeftButton);
    EXPECT_EQ(grid().GetPointCount(), 10);
    EXPECT_EQ(form().StatusPanel0->text(), "  Wielkość matrycy miast : 25 X 25");
    EXPECT_EQ(form().StatusPanel1->text(), "  Ilość miast na matrycy : 10");

    QTest::mouseClick(form().CzyscMatryceButton, Qt::LeftButton);
    EXPECT_EQ(grid().GetPointCount(), 0);
    EXPECT_EQ(form().StatusPanel1->text(), "  Ilość miast na matrycy : 0");
}

TEST_F(OknoGlowneTest, LosujWithAnEmptyBoxShowsTheConversionErrorAndKeepsTheGrid) {
    form().show();
    grid().SetCell(2, 2, true);
    ModalHelper helper;
    SeenBox seen;
    helper.next(answerBox(&seen, QMessageBox::Ok));
    QTest::mouseClick(form().LosujButton, Qt::LeftButton);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "'' is not a valid integer value.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(grid().GetPointCount(), 1);
    EXPECT_TRUE(grid().GetCell(2, 2));
}

TEST_F(OknoGlowneTest, TooManyCitiesShowTheGridsError) {
    form().show();
    form().LosujEdit->setText("626");
    ModalHelper helper;
    SeenBox seen;
    helper.next(answerBox(&seen, QMessageBox::Ok));
    QTest::mouseClick(form().LosujButton, Qt::LeftButton);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Zbyt duża liczba punktów.");
    EXPECT_EQ(grid().GetPointCount(), 0);
}

TEST_F(OknoGlowneTest, SearchWithFewerThanTwoCitiesIsRefused) {
    form().show();
    for (int cities : {0, 1}) {
        if (cities == 1)
            grid().SetCell(0, 0, true);
        ModalHelper helper;
        SeenBox seen;
        helper.next(answerBox(&seen, QMessageBox::Ok));
        QTest::mouseClick(form().SzukajEdit, Qt::LeftButton);
        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.text, "Zbyt mała ilość miast!");
        EXPECT_EQ(seen.caption, "Błąd");
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(form().Szukane, nullptr);
    }
}

TEST_F(OknoGlowneTest, ClosingTheSearchDialogBuildsNothingThatStays) {
    form().show();
    grid().SetCell(0, 0, true);
    grid().SetCell(4, 3, true);
    int result = -1;
    ModalHelper helper;
    helper.next([&](QWidget* w) {
        EXPECT_EQ(w, &okna.SzukajTraseForm);
        w->close();
    });
    QObject::connect(&okna.SzukajTraseForm, &QDialog::finished, [&](int r) { result = r; });
    QTest::mouseClick(form().SzukajEdit, Qt::LeftButton);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(form().Szukane, nullptr);
    EXPECT_EQ(grid().GetBestPunkty()->Count(), 0);
}

TEST_F(OknoGlowneTest, RysujTraseDrawsTheCitiesInRouteOrder) {
    form().show();
    grid().SetCell(0, 0, true);
    grid().SetCell(0, 3, true);
    grid().SetCell(4, 0, true);
    form().RysujTrase({2, 0, 1});
    const CPunktyNowe* punkty = grid().GetBestPunkty();
    ASSERT_EQ(punkty->Count(), 3);
    EXPECT_EQ(punkty->Punkty[0], (TPunkt{0, 4}));
    EXPECT_EQ(punkty->Punkty[1], (TPunkt{0, 0}));
    EXPECT_EQ(punkty->Punkty[2], (TPunkt{3, 0}));

    // A click in a cell removes the route, and there is none to save.
    ASSERT_NE(form().Miasta->Trasa(), nullptr);
    QTest::mouseClick(&grid(), Qt::LeftButton, {}, QPoint(13 + 11, 25));
    EXPECT_EQ(grid().GetBestPunkty()->Count(), 0);
    EXPECT_EQ(form().Miasta->Trasa(), nullptr);
}

TEST_F(OknoGlowneTest, GridChangeResetsTheSummaryValues) {
    okna.PodsumowanieForm.LosowoNajkrotsza = 12.5;
    okna.PodsumowanieForm.PermutacjeNajkrotsza = 3.0;
    okna.PodsumowanieForm.GenetycznieZbieznosc.Dodaj(40.0);
    okna.PodsumowanieForm.LokalnieNajkrotsza = 9.0;
    okna.PodsumowanieForm.LokalnieCzas = 1.0;
    grid().SetCell(1, 1, true);
    EXPECT_TRUE(okna.PodsumowanieForm.GenetycznieZbieznosc.Pusta());
    EXPECT_EQ(okna.PodsumowanieForm.LosowoNajkrotsza, -1.0);
    EXPECT_EQ(okna.PodsumowanieForm.PermutacjeNajkrotsza, -1.0);
    EXPECT_EQ(okna.PodsumowanieForm.PermutacjeNajdluzsza, -1.0);
    EXPECT_EQ(okna.PodsumowanieForm.GenetycznieNajkrotsza, -1.0);
    EXPECT_EQ(okna.PodsumowanieForm.LokalnieNajkrotsza, -1.0);
    EXPECT_EQ(okna.PodsumowanieForm.LokalnieCzas, -1.0);

    // An already empty grid sends nothing, so nothing is reset.
    grid().Losuj(0);
    okna.PodsumowanieForm.LosowoNajkrotsza = 7.0;
    form().CzyscMatryceButtonClick();
    EXPECT_EQ(okna.PodsumowanieForm.LosowoNajkrotsza, 7.0);
}
