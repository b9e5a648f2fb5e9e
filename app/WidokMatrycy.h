#pragma once

#include <QObject>
#include <QPoint>

class CMatryca;
class QScrollArea;
class QStackedWidget;
class WidokPunktow;

// The main window's view of its cities, the grid or the points, whichever the
// window shows: fitted to the window, zoomed in and out, or at the actual
// size. Ctrl+wheel zooms about the pointer. Only the grid's view scale
// changes; none of its settings does. The view of points has its own fit,
// zoom and drag, which this passes the commands to.
class WidokMatrycy : public QObject {
    Q_OBJECT

public:
    WidokMatrycy(CMatryca& matryca, QScrollArea& przewijanie, WidokPunktow& punkty, QStackedWidget& srodek);

    // The whole grid in the box, as large as fits. The view stays fitted,
    // through changes of the box's size, until the next zoom.
    void Dopasuj();
    void Powieksz();
    void Pomniejsz();
    void RzeczywistyRozmiar();

    bool Dopasowany() const { return dopasowany_; }

    // One step of "Powiększ": two make twice the size.
    static constexpr double Krok = 1.4142135623730951;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    bool NaPunktach() const;
    double SkalaDopasowania() const;
    // Sets the scale keeping the grid point under punkt, a point of the
    // scroll box's viewport, where it is.
    void Skaluj(double skala, QPoint punkt);
    // A step that passes over the actual size stops at it.
    double PoKroku(double mnoznik) const;
    QPoint SrodekWidoku() const;

    CMatryca& matryca_;
    QScrollArea& przewijanie_;
    WidokPunktow& punkty_;
    QStackedWidget& srodek_;
    bool dopasowany_ = false;
    bool dopasowywanie_ = false;
};
