#include "search/dolne/AlfaBliskosc.h"

#include "search/dolne/DolnaOdleglosc.h"
#include "search/dolne/DrzewoKar.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();

struct Kandydat {
    double alfa;
    double koszt;
    int miasto;

    bool operator<(const Kandydat& k) const {
        return alfa < k.alfa || (alfa == k.alfa && (koszt < k.koszt || (koszt == k.koszt && miasto < k.miasto)));
    }
};

// The spanning tree's edges as lists, each with its cost, to walk the tree
// from any city.
class ListyDrzewa {
public:
    // wGore: each city's edge to its parent.
    ListyDrzewa(const JednoDrzewo& drzewo, const std::vector<double>& wGore) {
        const int n = drzewo.Ilosc();
        poczatki_.assign(std::size_t(n) + 1, 0);
        for (int c = 0; c < n; ++c)
            if (drzewo.rodzic[std::size_t(c)] >= 0) {
                ++poczatki_[std::size_t(c) + 1];
                ++poczatki_[std::size_t(drzewo.rodzic[std::size_t(c)]) + 1];
            }
        for (std::size_t i = 1; i < poczatki_.size(); ++i)
            poczatki_[i] += poczatki_[i - 1];
        sasiedzi_.resize(std::size_t(poczatki_.back()));
        koszty_.resize(sasiedzi_.size());
        std::vector<int> wolne(poczatki_.begin(), poczatki_.end() - 1);
        const auto dodaj = [&](int a, int b, double koszt) {
            sasiedzi_[std::size_t(wolne[std::size_t(a)])] = b;
            koszty_[std::size_t(wolne[std::size_t(a)]++)] = koszt;
        };
        for (int c = 0; c < n; ++c)
            if (const int r = drzewo.rodzic[std::size_t(c)]; r >= 0) {
                dodaj(c, r, wGore[std::size_t(c)]);
                dodaj(r, c, wGore[std::size_t(c)]);
            }
    }

    // beta[b]: the dearest edge on the tree's path from a to b (-infinity
    // at a); stos and byl are the walk's own, kept between calls.
    void Najdrozsze(int a, std::vector<double>& beta, std::vector<int>& stos, std::vector<char>& byl) const {
        std::fill(byl.begin(), byl.end(), 0);
        stos.assign(1, a);
        byl[std::size_t(a)] = 1;
        beta[std::size_t(a)] = -kNieskonczonosc;
        while (!stos.empty()) {
            const int c = stos.back();
            stos.pop_back();
            for (int p = poczatki_[std::size_t(c)]; p < poczatki_[std::size_t(c) + 1]; ++p) {
                const int b = sasiedzi_[std::size_t(p)];
                if (byl[std::size_t(b)])
                    continue;
                byl[std::size_t(b)] = 1;
                beta[std::size_t(b)] = std::max(beta[std::size_t(c)], koszty_[std::size_t(p)]);
                stos.push_back(b);
            }
        }
    }

private:
    std::vector<int> poczatki_;
    std::vector<int> sasiedzi_;
    std::vector<double> koszty_;
};

void zapisz(std::vector<Kandydat>& kandydaci, int k, std::vector<int>& lista) {
    const std::size_t ile = std::min(kandydaci.size(), std::size_t(k));
    std::partial_sort(kandydaci.begin(), kandydaci.begin() + std::ptrdiff_t(ile), kandydaci.end());
    lista.clear();
    for (std::size_t i = 0; i < ile; ++i)
        lista.push_back(kandydaci[i].miasto);
}

} // namespace

AlfaBliskosc::AlfaBliskosc(const Metryka& d, std::span<const double> kary, const JednoDrzewo& drzewo)
    : d_(d), kary_(kary), drzewo_(drzewo) {
    const int n = drzewo.Ilosc();
    glebokosc_.assign(static_cast<std::size_t>(n), 0);
    wGore_.assign(static_cast<std::size_t>(n), 0.0);
    for (int c : drzewo.kolejnosc) {
        const int r = drzewo.rodzic[std::size_t(c)];
        if (r >= 0) {
            glebokosc_[std::size_t(c)] = glebokosc_[std::size_t(r)] + 1;
            wGore_[std::size_t(c)] = koszt(c, r);
        }
    }
    if (drzewo.specjalne >= 0) {
        const int s = drzewo.specjalne;
        drugaSpecjalnego_ = std::max(koszt(s, drzewo.SasiadLiscia(s)), koszt(s, drzewo.drugi));
    }
}

double AlfaBliskosc::Alfa(int a, int b) const {
    if (a == b)
        return 0.0;
    const int s = drzewo_.specjalne;
    if (a == s || b == s)
        return std::max(0.0, koszt(a, b) - drugaSpecjalnego_);
    const double c = koszt(a, b);
    double najdrozsza = -kNieskonczonosc;
    while (a != b) {
        if (glebokosc_[std::size_t(a)] < glebokosc_[std::size_t(b)])
            std::swap(a, b);
        najdrozsza = std::max(najdrozsza, wGore_[std::size_t(a)]);
        a = drzewo_.rodzic[std::size_t(a)];
    }
    return std::max(0.0, c - najdrozsza);
}

std::optional<std::vector<std::vector<int>>> AlfaBliskosc::Sasiedzi(int k,
                                                                   const std::function<bool()>& przerwij) const {
    const int n = drzewo_.Ilosc();
    std::vector<std::vector<int>> listy(static_cast<std::size_t>(n));
    k = std::clamp(k, 0, std::max(0, n - 1));
    if (k == 0)
        return listy;
    const bool wPlaszczyznie = DolnaOdleglosc::Dotyczy(d_.Rodzaj());
    const bool ok = n <= kDokladnieDo || !wPlaszczyznie ? dokladnie(k, przerwij, listy) : zPuli(k, przerwij, listy);
    if (!ok)
        return std::nullopt;
    return listy;
}

bool AlfaBliskosc::dokladnie(int k, const std::function<bool()>& przerwij, std::vector<std::vector<int>>& listy) const {
    const int n = drzewo_.Ilosc();
    const ListyDrzewa drzewo(drzewo_, wGore_);
    // beta[b]: the dearest edge on the path from the city a to b.
    std::vector<double> beta(static_cast<std::size_t>(n));
    std::vector<int> stos;
    std::vector<char> byl(static_cast<std::size_t>(n));
    std::vector<Kandydat> kandydaci;
    const int s = drzewo_.specjalne;
    for (int a = 0; a < n; ++a) {
        if (przerwij())
            return false;
        kandydaci.clear();
        if (a == s) {
            for (int b = 0; b < n; ++b)
                if (b != a)
                    kandydaci.push_back({Alfa(a, b), koszt(a, b), b});
        } else {
            drzewo.Najdrozsze(a, beta, stos, byl);
            for (int b = 0; b < n; ++b) {
                if (b == a)
                    continue;
                const double c = koszt(a, b);
                const double najdrozsza = b == s ? drugaSpecjalnego_ : beta[std::size_t(b)];
                kandydaci.push_back({std::max(0.0, c - najdrozsza), c, b});
            }
        }
        zapisz(kandydaci, k, listy[std::size_t(a)]);
    }
    return true;
}

bool AlfaBliskosc::zPuli(int k, const std::function<bool()>& przerwij, std::vector<std::vector<int>>& listy) const {
    const int n = drzewo_.Ilosc();
    DrzewoKar drzewo(d_);
    drzewo.UstawKary(kary_);
    const int pula = std::min(DrzewoKar::kNajwiecej, kPula * k);
    std::vector<DrzewoKar::Trafienie> trafienia(static_cast<std::size_t>(pula));
    std::vector<Kandydat> kandydaci;
    for (int a = 0; a < n; ++a) {
        if ((a & 255) == 0 && przerwij())
            return false;
        kandydaci.clear();
        const int ile = drzewo.Najblizsze(a, pula, false, kNieskonczonosc, trafienia.data());
        for (int i = 0; i < ile; ++i) {
            const int b = trafienia[std::size_t(i)].miasto;
            kandydaci.push_back({Alfa(a, b), koszt(a, b), b});
        }
        // The tree's own edges are alpha 0: always among the candidates.
        const auto dodaj = [&](int b) {
            const auto tenSam = [b](const Kandydat& x) { return x.miasto == b; };
            if (b >= 0 && std::none_of(kandydaci.begin(), kandydaci.end(), tenSam))
                kandydaci.push_back({0.0, koszt(a, b), b});
        };
        dodaj(drzewo_.rodzic[std::size_t(a)]);
        if (a == drzewo_.specjalne)
            dodaj(drzewo_.drugi);
        if (a == drzewo_.drugi)
            dodaj(drzewo_.specjalne);
        zapisz(kandydaci, k, listy[std::size_t(a)]);
    }
    return true;
}
