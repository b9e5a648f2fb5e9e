#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

#include <cstdint>

// Squares and straight segments drawn straight into the pixels of an RGB32
// image, without anti-aliasing. QPainter takes hundreds of milliseconds for
// the tens of thousands of crossing segments of a large random route; a
// plain Bresenham walk over the pixels takes a few.
//
// Positions are pixels of a view; the image holds the part of it from
// poczatek on, and nothing outside the image is touched.
class Plotno {
public:
    // pole: the whole view. A segment is cut to it (widened by its width)
    // before its pixels are walked, the same way whichever part of the view
    // the image holds, so that a part gets exactly the pixels of the whole.
    Plotno(QImage& obraz, QPoint poczatek, QRect pole);

    // A square of bok pixels about the pixel of p.
    void Kwadrat(QPointF p, int bok, QRgb kolor);
    // The segment a-b, grubosc pixels across its main direction; the same
    // pixels whichever end comes first.
    void Odcinek(QPointF a, QPointF b, int grubosc, QRgb kolor);

    // Wider squares and segments are drawn this wide.
    static constexpr int MaksGrubosc = 64;

private:
    struct Osie;
    void Przejdz(const Osie& osie, int grubosc, QRgb kolor);

    std::uint32_t* bity_;
    std::int64_t linia_;  // pixels from one row of the image to the next
    QRect obszar_;        // the image, in pixels of the view
    QRectF pole_;
};
