#pragma once

#include <QDialog>

// A progress window. Every way of closing it — a modal result, the close
// box, Esc — passes through FormClose, which may change the result or refuse
// the close.
class TOknoObliczen : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // wynik is the modal result the close would give; zamknij false cancels
    // the close.
    virtual void FormClose(int& wynik, bool& zamknij) = 0;
    // Starts the window's search; may raise an error.
    virtual void FormShow() = 0;

    void done(int wynik) override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A FormShow that failed still opens the window, with no search:
    // closing it asks nothing and gives no result of a search. The error is
    // shown after the window has dropped what the failed show began.
    void showEvent(QShowEvent* event) override;
    virtual void PoNieudanymPokazie() = 0;

private:
    // FormClose is asking or waiting: a result set meanwhile (a tick or an
    // end notification that saw the end) is decided by the answer, as part
    // of the one close in progress.
    bool zamykanie_ = false;
};
