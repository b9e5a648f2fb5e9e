#include "grid/Plotno.h"

#include "grid/PrzytnijOdcinek.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool wPolu(QPointF p, const QRectF& pole) {
    // Written so that NaN is outside.
    return p.x() >= pole.left() && p.x() <= pole.right() && p.y() >= pole.top() && p.y() <= pole.bottom();
}

// The walk of a segment that lies wholly inside the image, as most do: no
// clipping, and the span across written without a loop when its width is
// known at compile time (G; 0 when grubosc says it).
template <int G>
void prosto(std::uint32_t* bity, std::int64_t indeks, std::int64_t kroki, std::int64_t krokU, std::int64_t krokV,
            std::int64_t krokPrzek, std::int64_t du, std::int64_t dv, int grubosc, QRgb kolor) {
    const std::int64_t mianownik = 2 * du;
    std::int64_t r = du;
    for (std::int64_t n = 0; n <= kroki; ++n) {
        if constexpr (G > 0) {
            for (int j = 0; j < G; ++j)
                bity[indeks + j * krokV] = kolor;
        } else {
            for (int j = 0; j < grubosc; ++j)
                bity[indeks + j * krokV] = kolor;
        }
        indeks += krokU;
        r += 2 * dv;
        // A branch, not arithmetic: predicted, it lets the stores run ahead
        // of the sum they would otherwise wait for, half again as fast.
        if (r >= mianownik) {
            r -= mianownik;
            indeks += krokPrzek;
        }
    }
}

} // namespace

Plotno::Plotno(QImage& obraz, QPoint poczatek, QRect pole) : pole_(pole) {
    if (obraz.format() != QImage::Format_RGB32 && obraz.format() != QImage::Format_ARGB32
        && obraz.format() != QImage::Format_ARGB32_Premultiplied)
        obraz.convertTo(QImage::Format_RGB32);
    bity_ = reinterpret_cast<std::uint32_t*>(obraz.bits());
    linia_ = obraz.bytesPerLine() / 4;
    obszar_ = QRect(poczatek, obraz.size());
}

void Plotno::Kwadrat(QPointF p, int bok, QRgb kolor) {
    if (bok <= 0 || obszar_.isEmpty())
        return;
    bok = std::min(bok, MaksGrubosc);
    const QRectF zasieg = QRectF(obszar_).adjusted(-bok, -bok, bok, bok);
    if (!wPolu(p, zasieg))
        return;
    const int x = static_cast<int>(std::floor(p.x()));
    const int y = static_cast<int>(std::floor(p.y()));
    const int x0 = std::max(x - (bok - 1) / 2, obszar_.left());
    const int x1 = std::min(x + bok / 2, obszar_.right());
    const int y0 = std::max(y - (bok - 1) / 2, obszar_.top());
    const int y1 = std::min(y + bok / 2, obszar_.bottom());
    if (x0 > x1)
        return;
    for (int v = y0; v <= y1; ++v)
        std::fill_n(bity_ + std::int64_t(v - obszar_.top()) * linia_ + (x0 - obszar_.left()), x1 - x0 + 1, kolor);
}

// A segment seen along its main direction u, in which it advances one pixel
// a step, and across it, v. Its pixels are walked from u0 to u1; the image
// takes krokU elements a step of u and krokV a step of v.
struct Plotno::Osie {
    std::int64_t u0, v0, u1, v1;
    std::int64_t uMin, uMax, vMin, vMax;  // the image, along each
    std::int64_t krokU, krokV;
};

void Plotno::Przejdz(const Osie& o, int grubosc, QRgb kolor) {
    const std::int64_t du = o.u1 - o.u0;
    const std::int64_t dv = std::abs(o.v1 - o.v0);
    const std::int64_t sv = o.v1 < o.v0 ? -1 : 1;
    const std::int64_t ua = std::max(o.u0, o.uMin);
    const std::int64_t ub = std::min(o.u1, o.uMax);
    if (ua > ub)
        return;
    const std::int64_t przed = (grubosc - 1) / 2;
    const std::int64_t za = grubosc / 2;
    if (o.u0 >= o.uMin && o.u1 <= o.uMax && std::min(o.v0, o.v1) - przed >= o.vMin
        && std::max(o.v0, o.v1) + za <= o.vMax) {
        const std::int64_t indeks = (o.u0 - o.uMin) * o.krokU + (o.v0 - przed - o.vMin) * o.krokV;
        const std::int64_t krokPrzek = sv * o.krokV;
        switch (grubosc) {
        case 1:
            prosto<1>(bity_, indeks, du, o.krokU, o.krokV, krokPrzek, du, dv, grubosc, kolor);
            break;
        case 2:
            prosto<2>(bity_, indeks, du, o.krokU, o.krokV, krokPrzek, du, dv, grubosc, kolor);
            break;
        case 3:
            prosto<3>(bity_, indeks, du, o.krokU, o.krokV, krokPrzek, du, dv, grubosc, kolor);
            break;
        default:
            prosto<0>(bity_, indeks, du, o.krokU, o.krokV, krokPrzek, du, dv, grubosc, kolor);
        }
        return;
    }
    // At step i the line is at v0 + sv * floor((2 i dv + du) / (2 du)): the
    // nearest pixel, halves away from v0. The walk may start inside the
    // segment, where the image begins.
    const std::int64_t mianownik = 2 * du;
    std::int64_t q = 0;
    std::int64_t r = 0;
    if (du > 0) {
        const std::int64_t licznik = 2 * (ua - o.u0) * dv + du;
        q = licznik / mianownik;
        r = licznik % mianownik;
    }
    for (std::int64_t u = ua; u <= ub; ++u) {
        const std::int64_t v = o.v0 + sv * q;
        // The line only moves further away from an image it has left.
        if ((sv > 0 && v - przed > o.vMax) || (sv < 0 && v + za < o.vMin))
            break;
        const std::int64_t va = std::max(v - przed, o.vMin);
        const std::int64_t vb = std::min(v + za, o.vMax);
        std::uint32_t* piksel = bity_ + (u - o.uMin) * o.krokU + (va - o.vMin) * o.krokV;
        for (std::int64_t w = va; w <= vb; ++w, piksel += o.krokV)
            *piksel = kolor;
        r += 2 * dv;
        if (r >= mianownik && du > 0) {
            r -= mianownik;
            ++q;
        }
    }
}

void Plotno::Odcinek(QPointF a, QPointF b, int grubosc, QRgb kolor) {
    if (obszar_.isEmpty())
        return;
    grubosc = std::clamp(grubosc, 1, MaksGrubosc);
    const double margines = grubosc + 2.0;
    const QRectF pole = pole_.adjusted(-margines, -margines, margines, margines);
    if (!wPolu(a, pole) || !wPolu(b, pole)) {
        // Rounding may leave an end a hair outside; such a rare segment is
        // left out rather than walked from a place no integer can hold.
        if (!PrzytnijOdcinek(a, b, pole) || !wPolu(a, pole) || !wPolu(b, pole))
            return;
    }
    std::int64_t x0 = static_cast<std::int64_t>(std::floor(a.x()));
    std::int64_t y0 = static_cast<std::int64_t>(std::floor(a.y()));
    std::int64_t x1 = static_cast<std::int64_t>(std::floor(b.x()));
    std::int64_t y1 = static_cast<std::int64_t>(std::floor(b.y()));
    if (std::max(x0, x1) + grubosc < obszar_.left() || std::min(x0, x1) - grubosc > obszar_.right()
        || std::max(y0, y1) + grubosc < obszar_.top() || std::min(y0, y1) - grubosc > obszar_.bottom())
        return;
    // Walked from the lower end along the main direction: both directions
    // of a segment round alike.
    if (std::abs(x1 - x0) >= std::abs(y1 - y0)) {
        if (x0 > x1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        Przejdz({x0, y0, x1, y1, obszar_.left(), obszar_.right(), obszar_.top(), obszar_.bottom(), 1, linia_},
                grubosc, kolor);
    } else {
        if (y0 > y1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        Przejdz({y0, x0, y1, x1, obszar_.top(), obszar_.bottom(), obszar_.left(), obszar_.right(), linia_, 1},
                grubosc, kolor);
    }
}
