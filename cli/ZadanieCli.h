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
    // The search dialog's defaults.
    int losowania = 1000;
    int pokolenia = 1000;
    int populacja = 100;
    double krzyzowanie = 0.3;
    double mutacja = 0.1;
    // The local search: its running time (0: none) and rounds (none when
    // not given); the window's default time.
    double limitSekund = 10.0;
    // Given on the command line: the exact method has no limit otherwise.
    bool limitPodany = false;
    std::optional<long long> rundy;
    // Seconds for the lower bound after a heuristic method; 0: none.
    double limitOgraniczenia = 1.0;
    std::optional<std::uint32_t> ziarno;
    QString tour;
    bool json = false;

    static QString NazwaMetody(Metoda metoda);
    // The session's settings for this task.
    UstawieniaSesji Ustawienia() const;
};
