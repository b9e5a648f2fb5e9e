#pragma once

#include <QObject>
#include <QPoint>

class CMatryca;
class QScrollArea;

// The main window's view of its grid: fitted to the scroll box, zoomed in and
// out, or at the actual size. Ctrl+wheel over the grid zooms about the
// pointer. Only the grid's view scale changes; none of its settings does.
class WidokMatrycy : public QObject {
    Q_OBJECT

public:
    WidokMatrycy(CMatryca& matryca, QScrollArea& przewijanie);

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
    double SkalaDopasowania() const;
    // Sets the scale keeping the grid point under punkt, a point of the
    // scroll box's viewport, where it is.
    void Skaluj(double skala, QPoint punkt);
    // A step that passes over the actual size stops at it.
    double PoKroku(double mnoznik) const;
    QPoint SrodekWidoku() const;

    CMatryca& matryca_;
    QScrollArea& przewijanie_;
    bool dopasowany_ = false;
    bool dopasowywanie_ = false;
};
