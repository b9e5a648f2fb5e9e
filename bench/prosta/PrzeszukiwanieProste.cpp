#include "bench/prosta/PrzeszukiwanieProste.h"

#include "bench/ZegaryBench.h"

#include "search/lokalne/PunktPlaszczyzny.h"
#include "search/lokalne/SasiedziKandydaci.h"
#include "search/lokalne/TrasaZachlanna.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <utility>

namespace {

constexpr int kSasiedzi = 10;
constexpr int kNajdluzszyOdcinek = 50;

class Prosta {
public:
    Prosta(const Metryka& d, const SasiedziKandydaci& sasiedzi, std::vector<int> kolejnosc)
        : d_(d), sasiedzi_(sasiedzi), n_(int(kolejnosc.size())), miasta_(std::move(kolejnosc)),
          pozycje_(miasta_.size()), kolejka_(miasta_.size()), czeka_(miasta_.size(), 0) {
        for (int p = 0; p < n_; ++p)
            pozycje_[std::size_t(miasta_[std::size_t(p)])] = p;
    }

    const std::vector<int>& Kolejnosc() const { return miasta_; }
    void Aktywuj(int c) {
        if (czeka_[std::size_t(c)])
            return;
        czeka_[std::size_t(c)] = 1;
        kolejka_[std::size_t(koniec_)] = c;
        koniec_ = koniec_ + 1 == n_ ? 0 : koniec_ + 1;
        ++ile_;
    }
    double Zejscie();
    double Kopnij(std::mt19937_64& los);
    void ZapomnijDziennik() { dziennik_.clear(); }
    void Cofnij() {
        for (auto it = dziennik_.rbegin(); it != dziennik_.rend(); ++it)
            odwroc(it->first, it->second);
        dziennik_.clear();
    }

private:
    // Up to three 2-opt exchanges, each (a,b),(c,e) -> (a,c),(b,e).
    struct Ruch {
        // Below this a gain is rounding noise of a real-valued metric.
        double zysk = 1e-7;
        int ile = 0;
        std::array<std::array<int, 4>, 3> zamiany{};
    };

    double d(int a, int b) const { return d_(a, b); }
    int miasto(int p) const { return miasta_[std::size_t(p)]; }
    int nast(int c) const {
        const int p = pozycje_[std::size_t(c)] + 1;
        return miasto(p == n_ ? 0 : p);
    }
    int poprz(int c) const {
        const int p = pozycje_[std::size_t(c)];
        return miasto(p == 0 ? n_ - 1 : p - 1);
    }
    int wez() {
        const int c = kolejka_[std::size_t(poczatek_)];
        poczatek_ = poczatek_ + 1 == n_ ? 0 : poczatek_ + 1;
        --ile_;
        czeka_[std::size_t(c)] = 0;
        return c;
    }

    void odwroc(int od, int dlugosc) {
        int i = od, j = od + dlugosc - 1;
        if (j >= n_)
            j -= n_;
        for (int k = dlugosc / 2; k > 0; --k) {
            const int a = miasto(i), b = miasto(j);
            miasta_[std::size_t(i)] = b;
            pozycje_[std::size_t(b)] = i;
            miasta_[std::size_t(j)] = a;
            pozycje_[std::size_t(a)] = j;
            i = i + 1 == n_ ? 0 : i + 1;
            j = j == 0 ? n_ - 1 : j - 1;
        }
    }
    void odwrocZDziennikiem(int od, int dlugosc) {
        if (dlugosc < 2)
            return;
        odwroc(od, dlugosc);
        dziennik_.emplace_back(od, dlugosc);
    }
    // Edges (a,b) and (c,e) running the same way round become (a,c) and
    // (b,e); the shorter of the two paths between them is reversed.
    void zamien(int a, int b, int c, int e) {
        int i, j;
        if (nast(a) == b)
            i = pozycje_[std::size_t(b)], j = pozycje_[std::size_t(c)];
        else
            i = pozycje_[std::size_t(a)], j = pozycje_[std::size_t(e)];
        int dlugosc = j - i;
        if (dlugosc < 0)
            dlugosc += n_;
        ++dlugosc;
        if (2 * dlugosc > n_) {
            i = j + 1 == n_ ? 0 : j + 1;
            dlugosc = n_ - dlugosc;
        }
        odwrocZDziennikiem(i, dlugosc);
    }

    void dwaOpt(int t1, Ruch& ruch) const;
    void orOpt(int t1, Ruch& ruch) const;

    const Metryka& d_;
    const SasiedziKandydaci& sasiedzi_;
    int n_;
    std::vector<int> miasta_;
    std::vector<int> pozycje_;
    std::vector<int> kolejka_;
    std::vector<char> czeka_;
    int poczatek_ = 0, koniec_ = 0, ile_ = 0;
    std::vector<std::pair<int, int>> dziennik_;
};

void Prosta::dwaOpt(int t1, Ruch& ruch) const {
    for (int kierunek = 0; kierunek < 2; ++kierunek) {
        const int t2 = kierunek == 0 ? nast(t1) : poprz(t1);
        const double d12 = d(t1, t2);
        for (const auto& s : sasiedzi_.Dla(t2)) {
            const double g1 = d12 - s.odleglosc;
            if (g1 <= 0.0)
                break;
            // (t2,t3) comes in: t4 is the neighbour of t3 on t2's side.
            const int t3 = s.miasto;
            const int t4 = kierunek == 0 ? poprz(t3) : nast(t3);
            if (t3 == t1 || t4 == t2)
                continue;
            const double zysk = g1 + d(t3, t4) - d(t4, t1);
            if (zysk > ruch.zysk) {
                ruch.zysk = zysk;
                ruch.ile = 1;
                ruch.zamiany[0] = {t1, t2, t4, t3};
            }
        }
    }
}

void Prosta::orOpt(int t1, Ruch& ruch) const {
    for (int kierunek = 0; kierunek < 2; ++kierunek) {
        const auto naprzod = [&](int c) { return kierunek == 0 ? nast(c) : poprz(c); };
        const auto wstecz = [&](int c) { return kierunek == 0 ? poprz(c) : nast(c); };
        const int p = wstecz(t1);
        const int s1 = t1;
        int s2 = t1;
        std::array<int, 3> odcinek{t1, -1, -1};
        for (int dlugosc = 1; dlugosc <= 3; ++dlugosc) {
            if (dlugosc > 1) {
                s2 = naprzod(s2);
                odcinek[std::size_t(dlugosc - 1)] = s2;
            }
            const int za = naprzod(s2);
            if (za == p || s2 == p)
                break;
            const auto wOdcinku = [&](int c) { return c == odcinek[0] || c == odcinek[1] || c == odcinek[2]; };
            const double g0 = d(p, s1) + d(s2, za) - d(p, za);
            if (g0 <= 0.0)
                continue;
            for (int koniec = 0; koniec < (dlugosc > 1 ? 2 : 1); ++koniec) {
                const int e = koniec == 0 ? s1 : s2;
                for (const auto& s : sasiedzi_.Dla(e)) {
                    if (s.odleglosc >= g0)
                        break;
                    const int c = s.miasto;
                    if (wOdcinku(c))
                        continue;
                    for (int strona = 0; strona < 2; ++strona) {
                        // Between x and y = naprzod(x), e next to c.
                        const int x = strona == 0 ? c : wstecz(c);
                        const int y = strona == 0 ? naprzod(c) : c;
                        if (wOdcinku(x) || wOdcinku(y))
                            continue;
                        const bool odwrocony = (strona == 0) == (e == s2) && dlugosc > 1;
                        const double dodane = odwrocony ? d(x, s2) + d(s1, y) : d(x, s1) + d(s2, y);
                        const double zysk = g0 + d(x, y) - dodane;
                        if (zysk <= ruch.zysk)
                            continue;
                        ruch.zysk = zysk;
                        ruch.ile = 0;
                        if (y == p) {
                            ruch.zamiany[std::size_t(ruch.ile++)] = {x, p, s2, za};
                        } else {
                            ruch.zamiany[std::size_t(ruch.ile++)] = {p, s1, x, y};
                            if (x != za)
                                ruch.zamiany[std::size_t(ruch.ile++)] = {p, x, za, s2};
                        }
                        if (!odwrocony && dlugosc > 1)
                            ruch.zamiany[std::size_t(ruch.ile++)] = {x, s2, s1, y};
                    }
                }
            }
        }
    }
}

double Prosta::Zejscie() {
    double razem = 0.0;
    while (ile_ > 0) {
        const int t1 = wez();
        Ruch ruch;
        dwaOpt(t1, ruch);
        orOpt(t1, ruch);
        if (ruch.ile == 0)
            continue;
        for (int i = 0; i < ruch.ile; ++i) {
            const auto& z = ruch.zamiany[std::size_t(i)];
            zamien(z[0], z[1], z[2], z[3]);
        }
        razem += ruch.zysk;
        Aktywuj(t1);
        for (int i = 0; i < ruch.ile; ++i)
            for (const int c : ruch.zamiany[std::size_t(i)])
                Aktywuj(c);
    }
    return razem;
}

double Prosta::Kopnij(std::mt19937_64& los) {
    const int najwiecej = std::min(kNajdluzszyOdcinek, (n_ - 2) / 2);
    const int la = 1 + int(los() % std::uint64_t(najwiecej));
    const int lb = 1 + int(los() % std::uint64_t(najwiecej));
    const int p = int(los() % std::uint64_t(n_));
    const auto w = [&](int k) { return miasto((p + k + n_) % n_); };
    const int a0 = w(-1), a1 = w(0), a2 = w(la - 1), b1 = w(la), b2 = w(la + lb - 1), c = w(la + lb);
    const double przyrost = d(a0, b1) + d(b2, a1) + d(a2, c) - d(a0, a1) - d(a2, b1) - d(b2, c);
    odwrocZDziennikiem(p, la + lb);
    odwrocZDziennikiem(p, lb);
    odwrocZDziennikiem((p + lb) % n_, la);
    for (const int m : {a0, a1, a2, b1, b2, c})
        Aktywuj(m);
    return przyrost;
}

}  // namespace

PrzeszukiwanieProste::Wynik PrzeszukiwanieProste::Szukaj(const Metryka& d, double sekundy, std::uint64_t ziarno,
                                                         bool czasWatku) {
    const auto start = ZegarBench::now();
    const double koniecWatku = CzasWatku() + sekundy;
    const auto czas = [&] { return czasWatku ? CzasWatku() < koniecWatku : SekundyOd(start) < sekundy; };
    const int n = d.Ilosc();
    Wynik wynik;
    if (n < 8) {
        wynik.trasa.resize(std::size_t(n));
        std::iota(wynik.trasa.begin(), wynik.trasa.end(), 0);
        wynik.dlugosc = n > 0 ? d.Dlugosc(wynik.trasa) : 0.0;
        return wynik;
    }
    std::vector<PunktPlaszczyzny> punkty;
    if (d.MaWspolrzedne())
        for (int i = 0; i < n; ++i)
            punkty.push_back({d.X()[std::size_t(i)], d.Y()[std::size_t(i)]});
    const auto nigdy = [] { return false; };
    SasiedziKandydaci sasiedzi;
    sasiedzi.Zbuduj(d, n, punkty, kSasiedzi, 0, nigdy);
    Prosta trasa(d, sasiedzi, TrasaZachlanna(sasiedzi, n, [&d](int a, int b) { return d(a, b); }, nigdy));
    double dlugosc = d.Dlugosc(trasa.Kolejnosc());
    for (int c = 0; c < n; ++c)
        trasa.Aktywuj(c);
    dlugosc -= trasa.Zejscie();
    trasa.ZapomnijDziennik();
    std::mt19937_64 los(ziarno);
    while (czas()) {
        const double zmiana = trasa.Kopnij(los) - trasa.Zejscie();
        if (zmiana <= 0.0) {
            dlugosc += zmiana;
            trasa.ZapomnijDziennik();
        } else {
            trasa.Cofnij();
        }
        ++wynik.kopniecia;
    }
    wynik.trasa = trasa.Kolejnosc();
    wynik.dlugosc = dlugosc;
    return wynik;
}
