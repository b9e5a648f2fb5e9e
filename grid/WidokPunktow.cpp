#include "grid/WidokPunktow.h"

#include "grid/Plotno.h"
#include "toolkit/gui/QtColor.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

WidokPunktow::WidokPunktow(QWidget* owner) : QWidget(owner) {
    // Every paint fills the exposed area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
}

WidokPunktow::~WidokPunktow() = default;

void WidokPunktow::UstawMiasta(std::vector<double> x, std::vector<double> y, OsY os) {
    // Cities are numbered with ints, as routes number them.
    const std::size_t n = std::min({x.size(), y.size(), std::size_t(std::numeric_limits<int>::max())});
    x.resize(n);
    y.resize(n);
    x_ = std::move(x);
    y_ = std::move(y);
    os_ = os;
    minX_ = minY_ = 1.0;
    maxX_ = maxY_ = 0.0;
    bool pierwsze = true;
    for (std::size_t k = 0; k < n; ++k) {
        if (!std::isfinite(x_[k]) || !std::isfinite(y_[k]))
            continue;
        if (pierwsze) {
            minX_ = maxX_ = x_[k];
            minY_ = maxY_ = y_[k];
            pierwsze = false;
            continue;
        }
        minX_ = std::min(minX_, x_[k]);
        maxX_ = std::max(maxX_, x_[k]);
        minY_ = std::min(minY_, y_[k]);
        maxY_ = std::max(maxY_, y_[k]);
    }
    trasa_.clear();
    badane_.clear();
    dopasowany_ = true;
    update();
}

void WidokPunktow::UstawTrase(std::vector<int> trasa) {
    trasa_ = std::move(trasa);
    update();
}

void WidokPunktow::UstawKolorTla(TColor kolor) {
    kolorTla_ = kolor;
    update();
}

void WidokPunktow::UstawKolorMiast(TColor kolor) {
    kolorMiast_ = kolor;
    update();
}

void WidokPunktow::UstawKolorTrasy(TColor kolor) {
    kolorTrasy_ = kolor;
    update();
}

void WidokPunktow::UstawGruboscTrasy(int grubosc) {
    gruboscTrasy_ = std::clamp(grubosc, 1, Plotno::MaksGrubosc);
    update();
}

RzutPunktow WidokPunktow::Rzut(QSize rozmiar) const {
    RzutPunktow rzut = dopasowany_ ? Dopasowanie(size()) : RzutPunktow{skala_, srodek_, {}, 0.0};
    rzut.polowa = QPointF(rozmiar.width() / 2.0, rozmiar.height() / 2.0);
    rzut.znakY = RzutPunktow::ZnakY(os_);
    return rzut;
}

RzutPunktow WidokPunktow::Dopasowanie(QSize rozmiar) const {
    RzutPunktow rzut;
    if (minX_ > maxX_)
        return rzut;
    // Halves first: an extent from -1e308 to 1e308 has a middle too.
    rzut.srodek = QPointF(minX_ / 2 + maxX_ / 2, minY_ / 2 + maxY_ / 2);
    const double szerokosc = maxX_ - minX_;
    const double wysokosc = maxY_ - minY_;
    const double dostepnaSzerokosc = std::max(1.0, double(rozmiar.width()) - 2 * Margines);
    const double dostepnaWysokosc = std::max(1.0, double(rozmiar.height()) - 2 * Margines);
    // A line of cities is fitted along its length; cities all in one place
    // are shown at the actual size.
    double skala = 1.0;
    if (szerokosc > 0.0 && wysokosc > 0.0)
        skala = std::min(dostepnaSzerokosc / szerokosc, dostepnaWysokosc / wysokosc);
    else if (szerokosc > 0.0)
        skala = dostepnaSzerokosc / szerokosc;
    else if (wysokosc > 0.0)
        skala = dostepnaWysokosc / wysokosc;
    rzut.skala = std::clamp(skala, MinSkala, MaksSkala);
    return rzut;
}

QPointF WidokPunktow::OgraniczSrodek(QPointF srodek, double skala) const {
    if (minX_ > maxX_)
        return srodek;
    const double polowaX = width() / 2.0 / skala;
    const double polowaY = height() / 2.0 / skala;
    return QPointF(std::clamp(srodek.x(), minX_ - polowaX, maxX_ + polowaX),
                   std::clamp(srodek.y(), minY_ - polowaY, maxY_ + polowaY));
}

void WidokPunktow::UstawWidok(double skala, QPointF srodek) {
    if (!std::isfinite(skala) || skala <= 0.0 || !std::isfinite(srodek.x()) || !std::isfinite(srodek.y()))
        return;
    skala_ = std::clamp(skala, MinSkala, MaksSkala);
    srodek_ = OgraniczSrodek(srodek, skala_);
    dopasowany_ = false;
    update();
}

void WidokPunktow::Dopasuj() {
    dopasowany_ = true;
    update();
}

double WidokPunktow::PoKroku(double mnoznik) const {
    const double stara = Skala();
    double nowa = stara * mnoznik;
    // Smaller than all the cities in the widget is no use to anyone.
    if (mnoznik < 1.0)
        nowa = std::max(nowa, std::min(stara, Dopasowanie(size()).skala));
    if ((stara < 1.0 && nowa > 1.0) || (stara > 1.0 && nowa < 1.0))
        return 1.0;
    return nowa;
}

void WidokPunktow::Skaluj(double skala, QPointF punkt) {
    const RzutPunktow rzut = Rzut();
    const QPointF pod = rzut.NaWspolrzedne(punkt);
    skala = std::clamp(skala, MinSkala, MaksSkala);
    const QPointF odSrodka = punkt - rzut.polowa;
    UstawWidok(skala, QPointF(pod.x() - odSrodka.x() / skala, pod.y() - rzut.znakY * odSrodka.y() / skala));
}

void WidokPunktow::Powieksz() {
    Skaluj(PoKroku(Krok), Rzut().polowa);
}

void WidokPunktow::Pomniejsz() {
    Skaluj(PoKroku(1.0 / Krok), Rzut().polowa);
}

void WidokPunktow::RzeczywistyRozmiar() {
    Skaluj(1.0, Rzut().polowa);
}

int WidokPunktow::MiastoPod(QPointF piksel, double promien) const {
    const RzutPunktow rzut = Rzut();
    int najblizsze = -1;
    double najmniej = promien * promien;
    for (int k = 0; k < LiczbaMiast(); ++k) {
        const QPointF p = rzut.NaPiksel(x_[std::size_t(k)], y_[std::size_t(k)]) - piksel;
        const double kwadrat = p.x() * p.x() + p.y() * p.y();
        // Not a number for a city without a place: never the nearest.
        if (kwadrat <= najmniej) {
            najmniej = kwadrat;
            najblizsze = k;
        }
    }
    return najblizsze;
}

QSize WidokPunktow::sizeHint() const {
    return QSize(400, 300);
}

void WidokPunktow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    RysujDo(painter, event->rect());
}

void WidokPunktow::RysujDo(QPainter& painter, const QRect& obszar) const {
    RysujDo(painter, size(), obszar);
}

void WidokPunktow::RysujDo(QPainter& painter, QSize rozmiar, const QRect& obszar) const {
    const QRect czesc = obszar & QRect(QPoint(0, 0), rozmiar);
    if (czesc.isEmpty())
        return;
    QImage bufor(czesc.size(), QImage::Format_RGB32);
    if (bufor.isNull())
        return;
    Rysuj(bufor, czesc.topLeft(), rozmiar);
    painter.drawImage(czesc.topLeft(), bufor);
}

QImage WidokPunktow::Obraz(QSize rozmiar) const {
    QImage obraz(rozmiar, QImage::Format_RGB32);
    if (!obraz.isNull())
        Rysuj(obraz, QPoint(0, 0), rozmiar);
    return obraz;
}

void WidokPunktow::Rysuj(QImage& obraz, QPoint poczatek, QSize rozmiar) const {
    obraz.fill(toQColor(kolorTla_));
    Plotno plotno(obraz, poczatek, QRect(QPoint(0, 0), rozmiar));
    const RzutPunktow rzut = Rzut(rozmiar);
    const int n = LiczbaMiast();

    // Each city mapped once, in order; the route then reads the places at
    // random, a cache miss a city that the walk of the segment before it
    // would wait for, unless the place is asked for some cities ahead.
    // A city whose place is no number maps to none: no dot, and the route
    // passes it over.
    std::vector<QPointF> piksele(static_cast<std::size_t>(n));
    const QRgb miasto = toQColor(kolorMiast_).rgb();
    for (std::size_t k = 0; k < piksele.size(); ++k) {
        piksele[k] = rzut.NaPiksel(x_[k], y_[k]);
        plotno.Kwadrat(piksele[k], BokKropki, miasto);
    }

    const QRgb trasa = toQColor(kolorTrasy_).rgb();
    constexpr std::size_t wyprzedzenie = 16;
    bool pierwszy = true;
    QPointF poczatekTrasy;
    QPointF poprzedni;
    for (std::size_t i = 0; i < trasa_.size(); ++i) {
        if (i + wyprzedzenie < trasa_.size()) {
            const int dalszy = trasa_[i + wyprzedzenie];
            if (dalszy >= 0 && dalszy < n)
                __builtin_prefetch(&piksele[std::size_t(dalszy)]);
        }
        const int k = trasa_[i];
        if (k < 0 || k >= n)
            continue;
        const QPointF p = piksele[std::size_t(k)];
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            continue;
        if (pierwszy) {
            poczatekTrasy = p;
            pierwszy = false;
        } else {
            plotno.Odcinek(poprzedni, p, gruboscTrasy_, trasa);
        }
        poprzedni = p;
    }
    if (!pierwszy)
        plotno.Odcinek(poprzedni, poczatekTrasy, gruboscTrasy_, trasa);

    const QRgb badane = toQColor(kolorBadanych_).rgb();
    for (const auto& [a, b] : badane_) {
        if (a < 0 || a >= n || b < 0 || b >= n)
            continue;
        const QPointF p = piksele[std::size_t(a)];
        const QPointF q = piksele[std::size_t(b)];
        if (std::isfinite(p.x()) && std::isfinite(p.y()) && std::isfinite(q.x()) && std::isfinite(q.y()))
            plotno.Odcinek(p, q, gruboscTrasy_, badane);
    }
}

void WidokPunktow::UstawBadane(std::vector<std::pair<int, int>> odcinki) {
    if (odcinki.empty() && badane_.empty())
        return;
    badane_ = std::move(odcinki);
    update();
}

void WidokPunktow::UstawKolorBadanych(TColor kolor) {
    kolorBadanych_ = kolor;
    update();
}

void WidokPunktow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (wcisniety_)
        return;
    wcisniety_ = true;
    przeciaga_ = false;
    przycisk_ = event->button();
    miejsceWcisniecia_ = event->position();
    srodekWcisniecia_ = Srodek();
}

void WidokPunktow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!wcisniety_ || przycisk_ != Qt::LeftButton)
        return;
    const QPointF droga = event->position() - miejsceWcisniecia_;
    if (!przeciaga_ && droga.manhattanLength() < QApplication::startDragDistance())
        return;
    if (!przeciaga_) {
        przeciaga_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    // Measured from the press, not from the last move: the coordinate under
    // the pointer at the press stays under it.
    const double skala = Skala();
    const double znakY = RzutPunktow::ZnakY(os_);
    UstawWidok(skala, QPointF(srodekWcisniecia_.x() - droga.x() / skala,
                              srodekWcisniecia_.y() - znakY * droga.y() / skala));
}

void WidokPunktow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!wcisniety_ || event->button() != przycisk_)
        return;
    wcisniety_ = false;
    if (przeciaga_) {
        przeciaga_ = false;
        setCursor(Qt::OpenHandCursor);
    } else {
        emit KliknietyW(event->position());
        emit Klikniety();
    }
}

void WidokPunktow::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    // 120 is one notch; finer wheels and touchpads send parts of it.
    const int obrot = event->angleDelta().y();
    if (obrot != 0) {
        Skaluj(PoKroku(std::pow(Krok, obrot / 120.0)), event->position());
        // A drag under way goes on from the new view.
        miejsceWcisniecia_ = event->position();
        srodekWcisniecia_ = Srodek();
    }
    event->accept();
}
