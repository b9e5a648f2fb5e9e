#include "search/lokalne/DrzewoPunktow.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kLisc = 8;

// Which quadrant around the searched point (dx, dy) lies in, by the signs
// of dx and dy: 0 for x > 0, y >= 0, then counterclockwise, each taking the
// half-axis that leads into it; 4 for the point's own place. A table rather
// than comparisons, whose outcome no branch predictor guesses.
int cwiartka(double dx, double dy) {
    static constexpr std::array<int, 16> kCwiartka = {4, 3, 1, 0, 2, 2, 1, 0, 0, 3, 0, 0, 0, 0, 0, 0};
    return kCwiartka[std::size_t(int(dx > 0) << 3 | int(dx < 0) << 2 | int(dy > 0) << 1 | int(dy < 0))];
}

}  // namespace

DrzewoPunktow::DrzewoPunktow(const std::vector<PunktPlaszczyzny>& punkty)
    : punkty_(punkty.size()), miejsce_(punkty.size()), lisc_(punkty.size()), usuniety_(punkty.size(), 0) {
    for (std::size_t i = 0; i < punkty.size(); ++i) {
        // NaN would break the ordering the tree is split by.
        const auto liczba = [](double v) { return v == v ? v : 0.0; };
        punkty_[i] = {liczba(punkty[i].x), liczba(punkty[i].y), int(i)};
    }
    wezly_.reserve(punkty.size() / (kLisc / 4) + 1);
    if (!punkty_.empty())
        Zbuduj(0, int(punkty_.size()), -1);
    for (std::size_t i = 0; i < punkty_.size(); ++i)
        miejsce_[std::size_t(punkty_[i].nr)] = int(i);
}

int DrzewoPunktow::Zbuduj(int od, int dokad, int rodzic) {
    const int w = int(wezly_.size());
    Wezel v{punkty_[std::size_t(od)].x, punkty_[std::size_t(od)].x, punkty_[std::size_t(od)].y,
            punkty_[std::size_t(od)].y, od, dokad, -1, -1, rodzic, dokad - od};
    for (int i = od + 1; i < dokad; ++i) {
        const Punkt& p = punkty_[std::size_t(i)];
        v.x0 = std::min(v.x0, p.x), v.x1 = std::max(v.x1, p.x);
        v.y0 = std::min(v.y0, p.y), v.y1 = std::max(v.y1, p.y);
    }
    wezly_.push_back(v);
    if (dokad - od <= kLisc) {
        for (int i = od; i < dokad; ++i)
            lisc_[std::size_t(i)] = w;
        return w;
    }
    // Halves by count whatever the spread: points at one place still make a
    // tree of logarithmic depth.
    const int srodek = od + (dokad - od) / 2;
    const auto poczatek = punkty_.begin();
    if (v.x1 - v.x0 >= v.y1 - v.y0)
        std::nth_element(poczatek + od, poczatek + srodek, poczatek + dokad,
                         [](const Punkt& a, const Punkt& b) { return a.x < b.x; });
    else
        std::nth_element(poczatek + od, poczatek + srodek, poczatek + dokad,
                         [](const Punkt& a, const Punkt& b) { return a.y < b.y; });
    const int lewy = Zbuduj(od, srodek, w);
    const int prawy = Zbuduj(srodek, dokad, w);
    wezly_[std::size_t(w)].lewy = lewy;
    wezly_[std::size_t(w)].prawy = prawy;
    return w;
}

void DrzewoPunktow::Czesc::Zacznij(int p) {
    pojemnosc = std::max(p, 0);
    ile = 0;
    granica = pojemnosc > 0 ? std::numeric_limits<double>::infinity() : -1.0;
    if (int(znalezione.size()) < pojemnosc)
        znalezione.resize(std::size_t(pojemnosc));
}

void DrzewoPunktow::Czesc::Dodaj(double kwadrat, int nr) {
    int i = ile < pojemnosc ? ile++ : pojemnosc - 1;
    // After the equally near: the first met stays first.
    auto* t = znalezione.data();
    for (; i > 0 && t[i - 1].first > kwadrat; --i)
        t[i] = t[i - 1];
    t[i] = {kwadrat, nr};
    if (ile == pojemnosc)
        granica = t[pojemnosc - 1].first;
}

void DrzewoPunktow::Czesc::Wypisz(int* wynik) const {
    for (int i = 0; i < pojemnosc; ++i)
        wynik[i] = i < ile ? znalezione[std::size_t(i)].second : -1;
}

double DrzewoPunktow::DoPudelka(const Wezel& w) const {
    const double dx = s_.x < w.x0 ? w.x0 - s_.x : s_.x > w.x1 ? s_.x - w.x1 : 0.0;
    const double dy = s_.y < w.y0 ? w.y0 - s_.y : s_.y > w.y1 ? s_.y - w.y1 : 0.0;
    return dx * dx + dy * dy;
}

void DrzewoPunktow::Odwiedz(int nr, double kwadrat) {
    const Wezel& w = wezly_[std::size_t(nr)];
    if (w.obecne == 0)
        return;
    const double x = s_.x, y = s_.y;
    // Does the box reach into a quadrant, the quadrant's edges as cwiartka()
    // draws them, nearer than what that quadrant has?
    const auto& c = s_.cwiartki;
    const bool potrzebny = kwadrat < s_.wszedzie.granica || (kwadrat < c[0].granica && w.x1 > x && w.y1 >= y) ||
                           (kwadrat < c[1].granica && w.x0 <= x && w.y1 > y) ||
                           (kwadrat < c[2].granica && w.x0 < x && w.y0 <= y) ||
                           (kwadrat < c[3].granica && w.x1 >= x && w.y0 < y);
    if (!potrzebny)
        return;
    if (w.lewy < 0) {
        const bool wszystkie = w.obecne == w.dokad - w.od;
        for (int i = w.od; i < w.dokad; ++i) {
            if (i == s_.pomin || (!wszystkie && usuniety_[std::size_t(i)]))
                continue;
            ++s_.obejrzane;
            const Punkt& p = punkty_[std::size_t(i)];
            const double dx = p.x - x, dy = p.y - y, k = dx * dx + dy * dy;
            if (k < s_.wszedzie.granica)
                s_.wszedzie.Dodaj(k, p.nr);
            Czesc& cw = s_.cwiartki[std::size_t(cwiartka(dx, dy))];
            if (k < cw.granica)
                cw.Dodaj(k, p.nr);
        }
        if (s_.obejrzane > s_.budzet)
            for (int q = 0; q < 4; ++q)
                s_.cwiartki[std::size_t(q)].granica = -1.0;
        return;
    }
    const int lewy = w.lewy, prawy = w.prawy;
    const double kl = DoPudelka(wezly_[std::size_t(lewy)]), kp = DoPudelka(wezly_[std::size_t(prawy)]);
    if (kl <= kp) {
        Odwiedz(lewy, kl);
        Odwiedz(prawy, kp);
    } else {
        Odwiedz(prawy, kp);
        Odwiedz(lewy, kl);
    }
}

void DrzewoPunktow::Najblizsze(int miejsce, int ile, int wCwiartce, int budzetCwiartek, int* wynik) {
    s_.x = punkty_[std::size_t(miejsce)].x;
    s_.y = punkty_[std::size_t(miejsce)].y;
    s_.pomin = miejsce;
    s_.wszedzie.Zacznij(ile);
    for (int c = 0; c < 5; ++c)
        s_.cwiartki[std::size_t(c)].Zacznij(c < 4 ? wCwiartce : 0);
    s_.budzet = budzetCwiartek;
    s_.obejrzane = 0;
    // Up from the point's own leaf, which holds its nearest more often than
    // not: each node's other half is searched as from the root, and the walk
    // ends where the nearest found so far are nearer than the edge of the
    // box around all passed, beyond which only points outside it lie.
    int dziecko = lisc_[std::size_t(miejsce)];
    Odwiedz(dziecko, 0.0);
    for (int w = wezly_[std::size_t(dziecko)].rodzic; w >= 0; dziecko = w, w = wezly_[std::size_t(w)].rodzic) {
        double granica = s_.wszedzie.granica;
        for (int c = 0; c < 4; ++c)
            granica = std::max(granica, s_.cwiartki[std::size_t(c)].granica);
        const Wezel& d = wezly_[std::size_t(dziecko)];
        const double brzeg = std::min({s_.x - d.x0, d.x1 - s_.x, s_.y - d.y0, d.y1 - s_.y});
        if (brzeg * brzeg >= granica)
            break;
        const Wezel& v = wezly_[std::size_t(w)];
        const int brat = v.lewy == dziecko ? v.prawy : v.lewy;
        Odwiedz(brat, DoPudelka(wezly_[std::size_t(brat)]));
    }
    obejrzane_ += s_.obejrzane;
    s_.wszedzie.Wypisz(wynik);
    for (int c = 0; c < 4; ++c)
        s_.cwiartki[std::size_t(c)].Wypisz(wynik + s_.wszedzie.pojemnosc + c * s_.cwiartki[std::size_t(c)].pojemnosc);
}

int DrzewoPunktow::NajblizszyObecny(PunktPlaszczyzny q) {
    s_.x = q.x;
    s_.y = q.y;
    s_.pomin = -1;
    s_.wszedzie.Zacznij(1);
    for (Czesc& c : s_.cwiartki)
        c.Zacznij(0);
    s_.obejrzane = 0;
    if (!wezly_.empty())
        Odwiedz(0, DoPudelka(wezly_[0]));
    obejrzane_ += s_.obejrzane;
    return s_.wszedzie.ile == 0 ? -1 : s_.wszedzie.znalezione[0].second;
}

void DrzewoPunktow::Usun(int p) {
    const int miejsce = miejsce_[std::size_t(p)];
    if (usuniety_[std::size_t(miejsce)])
        return;
    usuniety_[std::size_t(miejsce)] = 1;
    for (int w = lisc_[std::size_t(miejsce)]; w >= 0; w = wezly_[std::size_t(w)].rodzic)
        --wezly_[std::size_t(w)].obecne;
}
