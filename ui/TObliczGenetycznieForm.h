#pragma once

#include "search/genetyczne/CGenetyk.h"
#include "ui/TOknoObliczen.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>

class OknoGlowne;
class QCheckBox;
class QLabel;
class WykresZbieznosci;

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
// newest state on its own clock (the search never waits for it), optionally
// draws every better route on the grid, charts the run's convergence, and
// closes with OK when the search has run all its
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
    WykresZbieznosci* Wykres = nullptr;
    // Shows the newest state 33 times a second while the search runs.
    QTimer Timer;

    void RysujTraseCheckClick();
    // The display step: shows one state of the search.
    void Wyswietl(const StanGenetyka& stan);
    // Shows the newest state the search has published, if there is one.
    void TimerTimer();
    // The end notification: connected to the search's QThread::finished.
    void PoZakonczeniuThreada();

    WynikObliczen Wynik() const override;

protected:
    HoldableThread* BiezacyWatek() const override { return Genetyk.get(); }
    void PrzygotujObliczenia() override;
    void UsunObliczenia() override;
    void PoUruchomieniu() override;
    void ZatrzymajWyswietlanie() override;

private:
    // Shows whatever an ended search published and the window has not shown.
    void PokazKoniec();

    OknoGlowne& oknoGlowne_;
    QElapsedTimer odswiezenieWykresu_;
};
