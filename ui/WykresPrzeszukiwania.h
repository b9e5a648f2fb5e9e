#pragma once

#include "search/lokalne/PostepPrzeszukiwania.h"
#include "ui/WykresDlugosci.h"

#include <vector>

// The live chart of a local search: the best length so far against the
// search's running seconds, drawn as the steps it falls in.
class WykresPrzeszukiwania : public WykresDlugosci {
    Q_OBJECT

public:
    explicit WykresPrzeszukiwania(QWidget* parent);

    // Draws the record anew, its last length carried on to teraz seconds.
    void Pokaz(const std::vector<PostepPrzeszukiwania::PunktZbieznosci>& punkty, double teraz);
    // Empties the chart for a run of limitSekund seconds, the time axis's
    // length until the run outlasts it.
    void Wyczysc(double limitSekund);

    QLineSeries* NajlepszaDotad = nullptr;
    QValueAxis* OsCzasu = nullptr;

private:
    double limitSekund_ = 1.0;
};
