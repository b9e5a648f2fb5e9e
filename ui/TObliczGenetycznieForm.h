#pragma once

#include "search/CGenetyk.h"
#include "ui/TOknoObliczen.h"

#include <QPointer>

#include <memory>

class OknoGlowne;
class QCheckBox;
class QLabel;
class QPushButton;
class TSzukajTraseForm;

// The progress window of the genetic search. Shown modally by the search
// dialog; it starts the search with the dialog's settings, shows each
// generation (the search calls Wyswietl), optionally draws every better route
// on the grid, and closes with 1 when the search has run all its generations,
// or with 7 when the user has finished it early.
class TObliczGenetycznieForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczGenetycznieForm(OknoGlowne& oknoGlowne, QWidget* parent);
    ~TObliczGenetycznieForm() override;

    // The search of the last run, kept with its results until the next show.
    std::unique_ptr<CGenetyk> Genetyk;
    // The best length last shown; -1 when nothing is shown since the reset.
    double OstatniaDroga = -1.0;
    // A search started here has not yet delivered its end notification.
    bool Trwa = false;

    QLabel* Label2 = nullptr;
    QLabel* IlePokolenLabel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* NrPokoleniaLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* NajkrotszaDrogaLabel = nullptr;
    QCheckBox* RysujTraseCheck = nullptr;
    QPushButton* WstrzymajButton = nullptr;
    QPushButton* ZakonczButton = nullptr;

    // The search dialog, whose settings the window reads when shown.
    QPointer<TSzukajTraseForm> SzukajTraseForm;

    void FormShow() override;
    // Every close passes here: wynik is the modal result the close would
    // give, zamknij false cancels the close.
    void FormClose(int& wynik, bool& zamknij) override;
    void FormDestroy();
    void WstrzymajButtonClick();
    void ZakonczButtonClick();
    void RysujTraseCheckClick();
    // The display step, run on this thread while the search waits.
    void Wyswietl();
    // The end notification: connected to the search's QThread::finished.
    void PoZakonczeniuThreada();


protected:
    void PoNieudanymPokazie() override;

private:
    OknoGlowne& oknoGlowne_;
    bool zamykanie_ = false;
};
