#pragma once

#include <vector>

// A closed route as an array of cities and the position of each city: the
// neighbours of a city in O(1), a reversal in time proportional to its length.
class TrasaTablicowa {
public:
    TrasaTablicowa() = default;
    // kolejnosc: a permutation of 0..n-1.
    explicit TrasaTablicowa(std::vector<int> kolejnosc);

    int Rozmiar() const { return n_; }
    int Miasto(int pozycja) const { return miasta_[std::size_t(pozycja)]; }
    int Pozycja(int miasto) const { return pozycje_[std::size_t(miasto)]; }
    int Nastepne(int miasto) const {
        const int p = pozycje_[std::size_t(miasto)] + 1;
        return miasta_[std::size_t(p == n_ ? 0 : p)];
    }
    int Poprzednie(int miasto) const {
        const int p = pozycje_[std::size_t(miasto)];
        return miasta_[std::size_t(p == 0 ? n_ - 1 : p - 1)];
    }

    // Reverses the dlugosc cities from position poczatek on, past the end of
    // the array and on from its start where the stretch wraps.
    void Odwroc(int poczatek, int dlugosc);

    const std::vector<int>& Kolejnosc() const { return miasta_; }

private:
    int n_ = 0;
    std::vector<int> miasta_;
    std::vector<int> pozycje_;
};
