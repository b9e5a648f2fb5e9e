#pragma once

#include "search/dowod/KolejkaWezlow.h"
#include "search/dowod/PowodKonca.h"
#include "search/dowod/ProgramLiniowy.h"
#include "search/dowod/PulaCiec.h"
#include "search/dowod/Rozgalezienie.h"
#include "search/dowod/WagiKrawedzi.h"
#include "search/dowod/WycenaKrawedzi.h"
#include "search/dowod/ZastojCiecia.h"
#include "toolkit/core/RunningClock.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class BramkaKrokow;
class GrafWsparcia;
class PostepDowodu;
class SwiadekDowodu;

struct UstawieniaPodzialu {
    // Running time on the given clock after which the search stops with
    // the bound it has (0: none).
    double limitSekund = 0.0;
    UstawieniaRozgalezienia rozgalezienie;
    // Blossoms by the Gomory-Hu tree too, where the fractional components
    // give none.
    bool kwiatyDrzewem = true;
    // Below the root the tree's n - 1 maximum flows take at most this share
    // of the running time (1: no limit): on large instances they cost more
    // than the nodes they save. pr1002 took 127 nodes and 126 s without a
    // limit, 131 nodes and 60 s with 0.15; up to a few hundred cities the
    // tree stays under the share and nothing changes.
    double czescDrzewa = 0.15;
    // Combs from the support graph with its paths at 1 shrunk, beside the
    // fractional components' blossoms.
    bool grzebienie = true;
    // For tests: true for a node's number (0 the root, in the order the
    // nodes are taken up) makes its first LP solve count as Clp's failure.
    std::function<bool(long long)> awariaLP;
    // Hears every step of the proof, to record a certificate; none: none.
    SwiadekDowodu* swiadek = nullptr;
    // Better routes found meanwhile by someone else, asked for between LP
    // solves; none: none.
    std::function<std::optional<std::vector<int>>()> trasyObok;
    // Step mode: each LP solved, each round of cuts added and each branch
    // is a step.
    BramkaKrokow* kroki = nullptr;
};

// What a branch and cut ends with, in the weights it minimised.
struct WynikPodzialu {
    std::vector<int> trasa;
    long double waga = 0.0L;
    // No route weighs less than this (for whole weights, a whole number).
    long double granica = 0.0L;
    bool udowodniona = false;
    // Ended by przerwij rather than by the proof or the time limit.
    bool przerwana = false;
    PowodKonca powod = PowodKonca::Dowod;
    // Nodes given up unresolved (their bounds count in granica).
    long long nierozwiazane = 0;
    long long wezly = 0;
    long long ciecia = 0;
    // The cuts added to the LP, by Ciecie::Rodzaj.
    std::array<long long, Ciecie::kRodzaje> cieciaRodzaju{};
    long long kolumny = 0;
    // The root's bound once its cutting and pricing were done, and when.
    long double granicaKorzenia = 0.0L;
    double sekundyKorzenia = 0.0;
};

// Branch and cut over the LP relaxation of the route problem: degree
// equations, subtour constraints separated exactly, blossoms; columns priced
// over all edges; branching on fractional edges, best bound first. At the
// root, once its LP over all edges is solved, edges are eliminated by
// reduced cost against the best route: no node below uses them. A route is
// proven when the safe bound of every open node reaches the best route's
// weight: rounded up, for whole weights; within
// TolerancjeDowodu::kDokladnoscKomorek of it, for the window's cells.
class PodzialIOdciecia {
public:
    // w must outlive this object; postep may be null.
    PodzialIOdciecia(const WagiKrawedzi& w, PostepDowodu* postep);

    // trasa: the first route, every city once (it need not be good, but a
    // good one saves most of the work). przerwij is called between LP
    // solves and may block (a held search); true ends the search.
    WynikPodzialu Rozwiaz(std::vector<int> trasa, const UstawieniaPodzialu& ustawienia,
                          const std::function<bool()>& przerwij, const RunningClock& zegar);

private:
    enum class Koniec { Zamkniety, Rozgaleziony, Przerwany, Nierozwiazany };
    void zacznij(std::vector<int> trasa);
    bool pominiety(const Wezel& wezel) const;
    void policzony(const Wezel& wezel);
    void rozgalez(const Wezel& wezel, int kolumna);
    WynikPodzialu zakoncz(const std::vector<Wezel>& nierozwiazane);

    Koniec przetworz(Wezel& wezel, int& kolumnaRozgalezienia);
    bool przerwany();
    std::optional<Koniec> poRozwiazaniu(Wezel& wezel, ZastojCiecia& zastoj, bool& dualnie,
                                        int& kolumnaRozgalezienia);
    bool dodajCiecia(const GrafWsparcia& g, bool zastoj);
    void dodajKolumny(const std::vector<WycenaKrawedzi::Ujemna>& ujemne);
    Koniec rozwiazanyWezel(Wezel& wezel, const GrafWsparcia& g, long double granicaDualnych,
                           int& kolumnaRozgalezienia);

    void ustawWezel(const Wezel& wezel);
    bool wystarcza(long double granica) const;
    void nowaTrasa(std::vector<int> trasa);
    bool koniecCzasu() const;
    std::vector<Ciecie> separuj(const GrafWsparcia& g);
    void eliminuj(long double granica);
    void pokaz(const GrafWsparcia& g);
    void pokazGranice();
    void pokazCiecia();
    void krokLP(const GrafWsparcia& g);
    void krokiCiec(const GrafWsparcia& g, const std::vector<Ciecie>& ciecia);
    void krokGalezi(const Wezel& wezel, Krawedz e);
    void zaokraglij(const GrafWsparcia& g);
    bool czasNaDrzewo() const;
    double dlugosc(long double waga) const;

    const WagiKrawedzi& w_;
    PostepDowodu* postep_;
    ProgramLiniowy lp_;
    std::vector<std::uint8_t> wyeliminowana_;
    WycenaKrawedzi wycena_;
    KolejkaWezlow kolejka_;
    std::vector<int> zmienione_;
    PulaCiec pula_;
    std::vector<Krawedz> najlzejsze_;
    // Pricing adds at most this many columns at a time.
    std::size_t limitKolumn_;
    // Time spent reading routes off LP solutions: held to a share of the
    // whole.
    double sekundyZaokraglen_ = 0.0;
    double sekundyDrzewa_ = 0.0;

    UstawieniaPodzialu ustawienia_;
    const std::function<bool()>* przerwij_ = nullptr;
    const RunningClock* zegar_ = nullptr;
    WynikPodzialu wynik_;
    long double granicaBiezacego_ = 0.0L;
    // The least bound of the nodes given up, and why the first one was.
    long double granicaNierozwiazanych_ = 0.0L;
    PowodKonca powodNierozwiazania_ = PowodKonca::Dowod;
    bool wKorzeniu_ = true;
};
