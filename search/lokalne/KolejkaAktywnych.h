#pragma once

#include <cstdint>
#include <vector>

// The cities whose neighbourhood may still hold an improving move, first in
// first out, each at most once. A city not in the queue has its don't-look
// bit set: it is searched again only when a move changes one of its edges.
class KolejkaAktywnych {
public:
    explicit KolejkaAktywnych(int n) : kolejka_(std::size_t(n > 0 ? n : 1)), czeka_(std::size_t(n), 0) {}

    void Dodaj(int miasto) {
        if (czeka_[std::size_t(miasto)])
            return;
        czeka_[std::size_t(miasto)] = 1;
        kolejka_[std::size_t(koniec_)] = miasto;
        if (++koniec_ == int(kolejka_.size()))
            koniec_ = 0;
        ++ile_;
    }
    int Wez() {
        const int miasto = kolejka_[std::size_t(poczatek_)];
        if (++poczatek_ == int(kolejka_.size()))
            poczatek_ = 0;
        --ile_;
        czeka_[std::size_t(miasto)] = 0;
        return miasto;
    }
    bool Pusta() const { return ile_ == 0; }
    void Wyczysc() {
        while (!Pusta())
            Wez();
    }

private:
    std::vector<int> kolejka_;
    std::vector<std::uint8_t> czeka_;
    int poczatek_ = 0;
    int koniec_ = 0;
    int ile_ = 0;
};
