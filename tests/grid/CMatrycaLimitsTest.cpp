#include "tests/grid/SiatkaTestowa.h"

#include "storage/CPamiec.h"
#include "tests/support/ModalHelper.h"
#include "toolkit/gui/Handler.h"
#include "tests/support/TestHelpers.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <climits>

#include <gtest/gtest.h>

namespace {

CPamiec ustawienia(int cellSize, int gridWidth, int rows, int columns) {
    CPamiec pamiec;
    pamiec.WriteInt(Bialy);
    pamiec.WriteInt(Czarny);
    pamiec.WriteInt(Srebrny);
    pamiec.WriteInt(Zielony);
    pamiec.WriteInt(cellSize);
    pamiec.WriteInt(gridWidth);
    pamiec.WriteInt(2);
    pamiec.WriteInt(rows);
    pamiec.WriteInt(columns);
    pamiec.SetPosition(0);
    return pamiec;
}

} // namespace

TEST(CMatrycaLimits, TwoThousandSquaredGridWorks) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetRowCount(2000);
    siatka->SetColumnCount(2000);
    EXPECT_EQ(siatka->size(), QSize(22001, 22001));
    siatka->Losuj(1000);
    EXPECT_EQ(siatka->GetPointCount(), 1000);
    siatka->SetAll(true);
    EXPECT_EQ(siatka->GetPointCount(), 4000000);
    EXPECT_TRUE(siatka->GetCell(1999, 1999));
}

TEST(CMatrycaLimits, HugeTableIsRefusedAndTheOldOneKept) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetRowCount(100000);
    ASSERT_EQ(siatka->GetRowCount(), 100000);
    siatka->SetCell(99999, 24, true);
    ustawTrase(*siatka, {{24, 99999}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);

    EXPECT_EQ(errorMessage([&] { siatka->SetColumnCount(100000); }), "Zbyt duża matryca miast: 100000 X 100000");
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(siatka->GetRowCount(), 100000);
    EXPECT_EQ(siatka->GetColumnCount(), 25);
    EXPECT_TRUE(siatka->GetCell(99999, 24));
    EXPECT_EQ(siatka->GetPointCount(), 1);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 1);
    EXPECT_EQ(siatka->width(), 276);

    // The table still works in full.
    siatka->SetCell(0, 0, true);
    EXPECT_EQ(siatka->GetPointCount(), 2);
    siatka->SetAll(true);
    EXPECT_EQ(siatka->GetPointCount(), 2500000);
}

TEST(CMatrycaLimits, RefusalOfRowsNamesTheRequestedSize) {
    auto siatka = siatkaOknaGlownego();
    EXPECT_EQ(errorMessage([&] { siatka->SetRowCount(INT_MAX); }),
              QStringLiteral("Zbyt duża matryca miast: %1 X 25").arg(INT_MAX));
    EXPECT_EQ(siatka->GetRowCount(), 25);
    EXPECT_EQ(siatka->size(), QSize(276, 276));
}

TEST(CMatrycaLimits, RefusalReachesTheStandardErrorBox) {
    auto siatka = siatkaOknaGlownego();
    QPushButton przycisk("x");
    QObject::connect(&przycisk, &QPushButton::clicked, handler([&] { siatka->SetColumnCount(300000000); }));
    const SeenBox widziane = boxAfter([&] { QTest::mouseClick(&przycisk, Qt::LeftButton); });
    ASSERT_TRUE(widziane.seen);
    EXPECT_EQ(widziane.text, "Zbyt duża matryca miast: 25 X 300000000.");
    EXPECT_EQ(widziane.icon, QMessageBox::Critical);
    EXPECT_EQ(siatka->GetColumnCount(), 25);
    EXPECT_TRUE(noVisibleTopLevels());
}

TEST(CMatrycaLimits, HugeCountsFromSettingsKeepAConsistentGrid) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(1, 1, true);
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    CPamiec pamiec = ustawienia(20, 1, 1 << 30, 1 << 30);
    EXPECT_EQ(errorMessage([&] { siatka->LoadFromCPamiec(&pamiec); }),
              QStringLiteral("Zbyt duża matryca miast: %1 X 25").arg(1 << 30));
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(siatka->GetRowCount(), 25);
    EXPECT_EQ(siatka->GetColumnCount(), 25);
    EXPECT_TRUE(siatka->GetCell(1, 1));
    // The new cell size is applied and the control sized for it.
    EXPECT_EQ(siatka->GetCellSize(), 20);
    EXPECT_EQ(siatka->size(), QSize(526, 526));
}

TEST(CMatrycaLimits, AcceptedRowsAndRefusedColumnsFromSettings) {
    auto siatka = siatkaOknaGlownego();
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    CPamiec pamiec = ustawienia(10, 1, 100000, 100000);
    EXPECT_EQ(errorMessage([&] { siatka->LoadFromCPamiec(&pamiec); }), "Zbyt duża matryca miast: 100000 X 100000");
    EXPECT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(siatka->GetRowCount(), 100000);
    EXPECT_EQ(siatka->GetColumnCount(), 25);
    EXPECT_EQ(siatka->size(), QSize(276, 1100001));
}

TEST(CMatrycaLimits, PixelSizeIsClampedToTheLargestWidget) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetRowCount(2000);
    siatka->SetColumnCount(2000);
    siatka->SetCellSize(100000);
    EXPECT_EQ(siatka->size(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    siatka->SetCellSize(INT_MAX);
    siatka->SetGridWidth(INT_MAX);
    EXPECT_EQ(siatka->size(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST(CMatrycaLimits, NegativePixelSizeIsClampedToZero) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCellSize(-10);
    EXPECT_EQ(siatka->size(), QSize(0, 0));
    siatka->SetCellSize(INT_MIN);
    siatka->SetGridWidth(INT_MIN);
    EXPECT_EQ(siatka->size(), QSize(0, 0));
}

TEST(CMatrycaLimits, ExtremeSizesPaintAndTakePressesWithoutHarm) {
    const int rozmiary[] = {INT_MIN, -100, -11, -10, -3, -1, 0, 1, 2, 3, 10, 90, 100000, INT_MAX};
    for (int cellSize : rozmiary) {
        for (int gridWidth : rozmiary) {
            CMatryca siatka;
            siatka.SetColumnCount(3);
            siatka.SetRowCount(4);
            siatka.SetCellSize(cellSize);
            siatka.SetGridWidth(gridWidth);
            siatka.SetBestRouteWidth(gridWidth);
            siatka.SetAll(true);
            ustawTrase(siatka, {{0, 0}, {2, 3}, {1, 1}, {-5, -7}});
            QImage wynik(64, 64, QImage::Format_RGB32);
            QPainter painter(&wynik);
            siatka.PaintTo(painter, wynik.rect());
            painter.end();
            for (int xy : {INT_MIN, -13, -1, 0, 5, 13, 40, INT_MAX}) {
                siatka.MouseDown(Qt::LeftButton, {}, xy, xy);
                siatka.MouseDown(Qt::LeftButton, {}, 5, xy);
            }
            EXPECT_GE(siatka.GetPointCount(), 0);
            EXPECT_LE(siatka.GetPointCount(), 12);
        }
    }
}
