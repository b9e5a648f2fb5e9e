#pragma once

#include <limits>
#include <utility>
#include <vector>

// What one step of a search in step mode looked at, in numbers: the window
// turns it into a sentence and draws what it names.
struct OpisKroku {
    enum class Rodzaj {
        // A whole route evaluated (permutations, a random draw): wartosc its
        // length, najlepsza the shortest before it.
        Trasa,
        // A branch of ile routes skipped: trasa is its start, wartosc and
        // gorna the bounds on its completions that cut it off.
        Odciecie,
        // A generation: trasa its best route, wartosc that route's length,
        // ile the children it kept.
        Pokolenie,
        // A move of the local search: the edges it removes and adds, zmiana
        // the change of the route's length, przyjety whether it was kept.
        Ruch,
        // The kick that opens a round of the local search (double bridges):
        // the edges it removes and adds, zmiana the length it adds. The
        // descent after it is the round's Ruch.
        Kopniecie,
        // The proof: an LP solved (wartosc its value, najlepsza the best
        // route's length); cuts added (ile of them, the first of kind
        // rodzajCiecia over a set of trasa's cities); a branch taken on
        // the edge dodane[0].
        ProgramLiniowy,
        Ciecie,
        Galaz,
    };
    enum class RodzajCiecia { Podcykl, Kwiat, Grzebien };

    Rodzaj rodzaj = Rodzaj::Trasa;
    RodzajCiecia rodzajCiecia = RodzajCiecia::Podcykl;
    // City numbers of the set: a closed route, or the open start of one.
    std::vector<int> trasa;
    std::vector<std::pair<int, int>> usuniete;
    std::vector<std::pair<int, int>> dodane;
    double wartosc = std::numeric_limits<double>::quiet_NaN();
    // The best length so far, to which wartosc is compared; NaN when none.
    double najlepsza = std::numeric_limits<double>::quiet_NaN();
    // A branch's bound on its longest completion, and the longest so far.
    double gorna = std::numeric_limits<double>::quiet_NaN();
    double najdluzsza = std::numeric_limits<double>::quiet_NaN();
    double zmiana = 0.0;
    bool przyjety = false;
    // The route's, the draw's or the generation's number.
    long long numer = 0;
    long long ile = 0;
    // The best route after the step, where the search has no other way of
    // showing it while it runs; empty otherwise.
    std::vector<int> najlepszaTrasa;
};
