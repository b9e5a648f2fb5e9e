#pragma once

#include "search/lokalne/TObliczLokalnieThread.h"
#include "ui/TOknoObliczen.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>

class OknoGlowne;
class QCheckBox;
class QLabel;
class WykresPrzeszukiwania;

// The progress window of the local search. Shown modally by the search
// dialog; it starts the search on the current cities with the dialog's time
// limit, shows its running time, rounds and best length on its own clock,
// optionally draws the best route so far on the grid, charts the best length
// over time, and closes with OK when the search has used its time or when
// the user has finished it early: either way its best route so far is the
// result.
class TObliczLokalnieForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczLokalnieForm(OknoGlowne& oknoGlowne, QWidget* parent);
    ~TObliczLokalnieForm() override;

    // Runs a search of czasSzukania seconds modally and returns the window's
    // modal result.
    int Uruchom(int czasSzukania);

    // The worker of the last run, kept with its results until the next show.
    std::unique_ptr<TObliczLokalnieThread> Watek;
    int CzasSzukania = 10;

    QLabel* Label1 = nullptr;
    QLabel* CzasLabel = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* RundyLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* NajkrotszaDrogaLabel = nullptr;
    QCheckBox* RysujTraseCheck = nullptr;
    WykresPrzeszukiwania* Wykres = nullptr;
    QTimer Timer;

    void TimerTimer();
    void RysujTraseCheckClick();
    // The end notification: connected to the worker's QThread::finished.
    void PoZakonczeniuThreada();

    WynikObliczen Wynik() const override;

    // The running time as the window shows it, against the limit.
    static QString TekstCzasu(double sekundy, int limit);

protected:
    HoldableThread* BiezacyWatek() const override { return Watek.get(); }
    void PrzygotujObliczenia() override;
    void UsunObliczenia() override;
    void PoUruchomieniu() override;
    void ZatrzymajWyswietlanie() override;
    // A search that runs for a time the user chose has its best route so
    // far as its result: a confirmed finish shows it as its own end does.
    int WynikZakonczenia() const override;

private:
    void PokazPostep();
    void RysujNajlepsza();

    OknoGlowne& oknoGlowne_;
    // The search's running time as the window counts it: ticks while the
    // search is held do not count, as they do not count against its limit.
    QElapsedTimer ostatnieRysowanie_;
    // The box was ticked: the best route is drawn even if it is not new.
    bool rysujBiezaca_ = false;
};
