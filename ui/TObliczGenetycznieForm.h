#pragma once

#include "ui/TOknoObliczen.h"

#include <QElapsedTimer>

class QCheckBox;
class QLabel;
class WykresZbieznosci;
struct StanGenetyka;

// The genetic search's settings as the user wrote them; the window converts
// them when it is shown.
struct UstawieniaGenetyczne {
    QString IlePokolen;
    QString LicznoscPopulacji;
    QString PKrzyzowania;
    QString PMutacji;
};

// The progress window of the genetic search. Shown modally by the search
// dialog; it starts the search with the dialog's settings, shows the search's
// newest state 33 times a second (the search never waits for it),
// optionally draws every better route on the grid, charts the run's
// convergence, and closes with OK when the search has run all its
// generations, or with Przerwano when the user has finished it early.
class TObliczGenetycznieForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczGenetycznieForm(OknoGlowne& oknoGlowne, QWidget* parent);

    // Runs a search with these settings modally and returns the window's
    // modal result.
    int Uruchom(const UstawieniaGenetyczne& ustawienia);

    // The best length last shown; -1 when nothing is shown since the reset.
    double OstatniaDroga = -1.0;

    QLabel* Label2 = nullptr;
    QLabel* IlePokolenLabel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* NrPokoleniaLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* NajkrotszaDrogaLabel = nullptr;
    QCheckBox* RysujTraseCheck = nullptr;
    WykresZbieznosci* Wykres = nullptr;

    void RysujTraseCheckClick();
    // The display step: shows one state of the search.
    void Wyswietl(const StanGenetyka& stan);

protected:
    void Wyczysc(const UstawieniaSesji& ustawienia) override;
    void Pokaz(const MigawkaSesji& migawka, bool koniec) override;

private:
    QElapsedTimer odswiezenieWykresu_;
};
