#pragma once

#include "ui/TOknoObliczen.h"

#include <QElapsedTimer>

#include <vector>

class QCheckBox;
class QLabel;
class WykresPrzeszukiwania;

// The progress window of the local search. Shown modally by the search
// dialog; it starts the search on the current cities with the dialog's time
// limit, shows its running time, rounds and best length, optionally draws
// the best route so far on the grid, charts the best length over time, and
// closes with OK when the search has used its time or when the user has
// finished it early: either way its best route so far is the result, with
// a lower bound computed after it in a tenth of its time.
class TObliczLokalnieForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczLokalnieForm(OknoGlowne& oknoGlowne, QWidget* parent);

    // Runs a search of czasSzukania seconds modally and returns the window's
    // modal result.
    int Uruchom(int czasSzukania);

    QLabel* Label1 = nullptr;
    QLabel* CzasLabel = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* RundyLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* NajkrotszaDrogaLabel = nullptr;
    QCheckBox* RysujTraseCheck = nullptr;
    WykresPrzeszukiwania* Wykres = nullptr;

    void RysujTraseCheckClick();

protected:
    void Wyczysc(const UstawieniaSesji& ustawienia) override;
    void Pokaz(const MigawkaSesji& migawka, bool koniec) override;

private:
    void RysujNajlepsza();

    int czasSzukania_ = 10;
    // The best route the search has handed out, drawn at most twice a
    // second while the box is ticked.
    std::vector<int> najlepsza_;
    bool nowaTrasa_ = false;
    QElapsedTimer ostatnieRysowanie_;
};
