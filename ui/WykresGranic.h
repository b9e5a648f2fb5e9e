#pragma once

#include "search/dowod/CelDowodu.h"
#include "search/dowod/PostepDowodu.h"

#include "ui/WykresDlugosci.h"

#include <vector>

// The live chart of a proof: the lower and the upper bound on the route
// searched for against the search's running seconds, drawn as the steps
// they move in, until they meet. For the shortest route the lower bound is
// the proof's and the upper one the best route's length; for the longest
// the other way round.
class WykresGranic : public WykresDlugosci {
    Q_OBJECT

public:
    explicit WykresGranic(QWidget* parent);

    // Draws the record anew, the last values carried on to teraz seconds.
    void Pokaz(const std::vector<PostepDowodu::PunktGranic>& historia, double teraz);
    // Empties the chart for the route cel, named in its title, in a run of
    // limitSekund seconds, the time axis's length until the first figure.
    void Wyczysc(double limitSekund, CelDowodu cel);
    CelDowodu Cel() const { return cel_; }

    QLineSeries* DolnaGranica = nullptr;
    QLineSeries* GornaGranica = nullptr;
    QValueAxis* OsCzasu = nullptr;

private:
    double limitSekund_ = 1.0;
    CelDowodu cel_ = CelDowodu::Najkrotsza;
};
