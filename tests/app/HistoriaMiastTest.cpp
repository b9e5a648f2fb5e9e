// "Cofnij" and "Ponów" over every kind of change of the window's cities.

#include "app/MiastaMatrycy.h"
#include "app/MiastaOkna.h"
#include "app/PlikiMatrycy.h"
#include "grid/CMatryca.h"
#include "grid/WidokPunktow.h"
#include "search/CPunkty.h"
#include "search/ZestawMiast.h"
#include "tests/app/OknoGlowneTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TPunkt> miasta(const CMatryca& matryca) {
    CPunkty punkty;
    punkty.LoadFromCMatryca(&matryca);
    return punkty.Punkty;
}

class HistoriaMiast : public OknoGlowneTest {
protected:
    CMatryca& grid() { return *glowne.MatrycaMiast; }

    // The middle of a cell of the design grid: cells of 10 under lines of 1.
    void kliknij(int wiersz, int kolumna) {
        QTest::mouseClick(&grid(), Qt::LeftButton, {}, QPoint(kolumna * 11 + 6, wiersz * 11 + 6));
    }

    void losuj(int ilosc) {
        glowne.LosujEdit->setText(QString::number(ilosc));
        QTest::mouseClick(glowne.LosujButton, Qt::LeftButton);
    }

    void cofnij() {
        ASSERT_TRUE(glowne.Cofnij1->isEnabled());
        glowne.Cofnij1->trigger();
    }

    void ponow() {
        ASSERT_TRUE(glowne.Ponow1->isEnabled());
        glowne.Ponow1->trigger();
    }

    QString plik(const char* nazwa, const QByteArray& tresc) { return writeFile(dir.filePath(nazwa), tresc); }
};

} // namespace

TEST_F(HistoriaMiast, ClicksOnCellsAreUndoneAndRedoneInTurn) {
    QStringList menu;
    for (const QAction* polecenie : glowne.menuBar()->actions())
        menu << polecenie->text();
    EXPECT_EQ(menu, QStringList({"&Plik", "&Edycja", "&Widok", "&Ustawienia", "P&omoc"}));
    EXPECT_FALSE(glowne.Cofnij1->isEnabled());
    EXPECT_FALSE(glowne.Ponow1->isEnabled());
    kliknij(1, 2);
    kliknij(3, 4);
    kliknij(1, 2);
    EXPECT_EQ(miasta(grid()), (std::vector<TPunkt>{{4, 3}}));
    EXPECT_FALSE(glowne.Ponow1->isEnabled());

    cofnij();
    EXPECT_EQ(miasta(grid()), (std::vector<TPunkt>{{2, 1}, {4, 3}}));
    EXPECT_EQ(grid().GetPointCount(), 2);
    EXPECT_EQ(glowne.StatusPanel1->text(), "  Ilość miast na matrycy : 2");
    cofnij();
    cofnij();
    EXPECT_TRUE(miasta(grid()).empty());
    EXPECT_FALSE(glowne.Cofnij1->isEnabled());

    ponow();
    ponow();
    EXPECT_EQ(miasta(grid()), (std::vector<TPunkt>{{2, 1}, {4, 3}}));
    // A new change ends what was left to redo.
    kliknij(0, 0);
    EXPECT_FALSE(glowne.Ponow1->isEnabled());
    EXPECT_EQ(grid().GetPointCount(), 3);
}

TEST_F(HistoriaMiast, LosujAndCzyscComeBackWithTheSameCities) {
    kliknij(2, 2);
    losuj(40);
    const std::vector<TPunkt> wylosowane = miasta(grid());
    ASSERT_EQ(wylosowane.size(), 40u);
    QTest::mouseClick(glowne.CzyscMatryceButton, Qt::LeftButton);
    EXPECT_EQ(grid().GetPointCount(), 0);

    cofnij();
    EXPECT_EQ(miasta(grid()), wylosowane);
    EXPECT_EQ(grid().GetPointCount(), 40);
    cofnij();
    EXPECT_EQ(miasta(grid()), (std::vector<TPunkt>{{2, 2}}));
    ponow();
    EXPECT_EQ(miasta(grid()), wylosowane);
    ponow();
    EXPECT_TRUE(miasta(grid()).empty());
}

TEST_F(HistoriaMiast, CtrlZInTheCountFieldUndoesTheCitiesNotTheText) {
    glowne.show();
    glowne.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&glowne));
    losuj(5);
    ASSERT_EQ(grid().GetPointCount(), 5);
    glowne.LosujEdit->setFocus();
    QTest::keyClick(glowne.LosujEdit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid().GetPointCount(), 0);
    QTest::keyClick(glowne.LosujEdit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid().GetPointCount(), 5);
}

TEST_F(HistoriaMiast, UndoingAClickBringsBackTheFileOnTheGridAndItsRoute) {
    glowne.Pliki->Otworz(plik("a.tsp", "NAME : a\nEDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n"
                                       "1 0 0\n2 3 0\n3 3 4\nEOF\n"));
    const ZestawMiast* zestaw = glowne.Miasta->Plik();
    ASSERT_NE(zestaw, nullptr);
    ASSERT_FALSE(zestaw->komorki.empty());
    glowne.RysujTrase({0, 1, 2});
    const std::vector<TPunkt> zPliku = miasta(grid());

    kliknij(0, 0);
    EXPECT_EQ(glowne.Miasta->Plik(), nullptr);
    cofnij();
    EXPECT_EQ(miasta(grid()), zPliku);
    // The file's own set again, in its metric, but no route: the route goes
    // with any change of the cities.
    EXPECT_EQ(glowne.Miasta->Plik(), zestaw);
    EXPECT_EQ(glowne.Miasta->Trasa(), nullptr);
}

TEST_F(HistoriaMiast, OpeningAFileIsUndoneToTheGridAndRedoneToTheFile) {
    kliknij(1, 1);
    kliknij(2, 5);
    const std::vector<TPunkt> przed = miasta(grid());
    // An explicit table has no places: its cities stand as points.
    glowne.Pliki->Otworz(plik("b.tsp", "NAME : b\nTYPE : TSP\nDIMENSION : 3\nEDGE_WEIGHT_TYPE : EXPLICIT\n"
                                       "EDGE_WEIGHT_FORMAT : UPPER_ROW\nEDGE_WEIGHT_SECTION\n1 2\n3\nEOF\n"));
    const ZestawMiast* punkty = glowne.Miasta->Plik();
    ASSERT_NE(punkty, nullptr);
    ASSERT_TRUE(glowne.Miasta->NaPunktach());
    glowne.Pliki->Otworz(plik("c.tsp", "NAME : c\nEDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n"
                                       "1 0 0\n2 30 0\n3 30 40\n4 7 7\nEOF\n"));
    const ZestawMiast* siatka = glowne.Miasta->Plik();
    ASSERT_NE(siatka, nullptr);
    const std::vector<TPunkt> zSiatki = miasta(grid());
    const int wiersze = grid().GetRowCount();
    const int kolumny = grid().GetColumnCount();

    cofnij();
    EXPECT_EQ(glowne.Miasta->Plik(), punkty);
    EXPECT_EQ(glowne.Srodek->currentWidget(), static_cast<QWidget*>(glowne.PunktyMiast));
    EXPECT_EQ(glowne.StatusPanel1->text(), "  Ilość miast : 3");
    cofnij();
    EXPECT_EQ(glowne.Miasta->Plik(), nullptr);
    EXPECT_EQ(glowne.Srodek->currentWidget(), static_cast<QWidget*>(glowne.ScrollBox1));
    EXPECT_EQ(grid().GetRowCount(), 25);
    EXPECT_EQ(grid().GetColumnCount(), 25);
    EXPECT_EQ(miasta(grid()), przed);

    ponow();
    EXPECT_EQ(glowne.Miasta->Plik(), punkty);
    ponow();
    EXPECT_EQ(glowne.Miasta->Plik(), siatka);
    EXPECT_EQ(grid().GetRowCount(), wiersze);
    EXPECT_EQ(grid().GetColumnCount(), kolumny);
    EXPECT_EQ(miasta(grid()), zSiatki);
}

TEST_F(HistoriaMiast, ANewSizeOfTheGridIsUndoneWithItsCities) {
    losuj(30);
    const std::vector<TPunkt> przed = miasta(grid());
    ModalHelper pomocnik;
    pomocnik.next([this](QWidget*) {
        okna.UstawieniaMatrycyForm.IleWierszyEdit->setText("12");
        okna.UstawieniaMatrycyForm.IleKolumnEdit->setText("40");
        okna.UstawieniaMatrycyForm.OKButton->click();
    });
    glowne.Matrycymiast1->trigger();
    ASSERT_EQ(pomocnik.pending(), 0);
    EXPECT_EQ(grid().GetRowCount(), 12);
    EXPECT_EQ(grid().GetColumnCount(), 40);
    EXPECT_EQ(grid().GetPointCount(), 0);

    cofnij();
    EXPECT_EQ(grid().GetRowCount(), 25);
    EXPECT_EQ(grid().GetColumnCount(), 25);
    EXPECT_EQ(miasta(grid()), przed);
    EXPECT_EQ(glowne.StatusPanel0->text(), "  Wielkość matrycy miast : 25 X 25");
    ponow();
    EXPECT_EQ(grid().GetRowCount(), 12);
    EXPECT_EQ(grid().GetColumnCount(), 40);
    EXPECT_TRUE(miasta(grid()).empty());
}

TEST_F(HistoriaMiast, AtLeastAHundredChangesAreKept) {
    for (int k = 0; k < 101; ++k)
        kliknij(k / 25, k % 25);
    for (int k = 0; k < 100; ++k)
        cofnij();
    // The oldest click may have gone; the hundred after it are undone.
    EXPECT_EQ(miasta(grid()), (std::vector<TPunkt>{{0, 0}}));
}

TEST(MiastaMatrycy, AFewCitiesOfAHugeGridAreKeptAsAListAndComeBack) {
    CMatryca duza;
    duza.UstawWymiary(8192, 8192);
    duza.SetCell(0, 0, true);
    duza.SetCell(4000, 8191, true);
    duza.SetCell(8191, 17, true);
    const MiastaMatrycy zapis = MiastaMatrycy::Z(duza);
    EXPECT_LE(zapis.Bajty(), 3 * sizeof(TPunkt));

    CMatryca inna;
    zapis.Przywroc(inna);
    EXPECT_EQ(inna.GetRowCount(), 8192);
    EXPECT_EQ(inna.GetColumnCount(), 8192);
    EXPECT_EQ(inna.GetPointCount(), 3);
    EXPECT_EQ(miasta(inna), miasta(duza));
}

TEST(MiastaMatrycy, AFullGridIsKeptAsABitACell) {
    CMatryca pelna;
    pelna.UstawWymiary(100, 70);
    pelna.SetAll(true);
    pelna.SetCell(99, 69, false);
    const MiastaMatrycy zapis = MiastaMatrycy::Z(pelna);
    EXPECT_LE(zapis.Bajty(), 100 * 70 / 8 + 8);

    CMatryca inna;
    zapis.Przywroc(inna);
    EXPECT_EQ(inna.GetPointCount(), 100 * 70 - 1);
    EXPECT_FALSE(inna.GetCell(99, 69));
    EXPECT_EQ(miasta(inna), miasta(pelna));
}
