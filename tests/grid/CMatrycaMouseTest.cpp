#include "tests/grid/SiatkaTestowa.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

void nacisnij(CMatryca& siatka, QPoint gdzie, Qt::MouseButton przycisk = Qt::LeftButton,
              Qt::KeyboardModifiers klawisze = {}) {
    QTest::mousePress(&siatka, przycisk, klawisze, gdzie);
    QTest::mouseRelease(&siatka, przycisk, klawisze, gdzie);
}

} // namespace

TEST(CMatrycaMouse, PressOnALineOrTheFirstInteriorPixelDoesNothingAndInsideACellMakesItACity) {
    auto siatka = siatkaOknaGlownego();
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    for (const QPoint gdzie : {QPoint(12, 25), QPoint(22, 25), QPoint(13, 22), QPoint(13, 23)})
        nacisnij(*siatka, gdzie);
    EXPECT_EQ(zmiany.ile(), 0);
    EXPECT_EQ(siatka->GetPointCount(), 0);

    nacisnij(*siatka, QPoint(13, 25));
    EXPECT_TRUE(siatka->GetCell(2, 1));
    EXPECT_EQ(siatka->GetPointCount(), 1);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].miasta, 1);
}

TEST(CMatrycaMouse, OffsetsTwoToTenOfEachPitchCount) {
    auto siatka = siatkaOknaGlownego();
    for (int offset = 0; offset < 11; ++offset) {
        siatka->SetAll(false);
        siatka->MouseDown(Qt::LeftButton, {}, 44 + offset, 44 + offset);
        EXPECT_EQ(siatka->GetCell(4, 4), offset >= 2) << offset;
    }
}

TEST(CMatrycaMouse, PressOnACityEmptiesItAndLowersTheCount) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(2, 1, true);
    siatka->SetCell(5, 5, true);
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    nacisnij(*siatka, QPoint(15, 27));
    EXPECT_FALSE(siatka->GetCell(2, 1));
    EXPECT_EQ(siatka->GetPointCount(), 1);
    EXPECT_EQ(zmiany.ile(), 1);
    const QImage img = obraz(*siatka);
    EXPECT_EQ(img.pixel(17, 28), rgb(Bialy));
}

TEST(CMatrycaMouse, AnyButtonAndModifierTogglesAlike) {
    auto siatka = siatkaOknaGlownego();
    nacisnij(*siatka, QPoint(13, 25), Qt::RightButton);
    EXPECT_TRUE(siatka->GetCell(2, 1));
    nacisnij(*siatka, QPoint(13, 25), Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FALSE(siatka->GetCell(2, 1));
    nacisnij(*siatka, QPoint(13, 25), Qt::RightButton, Qt::AltModifier);
    EXPECT_TRUE(siatka->GetCell(2, 1));
    EXPECT_EQ(siatka->GetPointCount(), 1);
}

TEST(CMatrycaMouse, ReleaseMoveAndPressBeyondTheLastCellDoNothing) {
    auto siatka = siatkaOknaGlownego();
    QTest::mouseRelease(siatka.get(), Qt::LeftButton, {}, QPoint(13, 25));
    QTest::mouseMove(siatka.get(), QPoint(30, 30));
    siatka->MouseDown(Qt::LeftButton, {}, 280, 13);
    siatka->MouseDown(Qt::LeftButton, {}, 13, 290);
    EXPECT_EQ(siatka->GetPointCount(), 0);
}

TEST(CMatrycaMouse, PressWithARouteOnALineLeavesItAndInACellClearsItTogglesAndRepaints) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(0, 0, true);
    siatka->SetCell(0, 10, true);
    ustawTrase(*siatka, {{0, 0}, {10, 0}});
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    nacisnij(*siatka, QPoint(22, 25));
    nacisnij(*siatka, QPoint(12, 25));
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 2);
    EXPECT_EQ(siatka->GetPointCount(), 2);
    EXPECT_EQ(zmiany.ile(), 0);

    nacisnij(*siatka, QPoint(13, 25));
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 0);
    EXPECT_TRUE(siatka->GetCell(2, 1));
    EXPECT_EQ(siatka->GetPointCount(), 3);
    ASSERT_EQ(zmiany.ile(), 1);
    EXPECT_EQ(zmiany.widziane[0].miasta, 3);
    EXPECT_EQ(zmiany.widziane[0].punktyTrasy, 0);
    const QImage img = obraz(*siatka);
    for (int x = 0; x < 276; ++x)
        EXPECT_NE(img.pixel(x, 6), rgb(Zielony)) << x;

    // The same path takes a city away.
    ustawTrase(*siatka, {{0, 0}, {10, 0}});
    nacisnij(*siatka, QPoint(5, 5));
    EXPECT_FALSE(siatka->GetCell(0, 0));
    EXPECT_EQ(siatka->GetPointCount(), 2);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 0);
}

TEST(CMatrycaMouse, NoPitchMeansEveryPressIsIgnored) {
    auto siatka = siatkaOknaGlownego();
    for (const auto& [komorka, linia] : {std::pair{0, 0}, {-4, 0}, {0, 1}}) {
        siatka->SetCellSize(komorka);
        siatka->SetGridWidth(linia);
        for (int xy : {0, 1, 5, 100})
            siatka->MouseDown(Qt::LeftButton, {}, xy, xy);
    }
    EXPECT_EQ(siatka->GetPointCount(), 0);
}

TEST(CMatrycaMouse, NegativeIndexesFromNegativeWidthsAreOutsideTheGrid) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCellSize(20);
    siatka->SetGridWidth(-10);
    ustawTrase(*siatka, {{0, 0}});
    siatka->MouseDown(Qt::LeftButton, {}, -13, 5);
    siatka->MouseDown(Qt::LeftButton, {}, 5, -13);
    EXPECT_EQ(siatka->GetPointCount(), 0);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 1);
}

TEST(CMatrycaMouse, WithACellClickHandlerTheCellIsReportedAndLeftAsItWas) {
    auto siatka = siatkaOknaGlownego();
    Zmiany zmiany;
    zmiany.podlacz(*siatka);
    std::vector<QPoint> klikniete;
    siatka->OnCellClick = [&](int row, int column) { klikniete.emplace_back(column, row); };
    nacisnij(*siatka, QPoint(12, 25));
    nacisnij(*siatka, QPoint(13, 25));
    EXPECT_EQ(klikniete, (std::vector<QPoint>{QPoint(1, 2)}));
    EXPECT_FALSE(siatka->GetCell(2, 1));
    EXPECT_EQ(zmiany.ile(), 0);
}
