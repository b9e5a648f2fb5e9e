#pragma once

#include "search/CGenetyk.h"
#include "ui/TOknoObliczen.h"

#include <memory>

class OknoGlowne;
class QCheckBox;
class QLabel;

// The genetic search's settings as the user wrote them; the window converts
// them when it is shown.
struct UstawieniaGenetyczne {
    QString IlePokolen;
    QString LicznoscPopulacji;
    QString PKrzyzowania;
    QString PMutacji;
};

// The progress window of the genetic search. Shown modally by the search
// dialog; it starts the search with the dialog's settings, shows each
// generation (the search calls Wyswietl), optionally draws every better route
// on the grid, and closes with OK when the search has run all its
// generations, or with Przerwano when the user has finished it early.
class TObliczGenetycznieForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczGenetycznieForm(OknoGlowne& oknoGlowne, QWidget* parent);
    ~TObliczGenetycznieForm() override;

    // Runs a search with these settings modally and returns the window's
    // modal result.
    int Uruchom(const UstawieniaGenetyczne& ustawienia);

    // The search of the last run, kept with its results until the next show.
    std::unique_ptr<CGenetyk> Genetyk;
    UstawieniaGenetyczne Ustawienia;
    // The best length last shown; -1 when nothing is shown since the reset.
    double OstatniaDroga = -1.0;

    QLabel* Label2 = nullptr;
    QLabel* IlePokolenLabel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* NrPokoleniaLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* NajkrotszaDrogaLabel = nullptr;
    QCheckBox* RysujTraseCheck = nullptr;

    void RysujTraseCheckClick();
    // The display step, run on this thread while the search waits.
    void Wyswietl();
    // The end notification: connected to the search's QThread::finished.
    void PoZakonczeniuThreada();

    WynikObliczen Wynik() const override;

protected:
    HoldableThread* BiezacyWatek() const override { return Genetyk.get(); }
    void PrzygotujObliczenia() override;
    void UsunObliczenia() override;

private:
    OknoGlowne& oknoGlowne_;
};
