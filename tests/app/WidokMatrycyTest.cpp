#include "app/OknaProgramu.h"
#include "app/PlikiMatrycy.h"
#include "grid/CMatryca.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestHelpers.h"

#include <QAction>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class WidokTest : public ::testing::Test {
protected:
    WidokTest() {
        glowne.PlikKonfiguracji = dir.filePath("Config.cfg");
        glowne.show();
    }
    ~WidokTest() override {
        glowne.hide();
        EXPECT_TRUE(noVisibleTopLevels());
    }

    // The grid shows whole in the scroll box and fills it along one side.
    void oczekujDopasowania() const {
        const QSize pole = glowne.ScrollBox1->maximumViewportSize();
        const CMatryca& m = *glowne.MatrycaMiast;
        EXPECT_LE(m.width(), pole.width());
        EXPECT_LE(m.height(), pole.height());
        EXPECT_TRUE(m.width() >= pole.width() - 2 || m.height() >= pole.height() - 2)
            << m.width() << "x" << m.height() << " in " << pole.width() << "x" << pole.height();
        EXPECT_EQ(glowne.ScrollBox1->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(glowne.ScrollBox1->verticalScrollBar()->maximum(), 0);
    }

    QTemporaryDir dir;
    OknaProgramu okna;
    TWedrownikForm& glowne = okna.WedrownikForm;
    CMatryca& m = *glowne.MatrycaMiast;
};

} // namespace

TEST_F(WidokTest, AnOpenedInstanceIsShownWholeAndZoomsWithoutChangingASetting) {
    QStringList menu;
    for (QAction* a : glowne.menuBar()->actions())
        menu << a->text();
    EXPECT_EQ(menu, QStringList({"&Plik", "&Widok", "&Ustawienia", "P&omoc"}));

    // The extent of kroA100: 1970 x 3956 cells.
    const QString sciezka = writeFile(dir.filePath("a.tsp"), "EDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n"
                                                             "1 0 0\n2 3955 1969\n3 1200 700\nEOF\n");
    glowne.Pliki->Otworz(sciezka);
    ASSERT_EQ(m.GetRowCount(), 1970);
    ASSERT_EQ(m.GetColumnCount(), 3956);
    oczekujDopasowania();
    const double dopasowana = m.Skala();

    glowne.Powieksz1->trigger();
    glowne.Powieksz1->trigger();
    EXPECT_NEAR(m.Skala(), 2 * dopasowana, 1e-12);
    for (int k = 0; k < 4; ++k)
        glowne.Pomniejsz1->trigger();
    EXPECT_EQ(m.Skala(), dopasowana);
    glowne.RzeczywistyRozmiar1->trigger();
    EXPECT_EQ(m.Skala(), 1.0);
    EXPECT_EQ(m.width(), 3956 * 11 + 1);
    EXPECT_EQ(m.GetCellSize(), 10);
    glowne.DopasujDoOkna1->trigger();
    oczekujDopasowania();

    // A fitted view follows the window's size.
    glowne.resize(glowne.width() + 200, glowne.height() + 100);
    oczekujDopasowania();
}

TEST_F(WidokTest, CtrlWheelZoomsAboutThePointer) {
    m.SetRowCount(100);
    m.SetColumnCount(100);
    QWidget* pole = glowne.ScrollBox1->viewport();
    glowne.ScrollBox1->horizontalScrollBar()->setValue(330);
    glowne.ScrollBox1->verticalScrollBar()->setValue(330);
    const QPoint wskaznik(39, 28);  // over cell (row 32, column 33)

    const QPointF naMatrycy = m.mapFrom(pole, wskaznik);
    QWheelEvent kolko(naMatrycy, m.mapToGlobal(naMatrycy), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&m, &kolko);
    EXPECT_NEAR(m.Skala(), 2.0, 1e-12);

    QTest::mouseClick(&m, Qt::LeftButton, {}, m.mapFrom(pole, wskaznik));
    EXPECT_TRUE(m.GetCell(32, 33));
    EXPECT_EQ(m.GetPointCount(), 1);
}
