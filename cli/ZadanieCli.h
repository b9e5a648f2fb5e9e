#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// What the command line asks for, once parsed and checked.
struct ZadanieCli {
    enum class Polecenie { Rozwiaz, Dlugosc };
    enum class Metoda { Dokladna, Losowa, Genetyczna };

    Polecenie polecenie = Polecenie::Rozwiaz;
    QString plik;  // "-" for standard input
    QString trasa;  // the .tour file that length measures
    // The window's cells in place of the file's own metric.
    bool metrykaSiatki = false;
    Metoda metoda = Metoda::Dokladna;
    // The search dialog's defaults.
    int losowania = 1000;
    int pokolenia = 1000;
    int populacja = 100;
    double krzyzowanie = 0.3;
    double mutacja = 0.1;
    std::optional<std::uint32_t> ziarno;
    QString tour;
    bool json = false;

    static QString NazwaMetody(Metoda metoda);
};
