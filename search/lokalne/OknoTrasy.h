#pragma once

#include "search/lokalne/TrasaTablicowa.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// One thread's view of a route: the whole cycle, or a stretch of consecutive
// positions that this thread alone changes while another thread changes the
// rest. The cities at both ends of a stretch keep their outer edges, so two
// threads never write the same place. Every reversal is logged, so a move or
// a whole round can be taken back.
class OknoTrasy {
public:
    explicit OknoTrasy(TrasaTablicowa& trasa) : trasa_(&trasa) {}

    // The whole cycle: reversals take the shorter side.
    void CalaTrasa();
    // The dlugosc positions from poczatek on; wlasciciel[miasto] == ja marks
    // the cities inside, and must not change while this view is used.
    void Fragment(int poczatek, int dlugosc, const std::vector<std::uint8_t>& wlasciciel, std::uint8_t ja);

    bool Moje(int miasto) const { return wlasciciel_ == nullptr || (*wlasciciel_)[std::size_t(miasto)] == ja_; }
    int Nast(int miasto) const { return trasa_->Nastepne(miasto); }
    int Poprz(int miasto) const { return trasa_->Poprzednie(miasto); }
    const TrasaTablicowa& Trasa() const { return *trasa_; }
    int Poczatek() const { return poczatek_; }
    int Dlugosc() const { return dlugosc_; }

    // The 2-opt move on edges (t1,t2) and (t3,t4) that run the same way
    // round the cycle (t2 after t1 and t4 after t3, or both before): they
    // become (t1,t3) and (t2,t4). All four cities must be Moje().
    void Zamien(int t1, int t2, int t3, int t4);

    // Reverses the dlugosc positions from the stretch's own position
    // wzgledna on (counted from its start).
    void OdwrocWzgledne(int wzgledna, int dlugosc);

    // The log: a mark, and undoing every reversal made since.
    std::size_t Znacznik() const { return dziennik_.size(); }
    void Cofnij(std::size_t znacznik);
    void ZapomnijDziennik() { dziennik_.clear(); }

private:
    int Wzgledna(int pozycja) const {
        const int r = pozycja - poczatek_;
        return r < 0 ? r + trasa_->Rozmiar() : r;
    }
    void Odwroc(int poczatek, int dlugosc);

    TrasaTablicowa* trasa_;
    int poczatek_ = 0;
    int dlugosc_ = 0;
    const std::vector<std::uint8_t>* wlasciciel_ = nullptr;
    std::uint8_t ja_ = 0;
    std::vector<std::pair<int, int>> dziennik_;
};
