#include "tests/grid/SiatkaTestowa.h"

#include "storage/CPamiec.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

void nacisnij(CMatryca& siatka, QPoint gdzie) {
    QTest::mousePress(&siatka, Qt::LeftButton, {}, gdzie);
    QTest::mouseRelease(&siatka, Qt::LeftButton, {}, gdzie);
}

QByteArray ustawienia(const CMatryca& siatka) {
    CPamiec pamiec;
    siatka.SaveToCPamiec(&pamiec);
    return QByteArray(reinterpret_cast<const char*>(pamiec.Memory()), pamiec.Size());
}

int ile(const QImage& img, QRgb kolor, QRect r = QRect()) {
    if (r.isNull())
        r = img.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.pixel(x, y) == kolor ? 1 : 0;
    return n;
}

} // namespace

TEST(CMatrycaSkala, APressTogglesTheCellUnderTheMouseAtAnyScale) {
    auto siatka = siatkaOknaGlownego();
    const QByteArray przed = ustawienia(*siatka);

    // Twice the size: column 3's interior spans pixels 68..87 and the line
    // after it 88..89, so its middle counts and its line does not.
    siatka->UstawSkale(2.0);
    EXPECT_EQ(siatka->size(), QSize(551, 551));
    nacisnij(*siatka, QPoint(2 * 39, 2 * 28));
    EXPECT_TRUE(siatka->GetCell(2, 3));
    nacisnij(*siatka, QPoint(2 * 44, 2 * 28));
    EXPECT_EQ(siatka->GetPointCount(), 1);

    // A quarter: no lines are drawn, and every pixel of a cell's share takes
    // it, the one over its line as well.
    siatka->UstawSkale(0.25);
    EXPECT_EQ(siatka->size(), QSize(69, 69));
    nacisnij(*siatka, QPoint(5, 2));  // grid pixel 22, the line left of column 2
    EXPECT_TRUE(siatka->GetCell(0, 2));
    nacisnij(*siatka, QPoint(68, 68));
    EXPECT_TRUE(siatka->GetCell(24, 24));
    EXPECT_EQ(siatka->GetPointCount(), 3);

    // The view's scale is no setting of the grid.
    EXPECT_EQ(siatka->GetCellSize(), 10);
    EXPECT_EQ(ustawienia(*siatka), przed);
}

TEST(CMatrycaSkala, SmallCellsAreDotsUnderTheRouteWithoutGridLines) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(2, 3, true);
    siatka->SetCell(20, 20, true);
    ustawTrase(*siatka, {{3, 2}, {20, 20}});
    siatka->UstawSkale(0.25);
    const QImage img = obraz(*siatka);
    ASSERT_EQ(img.size(), QSize(69, 69));
    EXPECT_EQ(ile(img, rgb(Srebrny)), 0);
    // The centres (39, 28) and (226, 226) land on (9, 7) and (56, 56): a dot
    // of 3 x 3 pixels about each, and the route over them.
    EXPECT_EQ(ile(img, rgb(Czarny)) + ile(img, rgb(Zielony), QRect(8, 6, 3, 3)) + ile(img, rgb(Zielony), QRect(55, 55, 3, 3)),
              18);
    for (QPoint naroznik : {QPoint(8, 6), QPoint(8, 8), QPoint(10, 6), QPoint(55, 57), QPoint(57, 55)})
        EXPECT_EQ(img.pixel(naroznik), rgb(Czarny)) << naroznik.x() << "," << naroznik.y();
    EXPECT_EQ(img.pixel(9, 7), rgb(Zielony));
    EXPECT_EQ(img.pixel(7, 7), rgb(Bialy));
    EXPECT_GT(ile(img, rgb(Zielony), QRect(32, 29, 1, 5)), 0);
}
