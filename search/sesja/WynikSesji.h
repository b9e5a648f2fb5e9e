#pragma once

#include "search/certyfikat/Certyfikat.h"
#include "search/genetyczne/SeriaZbieznosci.h"
#include "search/sesja/MetodaSesji.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// One route of a session's answer and what is known of it.
struct TrasaSesji {
    // Every city once; empty where the method keeps only the length (the
    // permutation search's longest route).
    std::vector<int> trasa;
    // Measured again from the route in the set's metric: exact whole
    // numbers in a file's metric; in the grid's cells the single-precision
    // sum the window has always shown.
    double dlugosc = 0.0;
    bool udowodniona = false;
    // A bound on the best: no route is shorter (for the longest route: no
    // route is longer). Whole in a file's metric; in the cells cut to four
    // decimals the safe way.
    std::optional<double> granica;
    // How far above (below) the best the route is at most, in per cent.
    std::optional<double> lukaProcent;
    // Proven by branch and cut in the grid's cells, where it proves only to
    // within a millionth of the route's length.
    bool doMilionowej = false;
    // Asked for: the certificate of the proof, or why there is none.
    std::shared_ptr<const SekcjaCertyfikatu> certyfikat{};
    QString bezCertyfikatu{};
};

// The answer of a session, for the window and the command line alike.
struct WynikSesji {
    // The method that found the route: Permutacje, Losowo, Genetycznie,
    // Lokalnie or Dowod (branch and cut, also when it started from the local
    // search's route).
    MetodaSesji metoda = MetodaSesji::Lokalnie;
    bool calkowita = false;
    std::optional<TrasaSesji> najkrotsza;
    std::optional<TrasaSesji> najdluzsza;
    // Where the permutation search's single-precision sums rounded: the
    // least the optimum can be.
    std::optional<std::int64_t> optimumCoNajmniej;
    // The search's running time, the bound after it left out.
    double sekundy = 0.0;
    // Ended by a finish request before its own end.
    bool przerwany = false;
    // Ended by its time limit before the proof it set out to give.
    bool limitCzasu = false;
    // Why a proof did not finish, in English for the command line; empty
    // when it did or none was tried.
    QString bezDowodu;
    // Routes evaluated, in decimal (it may pass 64 bits); empty where the
    // method does not count them.
    QString trasy;
    std::optional<long long> rundy;
    std::optional<long long> wezly;
    SeriaZbieznosci zbieznosc;
};
