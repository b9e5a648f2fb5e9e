#pragma once

#include "search/sesja/UstawieniaSesji.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the command line asks for, once parsed and checked.
struct ZadanieCli {
    enum class Polecenie { Rozwiaz, Dlugosc };
    // Automatyczna: the exact method where it is known to finish, the local
    // search beyond.
    enum class Metoda { Automatyczna, Dokladna, Losowa, Genetyczna, Lokalna };

    Polecenie polecenie = Polecenie::Rozwiaz;
    QString plik;  // "-" for standard input
    QString trasa;  // the .tour file that length measures
    // The window's cells in place of the file's own metric.
    bool metrykaSiatki = false;
    Metoda metoda = Metoda::Automatyczna;
    // The search dialog's defaults; the local search's time the window's.
    UstawieniaSesji sesja;
    // Given on the command line: the exact method has no limit otherwise.
    bool limitPodany = false;
    QString tour;
    bool json = false;

    static QString NazwaMetody(Metoda metoda);
    // The session's settings for this task: the method's, and its limit.
    UstawieniaSesji Ustawienia() const;
};
