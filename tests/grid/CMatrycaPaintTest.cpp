#include "tests/grid/SiatkaTestowa.h"
#include "tests/support/ModalHelper.h"

#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool naLinii(int v, int pitch, int width) {
    // A line of width w centred on w / 2 + k * pitch covers k * pitch to
    // k * pitch + w - 1.
    return v % pitch < width;
}

// Pixels of colour c within the rectangle.
int ile(const QImage& img, QRgb c, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.pixel(x, y) == c ? 1 : 0;
    return n;
}

class Licznik : public CMatryca {
public:
    int malowania = 0;
    QRect obszar;
    QSize najwiekszy;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++malowania;
        obszar = event->rect();
        najwiekszy = najwiekszy.expandedTo(obszar.size());
        CMatryca::paintEvent(event);
    }
};

} // namespace

TEST(CMatrycaPaint, EmptyGridIsBackgroundRuledEvery11Pixels) {
    auto siatka = siatkaOknaGlownego();
    const QImage img = obraz(*siatka);
    ASSERT_EQ(img.size(), QSize(276, 276));
    for (int y = 0; y < 276; ++y)
        for (int x = 0; x < 276; ++x) {
            const QRgb oczekiwany = (x % 11 == 0 || y % 11 == 0) ? rgb(Srebrny) : rgb(Bialy);
            ASSERT_EQ(img.pixel(x, y), oczekiwany) << "at " << x << "," << y;
        }
}

TEST(CMatrycaPaint, CityCircleCovers2To9AndNeverTouchesTheLines) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(0, 0, true);
    const QImage img = obraz(*siatka);
    for (int v : {5, 6}) {
        for (int k = 2; k <= 9; ++k) {
            EXPECT_EQ(img.pixel(k, v), rgb(Czarny)) << k << "," << v;
            EXPECT_EQ(img.pixel(v, k), rgb(Czarny)) << v << "," << k;
        }
        EXPECT_EQ(img.pixel(1, v), rgb(Bialy));
        EXPECT_EQ(img.pixel(10, v), rgb(Bialy));
        EXPECT_EQ(img.pixel(v, 1), rgb(Bialy));
        EXPECT_EQ(img.pixel(v, 10), rgb(Bialy));
    }
    // Black only inside 2..9, and every line pixel still silver.
    EXPECT_EQ(ile(img, rgb(Czarny), img.rect()), ile(img, rgb(Czarny), QRect(2, 2, 8, 8)));
    for (int k = 0; k < 276; ++k) {
        EXPECT_EQ(img.pixel(0, k), rgb(Srebrny));
        EXPECT_EQ(img.pixel(11, k), rgb(Srebrny));
        EXPECT_EQ(img.pixel(k, 0), rgb(Srebrny));
        EXPECT_EQ(img.pixel(k, 11), rgb(Srebrny));
    }
    // Round: the corners of its square stay background.
    EXPECT_EQ(img.pixel(2, 2), rgb(Bialy));
    EXPECT_EQ(img.pixel(9, 9), rgb(Bialy));
}

TEST(CMatrycaPaint, CircleOfAnotherCellIsShiftedByThePitch) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(2, 3, true);
    const QImage img = obraz(*siatka);
    EXPECT_EQ(ile(img, rgb(Czarny), img.rect()), ile(img, rgb(Czarny), QRect(35, 24, 8, 8)));
    EXPECT_EQ(img.pixel(35, 28), rgb(Czarny));
    EXPECT_EQ(img.pixel(42, 28), rgb(Czarny));
    EXPECT_EQ(img.pixel(34, 28), rgb(Bialy));
    EXPECT_EQ(img.pixel(43, 28), rgb(Bialy));
}

TEST(CMatrycaPaint, RouteRunsThroughCellCentres) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(2, 3, true);
    siatka->SetCell(2, 10, true);
    ustawTrase(*siatka, {{3, 2}, {10, 2}});
    const QImage img = obraz(*siatka);
    // Cell (row 2, column 3) has its centre at (39, 28).
    EXPECT_EQ(img.pixel(39, 28), rgb(Zielony));
    EXPECT_EQ(img.pixel(116, 28), rgb(Zielony));
    EXPECT_EQ(img.pixel(77, 28), rgb(Zielony));
    // The route lies over the circles and the grid lines.
    EXPECT_EQ(img.pixel(44, 28), rgb(Zielony));
    EXPECT_EQ(img.pixel(36, 28), rgb(Czarny));
    EXPECT_EQ(img.pixel(39, 20), rgb(Bialy));
}

TEST(CMatrycaPaint, RouteOfThreeCitiesIsAClosedTriangle) {
    auto siatka = siatkaOknaGlownego();
    ustawTrase(*siatka, {{0, 0}, {10, 0}, {0, 10}});
    const QImage img = obraz(*siatka);
    // Centres (6, 6), (116, 6), (6, 116): the last segment comes back down
    // the column of the first city.
    EXPECT_EQ(img.pixel(60, 6), rgb(Zielony));
    EXPECT_EQ(img.pixel(61, 61), rgb(Zielony));
    EXPECT_EQ(img.pixel(6, 60), rgb(Zielony));
}

TEST(CMatrycaPaint, RouteStopsAtTheFirstPointOutsideTheGrid) {
    auto siatka = siatkaOknaGlownego();
    ustawTrase(*siatka, {{0, 0}, {10, 0}, {25, 10}});
    const QImage img = obraz(*siatka);
    EXPECT_EQ(img.pixel(60, 6), rgb(Zielony));
    EXPECT_EQ(ile(img, rgb(Zielony), QRect(0, 12, 276, 264)), 0);
}

TEST(CMatrycaPaint, EmptyRouteAfterClearDrawsNothing) {
    auto siatka = siatkaOknaGlownego();
    ustawTrase(*siatka, {{0, 0}, {10, 0}});
    siatka->GetBestPunkty()->Clear();
    const QImage img = obraz(*siatka);
    EXPECT_EQ(ile(img, rgb(Zielony), img.rect()), 0);
}

TEST(CMatrycaPaint, GridWidthThreeGeometry) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetGridWidth(3);
    ASSERT_EQ(siatka->size(), QSize(328, 328));
    siatka->SetCell(1, 1, true);
    ustawTrase(*siatka, {{0, 0}, {5, 0}});
    const QImage img = obraz(*siatka);
    for (int k = 0; k <= 25; ++k) {
        const int linia = 1 + 13 * k;
        EXPECT_EQ(img.pixel(linia, 200), rgb(Srebrny)) << linia;
        EXPECT_EQ(img.pixel(200, linia), rgb(Srebrny)) << linia;
    }
    // Each line is 3 pixels wide about its position; the interior follows.
    EXPECT_EQ(img.pixel(0, 200), rgb(Srebrny));
    EXPECT_EQ(img.pixel(2, 200), rgb(Srebrny));
    EXPECT_EQ(img.pixel(3, 200), rgb(Bialy));
    EXPECT_EQ(img.pixel(12, 200), rgb(Bialy));
    EXPECT_EQ(img.pixel(13, 200), rgb(Srebrny));
    // The centre of cell (0, 0) is at (8, 8).
    EXPECT_EQ(img.pixel(8, 8), rgb(Zielony));
    // The circle of cell (1, 1) spans 17..24 inside its interior at 16..25.
    EXPECT_EQ(img.pixel(17, 21), rgb(Czarny));
    EXPECT_EQ(img.pixel(24, 21), rgb(Czarny));
    EXPECT_EQ(img.pixel(16, 21), rgb(Bialy));
    EXPECT_EQ(img.pixel(25, 21), rgb(Bialy));
    for (int y = 0; y < 328; ++y)
        for (int x = 0; x < 328; ++x)
            if (naLinii(x, 13, 3) || naLinii(y, 13, 3)) {
                ASSERT_TRUE(img.pixel(x, y) == rgb(Srebrny) || img.pixel(x, y) == rgb(Zielony)) << x << "," << y;
            }
}

TEST(CMatrycaPaint, BackgroundChangeKeepsCirclesLinesAndRoute) {
    auto siatka = siatkaOknaGlownego();
    siatka->SetCell(2, 3, true);
    siatka->SetCell(7, 7, true);
    ustawTrase(*siatka, {{3, 2}, {7, 7}});
    const QImage przed = obraz(*siatka);
    const TColor zolty = rgbColor(0xFF, 0xFF, 0);
    siatka->SetBackgroundColor(zolty);
    EXPECT_EQ(siatka->GetBestPunkty()->Count(), 2);
    const QImage po = obraz(*siatka);
    int tlo = 0;
    for (int y = 0; y < 276; ++y)
        for (int x = 0; x < 276; ++x) {
            if (przed.pixel(x, y) == rgb(Bialy)) {
                ASSERT_EQ(po.pixel(x, y), rgb(zolty)) << x << "," << y;
                ++tlo;
            } else {
                ASSERT_EQ(po.pixel(x, y), przed.pixel(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(tlo, 50000);
}

TEST(CMatrycaPaint, PartOfTheGridMatchesTheWholeAndLeavesTheRestAlone) {
    auto siatka = siatkaOknaGlownego();
    siatka->Losuj(200);
    const QImage calosc = obraz(*siatka);
    const QRect czesc(37, 50, 61, 83);
    const QImage fragment = obraz(*siatka, czesc);
    for (int y = 0; y < 276; ++y)
        for (int x = 0; x < 276; ++x) {
            const QRgb oczekiwany = czesc.contains(x, y) ? calosc.pixel(x, y) : QColor(Qt::magenta).rgb();
            ASSERT_EQ(fragment.pixel(x, y), oczekiwany) << x << "," << y;
        }
}

TEST(CMatrycaPaint, PartOfARouteFollowsTheWholeRoute) {
    auto siatka = siatkaOknaGlownego();
    siatka->Losuj(200);
    CPunktyNowe* trasa = siatka->GetBestPunkty();
    for (int r = 0; r < 25; ++r)
        for (int c = 0; c < 25; ++c)
            if (siatka->GetCell(r, c))
                trasa->Add({c, r});
    const QImage calosc = obraz(*siatka);
    const QRect czesc(37, 50, 61, 83);
    const QImage fragment = obraz(*siatka, czesc);
    // Qt rasterises a wide diagonal line a little differently under another
    // clip, so an edge pixel may move by one; nothing moves further.
    auto blisko = [](const QImage& img, int x, int y, QRgb kolor) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (img.valid(x + dx, y + dy) && img.pixel(x + dx, y + dy) == kolor)
                    return true;
        return false;
    };
    int trasy = 0;
    for (int y = czesc.top(); y <= czesc.bottom(); ++y)
        for (int x = czesc.left(); x <= czesc.right(); ++x) {
            const bool wFragmencie = fragment.pixel(x, y) == rgb(Zielony);
            const bool wCalosci = calosc.pixel(x, y) == rgb(Zielony);
            trasy += wFragmencie ? 1 : 0;
            if (wFragmencie) {
                ASSERT_TRUE(blisko(calosc, x, y, rgb(Zielony))) << x << "," << y;
            }
            if (wCalosci) {
                ASSERT_TRUE(blisko(fragment, x, y, rgb(Zielony))) << x << "," << y;
            }
            if (!wFragmencie && !wCalosci) {
                ASSERT_EQ(fragment.pixel(x, y), calosc.pixel(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(trasy, 100);
}

TEST(CMatrycaPaint, WidgetPaintsWhatPaintToDraws) {
    auto siatka = siatkaOknaGlownego();
    siatka->Losuj(50);
    ustawTrase(*siatka, {{1, 1}, {20, 3}, {4, 22}});
    const QImage przezWidzet = siatka->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(przezWidzet, obraz(*siatka));
}

TEST(CMatrycaPaint, PaintRedrawsBeforeReturning) {
    QScrollArea okno;
    auto* siatka = new Licznik;
    siatka->SetColumnCount(25);
    siatka->SetRowCount(25);
    okno.setWidget(siatka);
    okno.resize(200, 200);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    QCoreApplication::processEvents();

    siatka->malowania = 0;
    siatka->SetAll(true);
    EXPECT_EQ(siatka->malowania, 1);
    siatka->malowania = 0;
    siatka->SetCell(3, 3, false);
    EXPECT_EQ(siatka->malowania, 1);
    okno.hide();
    EXPECT_TRUE(noVisibleTopLevels());
}

TEST(CMatrycaPaint, HugeGridInAScrollBoxPaintsOnlyWhatIsVisible) {
    QScrollArea okno;
    auto* siatka = new Licznik;
    siatka->SetRowCount(2000);
    siatka->SetColumnCount(2000);
    siatka->SetAll(true);
    okno.setWidget(siatka);
    okno.resize(300, 300);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    QCoreApplication::processEvents();

    siatka->malowania = 0;
    siatka->SetAll(false);
    EXPECT_EQ(siatka->malowania, 1);
    EXPECT_LE(siatka->obszar.width(), 300);
    EXPECT_LE(siatka->obszar.height(), 300);
    siatka->najwiekszy = QSize();

    for (int k = 1; k <= 50; ++k) {
        okno.horizontalScrollBar()->setValue(k * 400);
        okno.verticalScrollBar()->setValue(k * 400);
        siatka->SetAll(k % 2 == 0);
    }
    EXPECT_LE(siatka->najwiekszy.width(), 300);
    EXPECT_LE(siatka->najwiekszy.height(), 300);
    EXPECT_GE(siatka->obszar.left(), 19000);
    okno.hide();
    EXPECT_TRUE(noVisibleTopLevels());
}

TEST(CMatrycaPaint, AStepsLinesLieOverTheRouteInTheirOwnColourUntilCleared) {
    auto siatka = siatkaOknaGlownego();
    ustawTrase(*siatka, {{3, 2}, {10, 2}});
    siatka->SetExaminedColor(rgbColor(0xFF, 0, 0));
    // Along the route's row, and down from one of its cities.
    siatka->SetExamined({{TPunkt{3, 2}, TPunkt{10, 2}}, {TPunkt{3, 2}, TPunkt{3, 8}}});
    QImage img = obraz(*siatka);
    EXPECT_EQ(img.pixel(77, 28), rgb(rgbColor(0xFF, 0, 0)));
    EXPECT_EQ(img.pixel(39, 60), rgb(rgbColor(0xFF, 0, 0)));
    siatka->SetExamined({});
    img = obraz(*siatka);
    EXPECT_EQ(img.pixel(77, 28), rgb(Zielony));
    EXPECT_EQ(img.pixel(39, 60), rgb(Bialy));
}
