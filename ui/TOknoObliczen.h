#pragma once

#include "search/sesja/MigawkaSesji.h"
#include "search/sesja/UstawieniaSesji.h"
#include "search/sesja/WynikSesji.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <utility>

class OknoGlowne;
class QCheckBox;
class QLabel;
class QLayout;
class QPushButton;
class QSlider;
class SesjaSzukania;
struct ZestawMiast;

// The frame of every progress window: shown by Uruchom, it starts a search
// session on the main window's cities, shows the session's snapshot on its
// timer, lets the user pause and resume it, and closes with WynikModalny::OK
// once the search has run to its end, or with WynikModalny::Przerwano when
// the user confirms finishing it early (a search that runs for a time keeps
// its best route then, and closes with OK) or the search fails (its error
// shown in the standard error box). Every way of closing it — a modal
// result, the close box, Esc — passes through FormClose.
//
// Each window says only its labels (Wyczysc) and how it shows a snapshot
// (Pokaz).
class TOknoObliczen : public QDialog {
    Q_OBJECT

public:
    TOknoObliczen(OknoGlowne& oknoGlowne, QWidget* parent, int okresWyswietlania);
    ~TOknoObliczen() override;

    // A search started by this window is running.
    bool Trwa = false;
    // The next search runs in step mode ("Krok po kroku").
    bool KrokPoKroku = false;

    QPushButton* WstrzymajButton = nullptr;
    QPushButton* ZakonczButton = nullptr;
    // Step mode's controls, shown only for a search in step mode.
    QWidget* PanelKrokow = nullptr;
    QPushButton* KrokButton = nullptr;
    QSlider* TempoSlider = nullptr;
    QLabel* KrokLabel = nullptr;
    QLabel* OpisKrokuLabel = nullptr;
    QTimer Timer;

    // Replaces the previous run's session by a new one and starts it; may
    // raise an error, and the window then opens without a search.
    void FormShow();
    // wynik is the modal result the close would give; zamknij false cancels
    // the close. A running search is finished only after the user confirms.
    void FormClose(int& wynik, bool& zamknij);
    // Pauses the search, or resumes it when it is paused.
    void WstrzymajButtonClick();
    void ZakonczButtonClick();
    void KrokButtonClick();
    void TempoSliderChange(int tempo);
    void TimerTimer();
    // The session's end notification.
    void PoZakonczeniuThreada();
    // Drops the session; run when the window is destroyed.
    void FormDestroy();

    // The session of the last run, kept with its answer until the next show.
    SesjaSzukania* Sesja() const { return sesja_.get(); }
    // The answer of the last run; meaningful after a close with OK.
    const WynikSesji& Wynik() const;

    // The progress text while the search builds its distance table.
    static QString TekstBudowy(int procent);
    // The running time as the windows show it, against the limit.
    static QString TekstCzasu(double sekundy, int limit);

    void done(int wynik) override;
    void reject() override;

protected:
    // Runs a search modally and returns the window's modal result; the
    // settings are made when the window is shown, where a text that does not
    // convert is reported and the window opens without a search.
    int Uruchom(std::function<UstawieniaSesji()> ustawienia);

    // Empties the window's values for a run of these settings.
    virtual void Wyczysc(const UstawieniaSesji& ustawienia) = 0;
    // Shows a snapshot of the running search; koniec: the last one, once
    // the search has ended by itself.
    virtual void Pokaz(const MigawkaSesji& migawka, bool koniec) = 0;
    // Each tick holds the search while it reads it, and leaves an ended
    // search held.
    virtual bool TrzymajPrzyOdczycie() const { return false; }

    const ZestawMiast& Miasta() const;
    bool Calkowita() const;

    // The two buttons in a row, "Wstrzymaj" left and "Zakończ" right, for
    // the bottom of the window, with step mode's controls above them.
    QLayout* UkladPrzyciskow();
    // The layout of a window with a chart: three captions with their values,
    // the "Rysuj trasę" box, the buttons, and the chart of the given height
    // below them. The size is fixed, taken once, so that growing numbers do
    // not resize the window.
    void UlozZWykresem(const std::array<std::pair<QLabel*, QLabel*>, 3>& wiersze, QCheckBox* rysujTrase,
                       QWidget* wykres, int wysokoscWykresu);

    OknoGlowne& oknoGlowne_;

    void closeEvent(QCloseEvent* event) override;
    // A FormShow that failed still opens the window, with no search:
    // closing it asks nothing and gives no result of a search. The error is
    // shown after the window has dropped what the failed show began.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* UtworzPanelKrokow();
    // Shows or hides step mode's controls, growing or shrinking a window of
    // fixed size by their height.
    void PokazPanelKrokow(bool widoczny);
    // The step, then the window's own part of the snapshot.
    void PokazMigawke(const MigawkaSesji& migawka, bool koniec);
    void PokazKrok(const MigawkaSesji& migawka);

    // When the search has ended: shows its failure, or its last snapshot,
    // and closes the window.
    void Koniec();
    // When the session has ended with an error: shows it (once per run),
    // stops the display and returns true; the window must then close with
    // WynikModalny::Przerwano.
    bool PokazNiepowodzenie();

    std::function<UstawieniaSesji()> ustawienia_;
    std::unique_ptr<SesjaSzukania> sesja_;
    // FormClose is asking or waiting: a result set meanwhile (a tick or an
    // end notification that saw the end) is decided by the answer, as part
    // of the one close in progress.
    bool zamykanie_ = false;
    // The current run's session failed and its error has been shown: the
    // window has nothing left to show and closes as after a confirmed finish.
    bool niepowodzenie_ = false;
    bool panelWidoczny_ = false;
    int szerokoscBezKrokow_ = 0;
};
