#pragma once

#include "search/OpisKroku.h"
#include "search/dowod/CelDowodu.h"
#include "search/dowod/PostepDowodu.h"
#include "search/genetyczne/StanGenetyka.h"
#include "search/lokalne/PostepPrzeszukiwania.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <variant>
#include <vector>

// What a running session shows at one moment, taken on the window's (or
// the command line's) thread without slowing the search. Routes and LP
// solutions come only when new since the last snapshot: whoever shows them
// keeps the last one.

struct MigawkaPermutacji {
    // The share of routes covered, in whole per cent; none where the search
    // cannot tell.
    std::optional<int> procent;
};

struct MigawkaLosowania {
    std::int32_t wylosowane = 0;
    std::int32_t wszystkie = 0;
};

struct MigawkaGenetyki {
    // The search's first state, then always its newest, when not yet shown.
    std::optional<StanGenetyka> stan;
};

struct MigawkaLokalna {
    long long rundy = 0;
    // Infinity before the first route.
    double najlepsza = std::numeric_limits<double>::infinity();
    std::vector<PostepPrzeszukiwania::PunktZbieznosci> zbieznosc;
};

struct MigawkaCeluDowodu {
    // NaN until known; the bound lies below the shortest route and above
    // the longest.
    double dlugosc = std::numeric_limits<double>::quiet_NaN();
    double granica = std::numeric_limits<double>::quiet_NaN();
    bool udowodniona = false;
    // How far the route may be from the best, by the bound.
    std::optional<double> lukaProcent;
    long long wezly = 0;
    // Open nodes left, and nodes given up unresolved (their bounds count).
    long long otwarte = 0;
    long long nierozwiazane = 0;
    // Cuts added in all, and those in the LP now by kind.
    long long ciecia = 0;
    long long podcykleWLP = 0;
    long long kwiatyWLP = 0;
    long long grzebienieWLP = 0;
    std::vector<PostepDowodu::PunktGranic> historia;
    std::optional<std::vector<PostepDowodu::KrawedzLP>> rozwiazanie;
    std::optional<std::vector<int>> trasa;
};

struct MigawkaDowodu {
    CelDowodu biezacy = CelDowodu::Najkrotsza;
    std::array<MigawkaCeluDowodu, 2> cele;

    const MigawkaCeluDowodu& Cel(CelDowodu cel) const { return cele[cel == CelDowodu::Najkrotsza ? 0 : 1]; }
};

struct MigawkaKroku {
    long long kroki = 0;
    // The last step, when new since the last snapshot.
    std::optional<OpisKroku> opis;
};

struct MigawkaSesji {
    // The search's running time, standing still while it is held and once
    // its method has ended.
    double sekundy = 0.0;
    // While the distance table is built: its share built, in whole per cent.
    std::optional<int> procentBudowy;
    // The method has ended and the lower bound beside its route is being
    // computed.
    bool liczyGranice = false;
    // The best route so far, when new.
    std::optional<std::vector<int>> trasa;
    // In step mode only.
    std::optional<MigawkaKroku> krok;
    std::variant<std::monostate, MigawkaPermutacji, MigawkaLosowania, MigawkaGenetyki, MigawkaLokalna, MigawkaDowodu>
        metoda;
};
