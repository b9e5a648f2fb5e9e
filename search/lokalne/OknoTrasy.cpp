#include "search/lokalne/OknoTrasy.h"

void OknoTrasy::CalaTrasa() {
    poczatek_ = 0;
    dlugosc_ = trasa_->Rozmiar();
    wlasciciel_ = nullptr;
}

void OknoTrasy::Fragment(int poczatek, int dlugosc, const std::vector<std::uint8_t>& wlasciciel, std::uint8_t ja) {
    poczatek_ = poczatek;
    dlugosc_ = dlugosc;
    wlasciciel_ = &wlasciciel;
    ja_ = ja;
}

void OknoTrasy::Zamien(int t1, int t2, int t3, int t4) {
    const TrasaTablicowa& t = *trasa_;
    const int n = t.Rozmiar();
    // Either path between the two removed edges may be reversed: t2..t3 or
    // t4..t1 in the direction of the edges.
    int a1, b1, a2;
    if (t.Nastepne(t1) == t2)
        a1 = t.Pozycja(t2), b1 = t.Pozycja(t3), a2 = t.Pozycja(t4);
    else
        a1 = t.Pozycja(t3), b1 = t.Pozycja(t2), a2 = t.Pozycja(t1);
    int d1 = b1 - a1;
    if (d1 < 0)
        d1 += n;
    const int d2 = n - 2 - d1;
    // Adjacent edges: the exchange leaves the same cycle.
    if (d1 == 0 || d2 == 0)
        return;
    bool pierwsza;
    if (wlasciciel_ == nullptr)
        pierwsza = d1 <= d2;
    else  // the path that stays inside the stretch
        pierwsza = Wzgledna(a1) <= Wzgledna(b1);
    if (pierwsza)
        Odwroc(a1, d1 + 1);
    else
        Odwroc(a2, d2 + 1);
}

void OknoTrasy::OdwrocWzgledne(int wzgledna, int dlugosc) {
    int p = poczatek_ + wzgledna;
    if (p >= trasa_->Rozmiar())
        p -= trasa_->Rozmiar();
    Odwroc(p, dlugosc);
}

void OknoTrasy::Odwroc(int poczatek, int dlugosc) {
    if (dlugosc < 2)
        return;
    trasa_->Odwroc(poczatek, dlugosc);
    dziennik_.emplace_back(poczatek, dlugosc);
}

void OknoTrasy::Cofnij(std::size_t znacznik) {
    while (dziennik_.size() > znacznik) {
        const auto [p, d] = dziennik_.back();
        trasa_->Odwroc(p, d);
        dziennik_.pop_back();
    }
}
