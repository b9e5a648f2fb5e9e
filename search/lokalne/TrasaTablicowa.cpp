#include "search/lokalne/TrasaTablicowa.h"

#include <utility>

TrasaTablicowa::TrasaTablicowa(std::vector<int> kolejnosc)
    : n_(int(kolejnosc.size())), miasta_(std::move(kolejnosc)), pozycje_(miasta_.size()) {
    for (int p = 0; p < n_; ++p)
        pozycje_[std::size_t(miasta_[std::size_t(p)])] = p;
}

void TrasaTablicowa::Odwroc(int poczatek, int dlugosc) {
    int i = poczatek;
    int j = poczatek + dlugosc - 1;
    if (j >= n_)
        j -= n_;
    for (int krok = dlugosc / 2; krok > 0; --krok) {
        const int a = miasta_[std::size_t(i)];
        const int b = miasta_[std::size_t(j)];
        miasta_[std::size_t(i)] = b;
        pozycje_[std::size_t(b)] = i;
        miasta_[std::size_t(j)] = a;
        pozycje_[std::size_t(a)] = j;
        if (++i == n_)
            i = 0;
        if (--j < 0)
            j = n_ - 1;
    }
}
