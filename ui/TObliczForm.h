#pragma once

#include "search/permutacje/TObliczThread.h"
#include "ui/TOknoObliczen.h"

#include <QTimer>

#include <cstdint>
#include <memory>

class OknoGlowne;
class QLabel;

// The progress window of the permutation search (Tryb 1) and of the random
// search (Tryb 2). Shown modally by the search dialog; it starts the worker,
// shows the percentage every 100 ms and closes with OK when the worker has
// finished, or with Przerwano when the user has finished it early.
class TObliczForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczForm(OknoGlowne& oknoGlowne, QWidget* parent);
    ~TObliczForm() override;

    // Runs a search of the mode given modally and returns the window's modal
    // result. ileLosowan is the number of draws as the user wrote it, read
    // in the random mode when the window is shown.
    int Uruchom(int tryb, const QString& ileLosowan = {});

    // The worker of the last run, kept with its results until the next show.
    std::unique_ptr<TObliczThread> Watek;
    int Tryb = 0;
    QString IleLosowan;

    QLabel* Label1 = nullptr;
    QLabel* ProcentLabel = nullptr;
    QTimer Timer;

    void TimerTimer();

    WynikObliczen Wynik() const override;

    // The progress text: the whole percentage of zrobione out of wszystkie,
    // rounded down, or "Trudno powiedzieć!!!" when no total is known.
    static QString TekstProcentu(std::uint32_t zrobione, std::uint32_t wszystkie);

protected:
    HoldableThread* BiezacyWatek() const override { return Watek.get(); }
    void PrzygotujObliczenia() override;
    void UsunObliczenia() override;
    void PoUruchomieniu() override;
    void ZatrzymajWyswietlanie() override;

private:
    OknoGlowne& oknoGlowne_;
};
