#pragma once

#include "search/dowod/Krawedz.h"

#include <limits>
#include <queue>
#include <vector>

// A node of the branch and cut: the edges its branches fixed, and the bound
// it inherited or proved (in the weights minimised).
struct Wezel {
    struct Ustalenie {
        Krawedz krawedz;
        int wartosc;  // 0 or 1
    };
    long double granica = -std::numeric_limits<long double>::infinity();
    int glebokosc = 0;
    std::vector<Ustalenie> ustalenia;
};

// The open nodes, best bound first (deeper first among equal bounds): the
// least bound of the open nodes is the whole search's bound, and taking it
// first raises that bound soonest.
class KolejkaWezlow {
public:
    void Dodaj(Wezel w) { kolejka_.push(std::move(w)); }
    Wezel Wez() {
        Wezel w = kolejka_.top();
        kolejka_.pop();
        return w;
    }
    bool Pusta() const { return kolejka_.empty(); }
    std::size_t Ile() const { return kolejka_.size(); }
    // +infinity when empty.
    long double Najmniejsza() const {
        return kolejka_.empty() ? std::numeric_limits<long double>::infinity() : kolejka_.top().granica;
    }

private:
    struct Gorszy {
        bool operator()(const Wezel& x, const Wezel& y) const {
            return x.granica > y.granica || (x.granica == y.granica && x.glebokosc < y.glebokosc);
        }
    };
    std::priority_queue<Wezel, std::vector<Wezel>, Gorszy> kolejka_;
};
