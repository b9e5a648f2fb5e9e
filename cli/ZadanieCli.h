#pragma once

#include "search/sesja/UstawieniaSesji.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the command line asks for, once parsed and checked.
struct ZadanieCli {
    enum class Polecenie { Rozwiaz, Dlugosc, Sprawdz };
    // Automatyczna: the exact method where it is known to finish, the local
    // search beyond.
    enum class Metoda { Automatyczna, Dokladna, Losowa, Genetyczna, Lokalna };

    Polecenie polecenie = Polecenie::Rozwiaz;
    QString plik;  // "-" for standard input
    QString trasa;  // the .tour file that length measures and check checks
    // solve: where the certificate goes; check: the certificate checked.
    QString certyfikat;
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
    // The session's settings for this task: the method's, its limit, and
    // whether to certify.
    UstawieniaSesji Ustawienia() const;
};
