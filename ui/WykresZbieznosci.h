#pragma once

#include <QChartView>

class QLineSeries;
class QValueAxis;
class SeriaZbieznosci;

// The convergence chart of a genetic run: the best length so far and each
// generation's best length against the generation number.
class WykresZbieznosci : public QChartView {
    Q_OBJECT

public:
    explicit WykresZbieznosci(QWidget* parent);

    // Draws the series anew; both lines are replaced in one go each, so the
    // chart is laid out once per call however many points there are.
    void Pokaz(const SeriaZbieznosci& seria);
    void Wyczysc();

    QLineSeries* NajlepszeDotad = nullptr;
    QLineSeries* NajlepszeWPokoleniu = nullptr;
    QValueAxis* OsPokolen = nullptr;
    QValueAxis* OsDlugosci = nullptr;
};
