#pragma once

#include "ui/WykresDlugosci.h"

class SeriaZbieznosci;

// The convergence chart of a genetic run: the best length so far and each
// generation's best length against the generation number.
class WykresZbieznosci : public WykresDlugosci {
    Q_OBJECT

public:
    explicit WykresZbieznosci(QWidget* parent);

    void Pokaz(const SeriaZbieznosci& seria);
    void Wyczysc();

    QLineSeries* NajlepszeWPokoleniu = nullptr;
    QLineSeries* NajlepszeDotad = nullptr;
    QValueAxis* OsPokolen = nullptr;
};
