#pragma once

#include "search/dowod/TDowodThread.h"
#include "ui/DlugoscZDowodem.h"
#include "ui/TOknoObliczen.h"

#include <QTimer>

#include <memory>

class OknoGlowne;
class QLabel;
class RysunekLP;
class WykresGranic;

// The progress window of the proof of optimality. Shown modally by the
// search dialog; it proves the shortest route and then the longest on the
// current cities within the dialog's time limit (the shortest may take half
// of it), shows the bounds of the route being proven closing in on one chart
// and the current LP solution over the cities (the route itself once it is
// proven), and closes with OK when both
// are proven, when the time is up, or when the user has finished it early:
// the best routes so far, with their bounds, are the result.
class TObliczDowodForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczDowodForm(OknoGlowne& oknoGlowne, QWidget* parent);
    ~TObliczDowodForm() override;

    // Runs a proof of czasSzukania seconds modally and returns the window's
    // modal result.
    int Uruchom(int czasSzukania);

    // The worker of the last run, kept with its results until the next show.
    std::unique_ptr<TDowodThread> Watek;
    int CzasSzukania = 60;

    QLabel* Label1 = nullptr;
    QLabel* CzasLabel = nullptr;
    // Each route: its length so far and what the proof says of it.
    QLabel* Label2 = nullptr;
    QLabel* NajkrotszaLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* NajdluzszaLabel = nullptr;
    // The bounds and the branch and cut's nodes of the route being proven,
    // which the chart's title names.
    QLabel* Label4 = nullptr;
    QLabel* DolnaLabel = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* GornaLabel = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* WezlyLabel = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* CieciaLabel = nullptr;
    WykresGranic* Wykres = nullptr;
    RysunekLP* Rysunek = nullptr;
    QTimer Timer;

    void TimerTimer();
    // The end notification: connected to the worker's QThread::finished.
    void PoZakonczeniuThreada();

    // The shortest route (the route of Wynik()) and the longest, with what
    // the proof says of each; meaningful after a close with OK. The longest
    // is none when the user finished the proof before it was begun.
    DlugoscZDowodem Najkrotsza() const;
    DlugoscZDowodem Najdluzsza() const;
    WynikObliczen Wynik() const override;

    // The running time as the window shows it, against the limit.
    static QString TekstCzasu(double sekundy, int limit);

protected:
    HoldableThread* BiezacyWatek() const override { return Watek.get(); }
    void PrzygotujObliczenia() override;
    void UsunObliczenia() override;
    void PoUruchomieniu() override;
    void ZatrzymajWyswietlanie() override;
    // A proof cut short still has its best routes and bounds: a confirmed
    // finish shows them as its own end does.
    int WynikZakonczenia() const override;

private:
    void PokazPostep();
    QString TekstTrasy(CelDowodu cel) const;
    double SekundyPracy() const;

    OknoGlowne& oknoGlowne_;
    // The route the bounds, the chart and the drawing are of: they start
    // afresh when the proof of the longest route has its first route.
    CelDowodu pokazany_ = CelDowodu::Najkrotsza;
    // The proven route of that goal is drawn in place of its LP solution.
    bool narysowanaUdowodniona_ = false;
};
