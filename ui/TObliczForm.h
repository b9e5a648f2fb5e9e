#pragma once

#include "search/TObliczThread.h"
#include "ui/TOknoObliczen.h"

#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <memory>

class OknoGlowne;
class QLabel;
class QPushButton;
class TSzukajTraseForm;

// The progress window of the permutation search (Tryb 1) and of the random
// search (Tryb 2). Shown modally by the search dialog; it starts the worker,
// shows the percentage every 100 ms and closes with 1 when the worker has
// finished, or with 7 when the user has finished it early.
class TObliczForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczForm(OknoGlowne& oknoGlowne, QWidget* parent);
    ~TObliczForm() override;

    // The worker of the last run, kept with its results until the next show.
    std::unique_ptr<TObliczThread> Watek;
    bool Trwa = false;
    int Tryb = 0;

    QLabel* Label1 = nullptr;
    QLabel* ProcentLabel = nullptr;
    QPushButton* WstrzymajButton = nullptr;
    QPushButton* ZakonczButton = nullptr;
    QTimer Timer;

    // The search dialog, whose number of draws the window reads when shown.
    QPointer<TSzukajTraseForm> SzukajTraseForm;

    void FormShow() override;
    // Every close passes here: wynik is the modal result the close would
    // give, zamknij false cancels the close.
    void FormClose(int& wynik, bool& zamknij) override;
    void FormDestroy();
    void WstrzymajButtonClick();
    void ZakonczButtonClick();
    void TimerTimer();

    // The progress text: the whole percentage of zrobione out of wszystkie,
    // rounded down, or "Trudno powiedzieć!!!" when no total is known.
    static QString TekstProcentu(std::uint32_t zrobione, std::uint32_t wszystkie);

protected:
    void PoNieudanymPokazie() override;

private:
    OknoGlowne& oknoGlowne_;
};
