#include "search/dowod/ZaokraglenieLP.h"

#include "search/dowod/PoprawaTrasy.h"

#include <algorithm>
#include <numeric>

namespace {

class Sciezki {
public:
    explicit Sciezki(int n) : rodzic_(std::size_t(n)), stopien_(std::size_t(n), 0), sasiedzi_(std::size_t(n)) {
        std::iota(rodzic_.begin(), rodzic_.end(), 0);
    }
    bool Dodaj(int a, int b) {
        if (stopien_[std::size_t(a)] >= 2 || stopien_[std::size_t(b)] >= 2 || korzen(a) == korzen(b))
            return false;
        rodzic_[std::size_t(korzen(a))] = korzen(b);
        ++stopien_[std::size_t(a)];
        ++stopien_[std::size_t(b)];
        sasiedzi_[std::size_t(a)].push_back(b);
        sasiedzi_[std::size_t(b)].push_back(a);
        ++krawedzie_;
        return true;
    }
    int Stopien(int v) const { return stopien_[std::size_t(v)]; }
    int Krawedzie() const { return krawedzie_; }
    int korzen(int v) {
        while (rodzic_[std::size_t(v)] != v) {
            rodzic_[std::size_t(v)] = rodzic_[std::size_t(rodzic_[std::size_t(v)])];
            v = rodzic_[std::size_t(v)];
        }
        return v;
    }
    // The one path left through every city, closed.
    std::vector<int> Trasa() const {
        const int n = int(rodzic_.size());
        int v = 0;
        while (v < n && stopien_[std::size_t(v)] != 1)
            ++v;
        std::vector<int> trasa;
        for (int poprzednie = -1; int(trasa.size()) < n;) {
            trasa.push_back(v);
            const std::vector<int>& s = sasiedzi_[std::size_t(v)];
            int dalej = -1;
            for (int u : s)
                if (u != poprzednie)
                    dalej = u;
            if (dalej < 0)
                break;
            poprzednie = v;
            v = dalej;
        }
        return trasa;
    }

private:
    std::vector<int> rodzic_;
    std::vector<int> stopien_;
    std::vector<std::vector<int>> sasiedzi_;
    int krawedzie_ = 0;
};

} // namespace

std::vector<int> ZaokraglijLP(const WagiKrawedzi& w, const GrafWsparcia& g, std::span<const Krawedz> kandydaci) {
    const int n = w.Ilosc();
    if (n < 5)
        return {};
    std::vector<GrafWsparcia::Krawedz> kolejne = g.Krawedzie();
    std::sort(kolejne.begin(), kolejne.end(), [&](const GrafWsparcia::Krawedz& p, const GrafWsparcia::Krawedz& q) {
        return p.x > q.x || (p.x == q.x && w(p.a, p.b) < w(q.a, q.b));
    });
    Sciezki sciezki(n);
    for (const GrafWsparcia::Krawedz& k : kolejne)
        sciezki.Dodaj(k.a, k.b);
    // The paths' ends (a lone city is both ends of its path), joined by the
    // lightest edges between them.
    std::vector<int> konce;
    for (int v = 0; v < n; ++v)
        if (sciezki.Stopien(v) < 2)
            konce.push_back(v);
    std::vector<Krawedz> laczace;
    for (std::size_t i = 0; i < konce.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            laczace.emplace_back(konce[i], konce[j]);
    std::sort(laczace.begin(), laczace.end(), [&](const Krawedz& p, const Krawedz& q) { return w(p) < w(q); });
    for (const Krawedz& k : laczace)
        if (sciezki.Krawedzie() < n - 1)
            sciezki.Dodaj(k.a, k.b);
    std::vector<int> trasa = sciezki.Trasa();
    if (int(trasa.size()) != n)
        return {};
    std::vector<Krawedz> wsparcie;
    for (const GrafWsparcia::Krawedz& k : g.Krawedzie())
        wsparcie.emplace_back(k.a, k.b);
    return PoprawTrase(w, std::move(trasa), kandydaci, wsparcie);
}
