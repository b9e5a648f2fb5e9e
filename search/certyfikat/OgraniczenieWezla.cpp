#include "search/certyfikat/OgraniczenieWezla.h"

#include <algorithm>

OgraniczenieWezla::OgraniczenieWezla(std::vector<int> miasta, std::vector<std::int64_t> wagi,
                                     std::vector<Ciecie> ciecia)
    : n_(int(miasta.size())), miasta_(std::move(miasta)), wagi_(std::move(wagi)), ciecia_(std::move(ciecia)) {}

QString OgraniczenieWezla::Niepoprawne(const DualneCertyfikatu& d) const {
    for (std::size_t v = 0; v < d.y.size(); ++v)
        if (d.y[v] <= -kDwaDo64 || d.y[v] >= kDwaDo64)
            return QStringLiteral("y of city %1 is out of range").arg(v);
    if (d.mu.size() > (std::size_t(1) << 20))
        return QStringLiteral("more than 2^20 multipliers");
    for (const auto& [c, mu] : d.mu) {
        if (c < 0 || std::size_t(c) >= ciecia_.size())
            return QStringLiteral("a multiplier of cut %1, which is not given").arg(c);
        if (mu < 0 || mu >= kDwaDo64)
            return QStringLiteral("the multiplier of cut %1 is negative or out of range").arg(c);
    }
    return {};
}

// pi_ and the sums of the product terms for the block; returns the
// constant 2 sum y + sum prawa mu.
Int128 OgraniczenieWezla::przygotuj(const DualneCertyfikatu& d) {
    const std::size_t w = std::size_t(n_) + 1;
    iloczyn_.assign(w * w, 0);
    std::vector<Int128> roznice(w, 0);
    Int128 stala = 0;
    for (const Int128 y : d.y)
        stala += 2 * y;
    const auto prostokat = [&](const Przedzial& a, const Przedzial& b, Int128 m) {
        const std::size_t a0 = std::size_t(a.od), a1 = std::size_t(a.doKonca) + 1;
        const std::size_t b0 = std::size_t(b.od), b1 = std::size_t(b.doKonca) + 1;
        iloczyn_[a0 * w + b0] += m;
        iloczyn_[a0 * w + b1] -= m;
        iloczyn_[a1 * w + b0] -= m;
        iloczyn_[a1 * w + b1] += m;
    };
    for (const auto& [numer, mu] : d.mu) {
        if (mu == 0)
            continue;
        const Ciecie& c = ciecia_[std::size_t(numer)];
        stala += Int128(c.prawa) * mu;
        for (const ZbiorPozycji& z : c.zbiory) {
            for (const Przedzial& p : z) {
                roznice[std::size_t(p.od)] += mu;
                roznice[std::size_t(p.doKonca) + 1] -= mu;
            }
            for (const Przedzial& a : z)
                for (const Przedzial& b : z)
                    prostokat(a, b, mu);
        }
        for (const auto& [p, q] : c.krawedzie)
            prostokat({p, p}, {q, q}, mu);
    }
    for (std::size_t i = 0; i < w; ++i) {
        Int128 wiersz = 0;
        for (std::size_t j = 0; j < w; ++j) {
            wiersz += iloczyn_[i * w + j];
            iloczyn_[i * w + j] = wiersz + (i > 0 ? iloczyn_[(i - 1) * w + j] : 0);
        }
    }
    pi_.assign(std::size_t(n_), 0);
    Int128 suma = 0;
    for (int p = 0; p < n_; ++p) {
        suma += roznice[std::size_t(p)];
        pi_[std::size_t(p)] = suma + d.y[std::size_t(miasta_[std::size_t(p)])];
    }
    return stala;
}

// Calls dla(index, rc, state) for every pair not at 0, once przygotuj has
// made pi_ and the product sums for the block.
template <class Dla>
void OgraniczenieWezla::przejdz(Int128 skala, bool zWagami, const std::vector<std::uint8_t>& stan, Dla&& dla) const {
    const std::size_t w = std::size_t(n_) + 1;
    std::size_t indeks = 0;
    for (int p = 1; p < n_; ++p) {
        const Int128* wiersz = iloczyn_.data() + std::size_t(p) * w;
        const Int128 piP = pi_[std::size_t(p)];
        for (int q = 0; q < p; ++q, ++indeks) {
            const std::uint8_t s = stan[indeks];
            if (s >= Zero)
                continue;
            const Int128 waga = zWagami ? skala * wagi_[indeks] : Int128(0);
            dla(indeks, waga - piP - pi_[std::size_t(q)] + 2 * wiersz[q], s);
        }
    }
}

Int128 OgraniczenieWezla::Granica(const DualneCertyfikatu& d, Int128 skala, bool zWagami,
                                  const std::vector<std::uint8_t>& stan) {
    Int128 l = przygotuj(d);
    przejdz(skala, zWagami, stan, [&](std::size_t, Int128 rc, std::uint8_t s) {
        if (s == Jeden || rc < 0)
            l += rc;
    });
    return l;
}

std::vector<std::size_t> OgraniczenieWezla::Eliminowane(const DualneCertyfikatu& d, Int128 skala,
                                                        const std::vector<std::uint8_t>& stan, Int128 prog) {
    const Int128 l = Granica(d, skala, true, stan);
    std::vector<std::size_t> wynik;
    przejdz(skala, true, stan, [&](std::size_t indeks, Int128 rc, std::uint8_t s) {
        if (s == Wolna && l + std::max(Int128(0), rc) > prog)
            wynik.push_back(indeks);
    });
    return wynik;
}
