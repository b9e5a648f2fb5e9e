#pragma once

#include "search/sesja/MetodaSesji.h"
#include "ui/TOknoObliczen.h"

#include <cstdint>

class QLabel;

// The progress window of the permutation search and of the random search.
// Shown modally by the search dialog; it starts the search, shows the
// percentage every 100 ms and closes with OK when the search has finished,
// or with Przerwano when the user has finished it early.
class TObliczForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczForm(OknoGlowne& oknoGlowne, QWidget* parent);

    // Runs the search (MetodaSesji::Permutacje or Losowo) modally and
    // returns the window's modal result. ileLosowan is the number of draws
    // as the user wrote it, converted when the window is shown.
    int Uruchom(MetodaSesji metoda, const QString& ileLosowan = {});

    QLabel* Label1 = nullptr;
    QLabel* ProcentLabel = nullptr;

    // The progress text: the whole percentage of zrobione out of wszystkie,
    // rounded down, or "Trudno powiedzieć!!!" when no total is known.
    static QString TekstProcentu(std::uint32_t zrobione, std::uint32_t wszystkie);

protected:
    void Wyczysc(const UstawieniaSesji& ustawienia) override;
    void Pokaz(const MigawkaSesji& migawka, bool koniec) override;
    bool TrzymajPrzyOdczycie() const override { return true; }
};
