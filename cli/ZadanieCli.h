#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// What the command line asks for, once parsed and checked.
struct ZadanieCli {
    enum class Metoda { Dokladna, Losowa, Genetyczna };

    QString plik;  // "-" for standard input
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
