#include "ui/RysunekLP.h"

#include "search/ZestawMiast.h"
#include "search/dowod/TolerancjeDowodu.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

RysunekLP::RysunekLP(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette tlo = palette();
    tlo.setColor(QPalette::Window, Qt::white);
    setPalette(tlo);
}

void RysunekLP::UstawMiasta(const ZestawMiast& zestaw, std::vector<QPointF> punktyWidoku) {
    if (zestaw.komorki.empty()) {
        UstawMiasta(std::move(punktyWidoku), OsY::WGore);
        return;
    }
    std::vector<QPointF> punkty;
    punkty.reserve(zestaw.komorki.size());
    for (const TPunkt& k : zestaw.komorki)
        punkty.emplace_back(k.x, k.y);
    UstawMiasta(std::move(punkty), OsY::WDol);
}

void RysunekLP::UstawMiasta(std::vector<QPointF> punkty, OsY os) {
    punkty_ = std::move(punkty);
    os_ = os;
    double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
    for (const QPointF& p : punkty_) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            continue;
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    zasieg_ = minX <= maxX ? QRectF(QPointF(minX, minY), QPointF(maxX, maxY)) : QRectF();
    krawedzie_.clear();
    update();
}

void RysunekLP::UstawRozwiazanie(std::vector<PostepDowodu::KrawedzLP> krawedzie) {
    krawedzie_ = std::move(krawedzie);
    update();
}

bool RysunekLP::Cala(double x) {
    return x >= 1.0 - TolerancjeDowodu::kCalkowite;
}

RzutPunktow RysunekLP::Rzut() const {
    RzutPunktow rzut;
    rzut.polowa = QPointF(width() / 2.0, height() / 2.0);
    rzut.srodek = zasieg_.center();
    rzut.znakY = RzutPunktow::ZnakY(os_);
    const double szer = std::max(1.0, width() - 2.0 * Margines);
    const double wys = std::max(1.0, height() - 2.0 * Margines);
    // A single place, or cities in one line, still fit along the other way.
    const double sx = zasieg_.width() > 0.0 ? szer / zasieg_.width() : INFINITY;
    const double sy = zasieg_.height() > 0.0 ? wys / zasieg_.height() : INFINITY;
    rzut.skala = std::isfinite(std::min(sx, sy)) ? std::min(sx, sy) : 1.0;
    return rzut;
}

void RysunekLP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const RzutPunktow rzut = Rzut();
    const int n = int(punkty_.size());
    const auto miasto = [&](int k) { return rzut.NaPiksel(punkty_[std::size_t(k)]); };

    QPen cala(QColor::fromRgb(KolorCalych), 2);
    QPen ulamkowa(QColor::fromRgb(KolorUlamkowych), 1, Qt::DashLine);
    // Fractional edges over the whole ones, which they often cross.
    for (const bool calych : {true, false}) {
        painter.setPen(calych ? cala : ulamkowa);
        for (const PostepDowodu::KrawedzLP& k : krawedzie_) {
            if (Cala(k.x) != calych || k.a < 0 || k.b < 0 || k.a >= n || k.b >= n)
                continue;
            painter.drawLine(miasto(k.a), miasto(k.b));
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int k = 0; k < n; ++k) {
        const QPointF p = miasto(k);
        if (std::isfinite(p.x()) && std::isfinite(p.y()))
            painter.drawRect(QRectF(p.x() - 1.5, p.y() - 1.5, 3.0, 3.0));
    }
}
