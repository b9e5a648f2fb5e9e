#pragma once

#include "grid/RzutPunktow.h"
#include "toolkit/core/Color.h"

#include <QPointF>
#include <QWidget>

#include <utility>
#include <vector>

class QImage;
class QPainter;

// Cities as dots at their own coordinates, with a route through them: the
// view of an instance that does not fit the grid one city per cell. It has a
// view of its own, fitted, zoomed and dragged; a click changes nothing and
// is reported by Klikniety.
class WidokPunktow : public QWidget {
    Q_OBJECT

public:
    explicit WidokPunktow(QWidget* owner = nullptr);
    ~WidokPunktow() override;

    // City k at (x[k], y[k]); entries beyond the shorter vector are no
    // cities, and a city with a coordinate that is not a number or infinite
    // is not drawn. Empties the route and fits the view.
    void UstawMiasta(std::vector<double> x, std::vector<double> y, OsY os);
    int LiczbaMiast() const { return static_cast<int>(x_.size()); }
    OsY KierunekY() const { return os_; }

    // City numbers in visiting order, the last joined back to the first;
    // empty for none. Numbers of no city are passed over. Cheap enough to
    // call while a search runs: the dots and the route are drawn in one
    // pass at the next paint.
    void UstawTrase(std::vector<int> trasa);
    const std::vector<int>& Trasa() const { return trasa_; }

    TColor KolorTla() const { return kolorTla_; }
    void UstawKolorTla(TColor kolor);
    TColor KolorMiast() const { return kolorMiast_; }
    void UstawKolorMiast(TColor kolor);
    TColor KolorTrasy() const { return kolorTrasy_; }
    void UstawKolorTrasy(TColor kolor);
    // What a step of step mode looked at, city to city, drawn over the
    // route in a colour of its own; empty for none.
    void UstawBadane(std::vector<std::pair<int, int>> odcinki);
    const std::vector<std::pair<int, int>>& Badane() const { return badane_; }
    TColor KolorBadanych() const { return kolorBadanych_; }
    void UstawKolorBadanych(TColor kolor);
    int GruboscTrasy() const { return gruboscTrasy_; }
    void UstawGruboscTrasy(int grubosc);

    // All cities in the widget with a margin, as large as fits; a single
    // place at the actual size, in the middle. The view stays fitted
    // through changes of the widget's size until the next zoom or drag.
    void Dopasuj();
    // By Krok about the middle of the widget.
    void Powieksz();
    void Pomniejsz();
    // One pixel per coordinate unit, about the middle of the widget.
    void RzeczywistyRozmiar();
    // The coordinate srodek in the middle of the widget at skala pixels per
    // unit, within the limits below; ends a fitted view.
    void UstawWidok(double skala, QPointF srodek);

    bool Dopasowany() const { return dopasowany_; }
    double Skala() const { return Rzut().skala; }
    QPointF Srodek() const { return Rzut().srodek; }

    static constexpr double Krok = 1.4142135623730951;
    static constexpr double MinSkala = 1e-12;
    static constexpr double MaksSkala = 1e12;
    // Pixels left free about the cities of a fitted view.
    static constexpr int Margines = 8;
    // The side of a city's dot, in pixels.
    static constexpr int BokKropki = 3;

    // Positions in the widget: pixel (i, j) spans i..i+1 and j..j+1.
    QPointF NaPiksel(QPointF wspolrzedne) const { return Rzut().NaPiksel(wspolrzedne); }
    QPointF NaWspolrzedne(QPointF piksel) const { return Rzut().NaWspolrzedne(piksel); }
    // The city whose dot is nearest the position in the widget, within
    // promien pixels of it; -1 for none.
    int MiastoPod(QPointF piksel, double promien = ZasiegKlikniecia) const;
    static constexpr double ZasiegKlikniecia = 6.0;

    // The part obszar of the view as the widget shows it.
    void RysujDo(QPainter& painter, const QRect& obszar) const;
    // The view at its scale in a picture of another size, its middle in the
    // picture's middle: the widget's view, bigger or smaller.
    void RysujDo(QPainter& painter, QSize rozmiar, const QRect& obszar) const;
    QImage Obraz(QSize rozmiar) const;

    QSize sizeHint() const override;

signals:
    // A press and release of a button without a drag between them: the
    // window may say that cities are not placed here. Only the left button
    // drags.
    void Klikniety();
    // The same click, where in the widget it was; raised first.
    void KliknietyW(QPointF miejsce);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The view in the widget at its present size; a fitted one follows it.
    RzutPunktow Rzut() const { return Rzut(size()); }
    RzutPunktow Rzut(QSize rozmiar) const;
    RzutPunktow Dopasowanie(QSize rozmiar) const;
    // Keeps the view's middle where some city can still be seen.
    QPointF OgraniczSrodek(QPointF srodek, double skala) const;
    // Sets the scale keeping the coordinate under punkt where it is.
    void Skaluj(double skala, QPointF punkt);
    // A step that passes over the actual size stops at it, and none goes
    // below the fitted scale.
    double PoKroku(double mnoznik) const;
    void Rysuj(QImage& obraz, QPoint poczatek, QSize rozmiar) const;

    std::vector<double> x_;
    std::vector<double> y_;
    OsY os_ = OsY::WGore;
    // The extent of the cities that are drawn; none when min > max.
    double minX_ = 1.0, maxX_ = 0.0, minY_ = 1.0, maxY_ = 0.0;
    std::vector<int> trasa_;

    TColor kolorTla_ = rgbColor(0xFF, 0xFF, 0xFF);
    TColor kolorMiast_ = rgbColor(0, 0, 0);
    TColor kolorTrasy_ = rgbColor(0, 0x80, 0);
    std::vector<std::pair<int, int>> badane_;
    TColor kolorBadanych_ = rgbColor(0xFF, 0x80, 0);
    int gruboscTrasy_ = 2;

    bool dopasowany_ = true;
    double skala_ = 1.0;
    QPointF srodek_;

    // A press waits for the pointer to move further than the drag distance
    // before it drags; released sooner, it was a click.
    bool wcisniety_ = false;
    bool przeciaga_ = false;
    Qt::MouseButton przycisk_ = Qt::NoButton;
    QPointF miejsceWcisniecia_;
    QPointF srodekWcisniecia_;
};
