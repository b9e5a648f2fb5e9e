#pragma once

#include <QChartView>

class QLineSeries;
class QValueAxis;

// A chart of route lengths: lines against a horizontal axis (seconds or
// generations) and the length axis, in the small font every chart of the
// program uses. Each line is replaced in one go, so that the chart is laid
// out once per display however many points it has.
class WykresDlugosci : public QChartView {
    Q_OBJECT

public:
    WykresDlugosci(QWidget* parent, const QString& tytulOsi);

    QValueAxis* OsPozioma = nullptr;
    QValueAxis* OsDlugosci = nullptr;

protected:
    QLineSeries* DodajSerie(const QString& nazwa);
    // The horizontal axis as seconds from poczatek to koniec, with about
    // five round steps.
    void UstawOsCzasu(double poczatek, double koniec);
    // The lengths from najmniej to najwiecej, widened where a few units
    // would repeat one rounded label down the axis.
    void UstawOsDlugosci(double najmniej, double najwiecej);
    // The font of the axes, for the chart's other parts.
    QFont Czcionka() const;
};
