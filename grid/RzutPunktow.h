#pragma once

#include <QPointF>

// Which way a larger y goes on the screen: TSPLIB's planes and latitudes
// grow upwards, a grid's rows and the screen's pixels downwards.
enum class OsY { WGore, WDol };

// The view of points: the coordinate at the middle of a picture, and pixels
// per coordinate unit. A pixel position p lies in pixel floor(p).
struct RzutPunktow {
    double skala = 1.0;
    QPointF srodek;
    // Half the picture's width and height, in pixels.
    QPointF polowa;
    // -1 when a larger y is higher on the screen.
    double znakY = -1.0;

    static constexpr double ZnakY(OsY os) { return os == OsY::WGore ? -1.0 : 1.0; }

    // The differences from the middle come first: coordinates of 1e9 a
    // fraction of a unit apart stay apart.
    QPointF NaPiksel(double x, double y) const {
        return {polowa.x() + (x - srodek.x()) * skala, polowa.y() + znakY * (y - srodek.y()) * skala};
    }
    QPointF NaPiksel(QPointF wspolrzedne) const { return NaPiksel(wspolrzedne.x(), wspolrzedne.y()); }
    QPointF NaWspolrzedne(QPointF piksel) const {
        return {srodek.x() + (piksel.x() - polowa.x()) / skala, srodek.y() + znakY * (piksel.y() - polowa.y()) / skala};
    }
};
