#include "search/dowod/GrafWsparcia.h"

#include "search/dowod/ProgramLiniowy.h"
#include "search/dowod/TolerancjeDowodu.h"

#include <algorithm>
#include <numeric>

GrafWsparcia::GrafWsparcia(int n, std::vector<Krawedz> krawedzie)
    : n_(n), krawedzie_(std::move(krawedzie)), poczatki_(std::size_t(n) + 1, 0) {
    for (const Krawedz& k : krawedzie_) {
        ++poczatki_[std::size_t(k.a) + 1];
        ++poczatki_[std::size_t(k.b) + 1];
    }
    std::partial_sum(poczatki_.begin(), poczatki_.end(), poczatki_.begin());
    przy_.resize(poczatki_.back());
    std::vector<std::size_t> wolne(poczatki_.begin(), poczatki_.end() - 1);
    for (std::size_t e = 0; e < krawedzie_.size(); ++e) {
        przy_[wolne[std::size_t(krawedzie_[e].a)]++] = int(e);
        przy_[wolne[std::size_t(krawedzie_[e].b)]++] = int(e);
    }
}

GrafWsparcia GrafWsparcia::Z(const ProgramLiniowy& lp) {
    std::vector<Krawedz> krawedzie;
    const std::span<const double> x = lp.X();
    for (int j = 0; j < lp.IloscKolumn(); ++j)
        if (x[std::size_t(j)] > TolerancjeDowodu::kZeroX) {
            const ::Krawedz& k = lp.Krawedzie()[std::size_t(j)];
            krawedzie.push_back({k.a, k.b, std::min(1.0, x[std::size_t(j)])});
        }
    return GrafWsparcia(lp.IloscMiast(), std::move(krawedzie));
}

// Only edges at a city of a set can cross it.
double GrafWsparcia::Lewa(const Ciecie& c) const {
    if (znacznik_.size() != std::size_t(n_))
        znacznik_.assign(std::size_t(n_), 0);
    double lewa = 0.0;
    for (const std::vector<int>& s : c.zbiory) {
        ++przebieg_;
        for (int v : s)
            znacznik_[std::size_t(v)] = przebieg_;
        for (int v : s)
            for (int e : Przy(v)) {
                const Krawedz& k = krawedzie_[std::size_t(e)];
                if (znacznik_[std::size_t(k.a == v ? k.b : k.a)] != przebieg_)
                    lewa += k.x;
            }
    }
    for (const ::Krawedz& f : c.zeby)
        for (int e : Przy(f.a))
            if (const Krawedz& k = krawedzie_[std::size_t(e)]; (k.a == f.b || k.b == f.b))
                lewa -= 2.0 * k.x;
    return lewa;
}

std::vector<std::vector<int>> GrafWsparcia::Skladowe(double prog) const {
    std::vector<int> skladowa(std::size_t(n_), -1);
    std::vector<std::vector<int>> wynik;
    std::vector<int> stos;
    for (int s = 0; s < n_; ++s) {
        if (skladowa[std::size_t(s)] >= 0)
            continue;
        const int numer = int(wynik.size());
        wynik.emplace_back();
        skladowa[std::size_t(s)] = numer;
        stos.push_back(s);
        while (!stos.empty()) {
            const int v = stos.back();
            stos.pop_back();
            wynik.back().push_back(v);
            for (int e : Przy(v)) {
                const Krawedz& k = krawedzie_[std::size_t(e)];
                const int u = k.a == v ? k.b : k.a;
                if (k.x > prog && skladowa[std::size_t(u)] < 0) {
                    skladowa[std::size_t(u)] = numer;
                    stos.push_back(u);
                }
            }
        }
        std::sort(wynik.back().begin(), wynik.back().end());
    }
    return wynik;
}
