#include "app/MiastaOkna.h"
#include "grid/CMatryca.h"
#include "tests/app/OknoGlowneTest.h"
#include "tests/support/ModalHelper.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class WedrownikForm : public OknoGlowneTest {
protected:
    CMatryca& grid() { return *glowne.MatrycaMiast; }
};

} // namespace

TEST_F(WedrownikForm, StartsWithTheDesignGridAndABlankStatusBar) {
    EXPECT_EQ(glowne.windowTitle(), "Rozwiązywanie problemu Wedrownika");
    EXPECT_EQ(grid().GetRowCount(), 25);
    EXPECT_EQ(grid().GetColumnCount(), 25);
    EXPECT_EQ(grid().width(), 276);
    EXPECT_EQ(grid().height(), 276);
    EXPECT_EQ(grid().GetPointCount(), 0);
    EXPECT_EQ(glowne.StatusPanel0->text(), "");
    EXPECT_EQ(glowne.StatusPanel1->text(), "");
    EXPECT_EQ(glowne.StatusPanel0->width(), 300);
}

TEST_F(WedrownikForm, LosujPlacesCitiesAndTheStatusBarFollows) {
    glowne.LosujEdit->setText("10");
    QTest::mouseClick(glowne.LosujButton, Qt::LeftButton);
    EXPECT_EQ(grid().GetPointCount(), 10);
    EXPECT_EQ(glowne.StatusPanel0->text(), "  Wielkość matrycy miast : 25 X 25");
    EXPECT_EQ(glowne.StatusPanel1->text(), "  Ilość miast na matrycy : 10");

    QTest::mouseClick(glowne.CzyscMatryceButton, Qt::LeftButton);
    EXPECT_EQ(grid().GetPointCount(), 0);
    EXPECT_EQ(glowne.StatusPanel1->text(), "  Ilość miast na matrycy : 0");
}

TEST_F(WedrownikForm, LosujWithAnEmptyBoxShowsTheConversionErrorAndKeepsTheGrid) {
    grid().SetCell(2, 2, true);
    const SeenBox seen = boxAfter([&] { QTest::mouseClick(glowne.LosujButton, Qt::LeftButton); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "'' is not a valid integer value.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(grid().GetPointCount(), 1);
    EXPECT_TRUE(grid().GetCell(2, 2));
}

TEST_F(WedrownikForm, TooManyCitiesShowTheGridsError) {
    glowne.LosujEdit->setText("626");
    const SeenBox seen = boxAfter([&] { QTest::mouseClick(glowne.LosujButton, Qt::LeftButton); });
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Zbyt duża liczba punktów.");
    EXPECT_EQ(grid().GetPointCount(), 0);
}

TEST_F(WedrownikForm, RysujTraseDrawsTheCitiesInRouteOrder) {
    grid().SetCell(0, 0, true);
    grid().SetCell(0, 3, true);
    grid().SetCell(4, 0, true);
    glowne.RysujTrase({2, 0, 1});
    const CPunktyNowe* punkty = grid().GetBestPunkty();
    ASSERT_EQ(punkty->Count(), 3);
    EXPECT_EQ(punkty->Punkty[0], (TPunkt{0, 4}));
    EXPECT_EQ(punkty->Punkty[1], (TPunkt{0, 0}));
    EXPECT_EQ(punkty->Punkty[2], (TPunkt{3, 0}));

    // A click in a cell removes the route, and there is none to save.
    ASSERT_NE(glowne.Miasta->Trasa(), nullptr);
    QTest::mouseClick(&grid(), Qt::LeftButton, {}, QPoint(13 + 11, 25));
    EXPECT_EQ(grid().GetBestPunkty()->Count(), 0);
    EXPECT_EQ(glowne.Miasta->Trasa(), nullptr);
}

TEST_F(WedrownikForm, GridChangeResetsTheSummaryValues) {
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
    glowne.CzyscMatryceButtonClick();
    EXPECT_EQ(okna.PodsumowanieForm.LosowoNajkrotsza, 7.0);
}
