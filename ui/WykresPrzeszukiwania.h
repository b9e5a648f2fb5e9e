#pragma once

#include "search/lokalne/PostepPrzeszukiwania.h"

#include <QChartView>

#include <vector>

class QLineSeries;
class QValueAxis;

// The live chart of a local search: the best length so far against the
// search's running seconds, drawn as the steps it falls in.
class WykresPrzeszukiwania : public QChartView {
    Q_OBJECT

public:
    explicit WykresPrzeszukiwania(QWidget* parent);

    // Draws the record anew, its last length carried on to teraz seconds;
    // one replace of the series, so one layout however many points there are.
    void Pokaz(const std::vector<PostepPrzeszukiwania::PunktZbieznosci>& punkty, double teraz);
    // Empties the chart for a run of limitSekund seconds, the time axis's
    // length until the run outlasts it.
    void Wyczysc(double limitSekund);

    QLineSeries* NajlepszaDotad = nullptr;
    QValueAxis* OsCzasu = nullptr;
    QValueAxis* OsDlugosci = nullptr;

private:
    void UstawOsCzasu(double koniec);

    double limitSekund_ = 1.0;
};
