#pragma once

#include "ui/WynikObliczen.h"

#include <QDialog>

#include <array>
#include <utility>

class HoldableThread;
class QCheckBox;
class QLabel;
class QLayout;
class QPushButton;

// A progress window: it starts a search on a worker thread when shown, lets
// the user pause and resume it, and closes with WynikModalny::OK once the
// search has run to its end, or with WynikModalny::Przerwano when the user
// confirms finishing it early or the search fails (its error shown in the
// standard error box). Every way of closing it — a modal result, the close
// box, Esc — passes through FormClose.
class TOknoObliczen : public QDialog {
    Q_OBJECT

public:
    explicit TOknoObliczen(QWidget* parent);

    // A search started by this window is running.
    bool Trwa = false;

    QPushButton* WstrzymajButton = nullptr;
    QPushButton* ZakonczButton = nullptr;

    // Replaces the previous run's worker by a new one and starts it; may
    // raise an error, and the window then opens without a search.
    void FormShow();
    // wynik is the modal result the close would give; zamknij false cancels
    // the close. A running search is finished only after the user confirms.
    void FormClose(int& wynik, bool& zamknij);
    // Pauses the search, or resumes it when it is paused.
    void WstrzymajButtonClick();
    void ZakonczButtonClick();
    // Drops the worker; run when the window is destroyed.
    void FormDestroy();

    // The result of the last run; meaningful after a close with OK.
    virtual WynikObliczen Wynik() const = 0;

    // The progress text while the search builds its distance table.
    static QString TekstBudowy(int procent);

    void done(int wynik) override;
    void reject() override;

protected:
    // The worker of the last run, or none.
    virtual HoldableThread* BiezacyWatek() const = 0;
    // Empties the window's values, destroys the previous worker and creates
    // and configures the next one, held.
    virtual void PrzygotujObliczenia() = 0;
    // Destroys the worker, which has ended or never started.
    virtual void UsunObliczenia() = 0;
    // The window's own display: started with the search, stopped whenever
    // the window closes or waits for the search's end.
    virtual void PoUruchomieniu() {}
    virtual void ZatrzymajWyswietlanie() {}
    // The modal result of a finish the user confirmed, once the search has
    // ended: by default Przerwano, and nothing is shown.
    virtual int WynikZakonczenia() const;

    // For the window's check of its worker's end: when the worker has ended
    // with an error, shows it (once per run), stops the display and returns
    // true; the window must then close with WynikModalny::Przerwano.
    bool PokazNiepowodzenie();

    // The two buttons in a row, "Wstrzymaj" left and "Zakończ" right, for
    // the bottom of the window.
    QLayout* UkladPrzyciskow();

    // The layout of a window with a chart: three captions with their values,
    // the "Rysuj trasę" box, the buttons, and the chart of the given height
    // below them. The size is fixed, taken once, so that growing numbers do
    // not resize the window.
    void UlozZWykresem(const std::array<std::pair<QLabel*, QLabel*>, 3>& wiersze, QCheckBox* rysujTrase,
                       QWidget* wykres, int wysokoscWykresu);

    void closeEvent(QCloseEvent* event) override;
    // A FormShow that failed still opens the window, with no search:
    // closing it asks nothing and gives no result of a search. The error is
    // shown after the window has dropped what the failed show began.
    void showEvent(QShowEvent* event) override;

private:
    // FormClose is asking or waiting: a result set meanwhile (a tick or an
    // end notification that saw the end) is decided by the answer, as part
    // of the one close in progress.
    bool zamykanie_ = false;
    // The current run's worker failed and its error has been shown: the
    // window has nothing left to show and closes as after a confirmed finish.
    bool niepowodzenie_ = false;
};
