#include "grid/WidokPunktow.h"
#include "toolkit/gui/QtColor.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <random>

namespace {

constexpr TColor Tlo = rgbColor(0xFF, 0xFF, 0xFF);
constexpr TColor Miasto = rgbColor(0, 0, 0);
constexpr TColor Trasa = rgbColor(0, 0x80, 0);

QRgb rgb(TColor kolor) {
    return toQColor(kolor).rgb();
}

// 216 x 116 pixels, 200 x 100 inside the margins: the extent 100 x 50 fits
// at 2 pixels a unit, (0, 0) at pixel (8, 108) and (100, 50) at (208, 8).
void ustaw(WidokPunktow& widok, std::vector<double> x, std::vector<double> y, OsY os = OsY::WGore) {
    widok.resize(216, 116);
    widok.UstawKolorTla(Tlo);
    widok.UstawKolorMiast(Miasto);
    widok.UstawKolorTrasy(Trasa);
    widok.UstawGruboscTrasy(2);
    widok.UstawMiasta(std::move(x), std::move(y), os);
}

// The widget's picture at device pixel ratio 1; what it does not paint stays magenta.
QImage obraz(const WidokPunktow& widok, QRect obszar = QRect()) {
    QImage wynik(widok.size(), QImage::Format_RGB32);
    wynik.setDevicePixelRatio(1);
    wynik.fill(Qt::magenta);
    QPainter painter(&wynik);
    widok.RysujDo(painter, obszar.isNull() ? wynik.rect() : obszar);
    painter.end();
    return wynik;
}

QPoint piksel(const WidokPunktow& widok, double x, double y) {
    const QPointF p = widok.NaPiksel(QPointF(x, y));
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

void kolko(WidokPunktow& widok, QPointF gdzie, int obrot, Qt::KeyboardModifiers klawisze) {
    QWheelEvent zdarzenie(gdzie, widok.mapToGlobal(gdzie), QPoint(), QPoint(0, obrot), Qt::NoButton, klawisze,
                          Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widok, &zdarzenie);
}

#define EXPECT_POINT_NEAR(a, b)                     \
    do {                                            \
        EXPECT_NEAR((a).x(), (b).x(), 1e-6 * 256);  \
        EXPECT_NEAR((a).y(), (b).y(), 1e-6 * 256);  \
    } while (false)

} // namespace

TEST(WidokPunktow, FitsTheExtentWithAMarginUpwardsOrDownwardsAndFollowsResizes) {
    WidokPunktow widok;
    ustaw(widok, {0, 100, 30}, {0, 50, 10});
    EXPECT_TRUE(widok.Dopasowany());
    EXPECT_DOUBLE_EQ(widok.Skala(), 2.0);
    EXPECT_POINT_NEAR(widok.NaPiksel({0, 0}), QPointF(8, 108));
    EXPECT_POINT_NEAR(widok.NaPiksel({100, 50}), QPointF(208, 8));
    EXPECT_POINT_NEAR(widok.NaWspolrzedne({208, 8}), QPointF(100, 50));

    widok.UstawMiasta({0, 100}, {0, 50}, OsY::WDol);
    EXPECT_POINT_NEAR(widok.NaPiksel({0, 0}), QPointF(8, 8));
    EXPECT_POINT_NEAR(widok.NaWspolrzedne({208, 108}), QPointF(100, 50));

    widok.resize(416, 216);
    EXPECT_DOUBLE_EQ(widok.Skala(), 4.0);
    EXPECT_POINT_NEAR(widok.NaPiksel({100, 50}), QPointF(408, 208));
}

TEST(WidokPunktow, DegenerateExtentsStayCentredAndVisible) {
    WidokPunktow widok;
    ustaw(widok, {}, {});
    EXPECT_DOUBLE_EQ(widok.Skala(), 1.0);
    const QImage pusty = obraz(widok);
    EXPECT_EQ(pusty.pixel(0, 0), rgb(Tlo));
    EXPECT_EQ(pusty.pixel(215, 115), rgb(Tlo));

    // One city, or several in one place: the actual size, in the middle.
    for (const std::vector<double>& x : {std::vector<double>{7}, std::vector<double>{-3e8, -3e8, -3e8}}) {
        widok.UstawMiasta(x, std::vector<double>(x.size(), 5e8), OsY::WGore);
        EXPECT_DOUBLE_EQ(widok.Skala(), 1.0);
        EXPECT_POINT_NEAR(widok.NaPiksel({x[0], 5e8}), QPointF(108, 58));
        EXPECT_EQ(obraz(widok).pixel(108, 58), rgb(Miasto));
    }

    // A row of cities: fitted along it; a NaN is no city, and extra entries
    // of the longer vector are none either.
    widok.UstawMiasta({-1e9, 1e9, std::nan(""), 4}, {3, 3, 1e300}, OsY::WGore);
    EXPECT_EQ(widok.LiczbaMiast(), 3);
    EXPECT_DOUBLE_EQ(widok.Skala(), 200 / 2e9);
    EXPECT_POINT_NEAR(widok.NaPiksel({-1e9, 3}), QPointF(8, 58));
    EXPECT_POINT_NEAR(widok.NaPiksel({1e9, 3}), QPointF(208, 58));

    // Too small an extent to fit is shown at the largest scale, still in the middle.
    widok.UstawMiasta({1, 1 + 1e-13}, {0, 0}, OsY::WGore);
    EXPECT_DOUBLE_EQ(widok.Skala(), WidokPunktow::MaksSkala);
    EXPECT_NEAR(widok.NaPiksel({1, 0}).x(), 108, 1);
    EXPECT_NEAR(widok.NaPiksel({1 + 1e-13, 0}).x(), 108, 1);
    EXPECT_EQ(obraz(widok).pixel(108, 58), rgb(Miasto));
}

TEST(WidokPunktow, CtrlWheelZoomsAboutThePointerAndThePlainWheelIsLeftToOthers) {
    WidokPunktow widok;
    ustaw(widok, {0, 100}, {0, 50});
    const QPointF wskaznik(40.5, 90.25);
    const QPointF pod = widok.NaWspolrzedne(wskaznik);

    kolko(widok, wskaznik, 120, Qt::NoModifier);
    EXPECT_TRUE(widok.Dopasowany());

    kolko(widok, wskaznik, 240, Qt::ControlModifier);
    EXPECT_FALSE(widok.Dopasowany());
    EXPECT_DOUBLE_EQ(widok.Skala(), 4.0);
    EXPECT_POINT_NEAR(widok.NaPiksel(pod), wskaznik);

    // Out again: never below the fitted scale, which stays put.
    kolko(widok, wskaznik, -600, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(widok.Skala(), 2.0);
    kolko(widok, wskaznik, -120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(widok.Skala(), 2.0);
}

TEST(WidokPunktow, MenuZoomsAboutTheMiddleStoppingAtTheActualSize) {
    WidokPunktow widok;
    ustaw(widok, {0, 100}, {0, 50});
    const QPointF srodek = widok.Srodek();
    widok.Powieksz();
    EXPECT_DOUBLE_EQ(widok.Skala(), 2.0 * WidokPunktow::Krok);
    EXPECT_POINT_NEAR(widok.Srodek(), srodek);
    widok.RzeczywistyRozmiar();
    EXPECT_DOUBLE_EQ(widok.Skala(), 1.0);
    widok.Dopasuj();
    EXPECT_DOUBLE_EQ(widok.Skala(), 2.0);
    widok.UstawWidok(0.9, srodek);
    widok.Powieksz();
    EXPECT_DOUBLE_EQ(widok.Skala(), 1.0);
}

TEST(WidokPunktow, LeftDragPansByItsDistanceAndAClickOnlyReportsItself) {
    WidokPunktow widok;
    ustaw(widok, {0, 100}, {0, 50});
    QSignalSpy klikniecia(&widok, &WidokPunktow::Klikniety);
    const QPointF przed = widok.NaPiksel({30, 20});

    // A press that moves less than the drag distance is a click.
    QTest::mousePress(&widok, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(&widok, QPoint(51, 52));
    QTest::mouseRelease(&widok, Qt::LeftButton, {}, QPoint(51, 52));
    QTest::mouseClick(&widok, Qt::RightButton, {}, QPoint(60, 60));
    EXPECT_EQ(klikniecia.count(), 2);
    EXPECT_TRUE(widok.Dopasowany());
    EXPECT_POINT_NEAR(widok.NaPiksel({30, 20}), przed);

    QTest::mousePress(&widok, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(&widok, QPoint(80, 70));
    QTest::mouseMove(&widok, QPoint(90, 95));
    QTest::mouseRelease(&widok, Qt::LeftButton, {}, QPoint(90, 95));
    EXPECT_EQ(klikniecia.count(), 2);
    EXPECT_FALSE(widok.Dopasowany());
    EXPECT_DOUBLE_EQ(widok.Skala(), 2.0);
    EXPECT_POINT_NEAR(widok.NaPiksel({30, 20}), przed + QPointF(40, 45));

    // Dragged far away, the cities' corner stops at the view's.
    QTest::mousePress(&widok, Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mouseMove(&widok, QPoint(3000, 3000));
    QTest::mouseRelease(&widok, Qt::LeftButton, {}, QPoint(3000, 3000));
    EXPECT_POINT_NEAR(widok.NaPiksel({0, 50}), QPointF(216, 116));
}

TEST(WidokPunktow, PaintsCitiesUnderAClosedRouteOnTheBackground) {
    WidokPunktow widok;
    ustaw(widok, {0, 100, 100, 25}, {0, 0, 50, 40});
    // Numbers of no city are passed over; the route closes from 2 back to 0.
    widok.UstawTrase({-1, 0, 1, 7, 2});
    const QImage img = obraz(widok);
    const QPoint samotne = piksel(widok, 25, 40);
    ASSERT_EQ(samotne, QPoint(58, 28));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            EXPECT_EQ(img.pixel(samotne + QPoint(dx, dy)), rgb(Miasto)) << dx << "," << dy;
    EXPECT_EQ(img.pixel(samotne + QPoint(2, 0)), rgb(Tlo));

    EXPECT_EQ(img.pixel(108, 108), rgb(Trasa));  // (0, 0) to (100, 0)
    EXPECT_EQ(img.pixel(208, 58), rgb(Trasa));   // (100, 0) to (100, 50)
    EXPECT_EQ(img.pixel(108, 58), rgb(Trasa));   // back from (100, 50) to (0, 0)
    EXPECT_EQ(img.pixel(207, 108), rgb(Trasa));  // over the city at (100, 0)
    EXPECT_EQ(img.pixel(207, 107), rgb(Miasto));
    EXPECT_EQ(img.pixel(150, 40), rgb(Tlo));
    EXPECT_EQ(img.pixel(0, 0), rgb(Tlo));
    EXPECT_EQ(img.pixel(215, 115), rgb(Tlo));

    EXPECT_EQ(widok.grab().toImage().convertToFormat(QImage::Format_RGB32), img);
    // A bigger picture of the same view: the same middle, the same scale.
    const QImage duzy = widok.Obraz(QSize(416, 316));
    EXPECT_EQ(duzy.copy(100, 100, 216, 116), img);
}

TEST(WidokPunktow, PartOfTheViewPaintsThePixelsOfTheWholeAndNothingElse) {
    WidokPunktow widok;
    std::mt19937 losowe(3);
    std::uniform_real_distribution<double> rozklad(-1e9, 1e9);
    std::vector<double> x(2000);
    std::vector<double> y(2000);
    std::vector<int> trasa;
    for (int k = 0; k < 2000; ++k) {
        x[std::size_t(k)] = rozklad(losowe);
        y[std::size_t(k)] = rozklad(losowe);
        trasa.push_back(k);
    }
    ustaw(widok, x, y);
    widok.UstawTrase(trasa);
    // Zoomed in far: most segments run far beyond the view on both sides.
    for (const double skala : {widok.Skala(), widok.Skala() * 50})
        for (const int grubosc : {1, 2, 5}) {
            widok.UstawWidok(skala, QPointF(1e7, -2e7));
            widok.UstawGruboscTrasy(grubosc);
            const QImage calosc = obraz(widok);
            const QRect czesc(37, 20, 61, 83);
            const QImage fragment = obraz(widok, czesc);
            int trasy = 0;
            for (int v = 0; v < 116; ++v)
                for (int u = 0; u < 216; ++u) {
                    const QRgb oczekiwany = czesc.contains(u, v) ? calosc.pixel(u, v) : QColor(Qt::magenta).rgb();
                    ASSERT_EQ(fragment.pixel(u, v), oczekiwany) << u << "," << v << " " << grubosc;
                    trasy += calosc.pixel(u, v) == rgb(Trasa) ? 1 : 0;
                }
            EXPECT_GT(trasy, 500);
        }
}

TEST(WidokPunktow, ExtremePlacesScalesAndRoutesPaintEveryPixelAndNothingBeyond) {
    WidokPunktow widok;
    const double inf = std::numeric_limits<double>::infinity();
    ustaw(widok, {-1.7e308, 1.7e308, 0, std::nan(""), inf, 5}, {1.7e308, -1.7e308, 0, 0, 0, -inf});
    widok.UstawTrase({INT_MIN, 0, 1, -5, 2, 3, 4, 5, 99, INT_MAX, 0, 2});
    widok.UstawGruboscTrasy(1000);
    for (const double skala : {WidokPunktow::MinSkala, 1.0, WidokPunktow::MaksSkala})
        for (const QPointF srodek : {QPointF(0, 0), QPointF(1e308, -1e308), QPointF(-1e-300, 1e-300)}) {
            widok.UstawWidok(skala, srodek);
            const QRect czesc(10, 10, 50, 50);
            const QImage fragment = obraz(widok, czesc);
            for (int v = 0; v < 116; ++v)
                for (int u = 0; u < 216; ++u)
                    ASSERT_EQ(fragment.pixel(u, v) == QColor(Qt::magenta).rgb(), !czesc.contains(u, v)) << u << "," << v;
        }
    widok.UstawWidok(1.0, QPointF(0, 0));
    EXPECT_EQ(obraz(widok).pixel(108, 58), rgb(Trasa));
}

TEST(WidokPunktow, AClickSaysWhereAndTheNearestDotWithinReachIsItsCity) {
    WidokPunktow widok;
    ustaw(widok, {0, 100, 100.5}, {0, 50, 50});
    QSignalSpy miejsca(&widok, &WidokPunktow::KliknietyW);
    QTest::mouseClick(&widok, Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_EQ(miejsca.count(), 1);
    EXPECT_EQ(miejsca.at(0).at(0).toPointF(), QPointF(50, 50));

    const QPointF pierwsze = widok.NaPiksel({0, 0});
    EXPECT_EQ(widok.MiastoPod(pierwsze + QPointF(3, -3)), 0);
    EXPECT_EQ(widok.MiastoPod(pierwsze + QPointF(7, 0)), -1);
    // Of two dots a pixel apart, the one nearer the pointer.
    EXPECT_EQ(widok.MiastoPod(widok.NaPiksel({100.5, 50}) + QPointF(0.4, 0)), 2);
    EXPECT_EQ(widok.MiastoPod(widok.NaPiksel({100, 50}) - QPointF(0.4, 0)), 1);
}
