#include "search/dolne/PelneJednoDrzewo.h"

#include "search/dolne/RundyBoruvki.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();

// Queries (or rows of n) between two looks at przerwij.
constexpr int kCoIlePytan = 256;

} // namespace

PelneJednoDrzewo::PelneJednoDrzewo(const Metryka& d) : d_(d) {
    if (DolnaOdleglosc::Dotyczy(d.Rodzaj()))
        drzewo_.emplace(d);
}

std::optional<JednoDrzewo> PelneJednoDrzewo::Oblicz(std::span<const double> kary,
                                                    const std::function<bool()>& przerwij) {
    const int n = d_.Ilosc();
    std::vector<std::pair<int, int>> krawedzie;
    krawedzie.reserve(std::size_t(std::max(n - 1, 0)));
    if (!(drzewo_ ? boruvka(kary, przerwij, krawedzie) : prim(kary, przerwij, krawedzie)))
        return std::nullopt;
    JednoDrzewo drzewo = DrzewoZKrawedzi(n, krawedzie);
    if (n >= 3 && !specjalne(drzewo, kary, przerwij))
        return std::nullopt;
    return drzewo;
}

bool PelneJednoDrzewo::boruvka(std::span<const double> kary, const std::function<bool()>& przerwij,
                               std::vector<std::pair<int, int>>& krawedzie) {
    RundyBoruvki rundy(*drzewo_, kary);
    while (rundy.Skladowych() > 1)
        if (!rundy.Runda(przerwij, krawedzie))
            return false;
    return true;
}

bool PelneJednoDrzewo::prim(std::span<const double> kary, const std::function<bool()>& przerwij,
                            std::vector<std::pair<int, int>>& krawedzie) {
    const int n = d_.Ilosc();
    if (n == 0)
        return true;
    // Not yet in the tree: cities wolne[0..ile), with their cheapest edge
    // into the tree.
    std::vector<int> wolne(std::size_t(n - 1));
    std::iota(wolne.begin(), wolne.end(), 1);
    std::vector<double> waga(std::size_t(n), kNieskonczonosc);
    std::vector<int> skad(std::size_t(n), 0);
    int ostatni = 0;
    std::size_t ile = wolne.size();
    int wiersze = 0;
    while (ile > 0) {
        wiersze += int(ile);
        if (wiersze >= kCoIlePytan * 64) {
            wiersze = 0;
            if (przerwij())
                return false;
        }
        std::size_t najlepszy = 0;
        for (std::size_t k = 0; k < ile; ++k) {
            const int c = wolne[k];
            const double w = d_(ostatni, c) + kary[std::size_t(ostatni)] + kary[std::size_t(c)];
            if (w < waga[std::size_t(c)]) {
                waga[std::size_t(c)] = w;
                skad[std::size_t(c)] = ostatni;
            }
            if (waga[std::size_t(c)] < waga[std::size_t(wolne[najlepszy])])
                najlepszy = k;
        }
        ostatni = wolne[najlepszy];
        krawedzie.push_back({skad[std::size_t(ostatni)], ostatni});
        wolne[najlepszy] = wolne[--ile];
    }
    return true;
}

bool PelneJednoDrzewo::specjalne(JednoDrzewo& drzewo, std::span<const double> kary,
                                 const std::function<bool()>& przerwij) {
    const int n = drzewo.Ilosc();
    int pytania = 0;
    const auto druga = [&](int s, int sasiad) -> std::optional<KrawedzLiscia> {
        KrawedzLiscia k;
        if (drzewo_) {
            if (++pytania % kCoIlePytan == 0 && przerwij())
                return std::nullopt;
            DrzewoKar::Trafienie t[2];
            const int ile = drzewo_->Najblizsze(s, 2, false, kNieskonczonosc, t);
            for (int i = 0; i < ile && k.dokad < 0; ++i)
                if (t[i].miasto != sasiad)
                    k = {t[i].klucz + kary[std::size_t(s)], t[i].miasto};
            return k;
        }
        if (++pytania % 64 == 0 && przerwij())
            return std::nullopt;
        for (int c = 0; c < n; ++c) {
            if (c == s || c == sasiad)
                continue;
            const double w = d_(s, c) + kary[std::size_t(s)] + kary[std::size_t(c)];
            if (w < k.koszt)
                k = {w, c};
        }
        return k;
    };
    return WybierzSpecjalne(drzewo, drzewo.Stopnie(), druga).has_value();
}
