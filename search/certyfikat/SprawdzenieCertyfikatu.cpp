#include "search/certyfikat/SprawdzenieCertyfikatu.h"

#include "search/certyfikat/KsztaltCiecia.h"
#include "search/certyfikat/OgraniczenieWezla.h"
#include "search/certyfikat/SumaWag.h"

#include <optional>

namespace {

struct Niewazny {
    QString powod;
};

std::size_t para(int a, int b) {
    if (a < b)
        std::swap(a, b);
    return std::size_t(a) * std::size_t(a - 1) / 2 + std::size_t(b);
}

QString nazwaCelu(CelCertyfikatu cel) {
    return cel == CelCertyfikatu::Najkrotsza ? QStringLiteral("shortest") : QStringLiteral("longest");
}

// A bound for a message: the verdict itself is the whole-number comparison.
QString ulamek(Int128 l, Int128 skala) {
    return QString::number(double(l) / double(skala), 'f', 6);
}

class SprawdzenieSekcji {
public:
    SprawdzenieSekcji(const SekcjaCertyfikatu& s, const std::vector<std::int64_t>& wagi, int n)
        : s_(s), wagi_(wagi), n_(n) {}

    void sprawdz() {
        trasa();
        if (n_ <= 3)
            return;  // one route only
        if (s_.skala < 1 || s_.skala >= kDwaDo64)
            blad(QStringLiteral("its scale is not from 1 to 2^64 - 1"));
        przygotuj();
        drzewo();
    }

private:
    [[noreturn]] void blad(const QString& co) const {
        throw Niewazny{QStringLiteral("section %1: ").arg(nazwaCelu(s_.cel)) + co};
    }

    void trasa() {
        if (int(s_.trasa.size()) != n_)
            blad(QStringLiteral("its route does not have %1 cities").arg(n_));
        pozycja_.assign(std::size_t(n_), -1);
        for (int p = 0; p < n_; ++p) {
            const int c = s_.trasa[std::size_t(p)];
            if (c < 0 || c >= n_ || pozycja_[std::size_t(c)] >= 0)
                blad(QStringLiteral("its route is no permutation of the cities (city %1)").arg(c));
            pozycja_[std::size_t(c)] = p;
        }
        std::int64_t dlugosc = 0;
        for (int p = 0; p < n_; ++p)
            dlugosc += n_ < 2 ? 0 : wagi_[para(s_.trasa[std::size_t(p)], s_.trasa[std::size_t((p + 1) % n_)])];
        if (dlugosc != s_.dlugosc)
            blad(QStringLiteral("its route is %1 long, not the %2 it claims").arg(dlugosc).arg(s_.dlugosc));
        waga_ = s_.cel == CelCertyfikatu::Najkrotsza ? dlugosc : -dlugosc;
    }

    void przygotuj() {
        std::vector<OgraniczenieWezla::Ciecie> ciecia;
        for (std::size_t i = 0; i < s_.ciecia.size(); ++i) {
            const CiecieCertyfikatu& c = s_.ciecia[i];
            const KsztaltCiecia k = SprawdzKsztalt(c, n_, pozycja_);
            if (k.blad)
                blad(QStringLiteral("cut %1 is not valid for every route: ").arg(i) + *k.blad);
            OgraniczenieWezla::Ciecie o{c.zbiory, {}, k.prawa};
            for (const auto& [u, v] : c.krawedzie) {
                const int p = pozycja_[std::size_t(u)], q = pozycja_[std::size_t(v)];
                o.krawedzie.emplace_back(std::max(p, q), std::min(p, q));
            }
            ciecia.push_back(std::move(o));
        }
        const long long znak = s_.cel == CelCertyfikatu::Najkrotsza ? 1 : -1;
        std::vector<std::int64_t> wagiPozycji;
        wagiPozycji.reserve(wagi_.size());
        for (int p = 1; p < n_; ++p)
            for (int q = 0; q < p; ++q)
                wagiPozycji.push_back(znak * wagi_[para(s_.trasa[std::size_t(p)], s_.trasa[std::size_t(q)])]);
        ograniczenie_.emplace(s_.trasa, std::move(wagiPozycji), std::move(ciecia));
        // No route in a closed leaf weighs less than the route's: with whole
        // weights, none below it less 1.
        prog_ = s_.skala * Int128(waga_ - 1);
    }

    const DualneCertyfikatu& blok(int wezel, int d) {
        if (d < 0 || std::size_t(d) >= s_.dualne.size())
            blad(QStringLiteral("node %1 names duals %2, which are not given").arg(wezel).arg(d));
        const DualneCertyfikatu& b = s_.dualne[std::size_t(d)];
        if (const QString zle = ograniczenie_->Niepoprawne(b); !zle.isEmpty())
            blad(QStringLiteral("duals %1 (of node %2): ").arg(d).arg(wezel) + zle);
        return b;
    }

    void zamknij(int id, const WezelCertyfikatu& w) {
        if (w.rodzaj == WezelCertyfikatu::Rodzaj::Granica) {
            const Int128 l = ograniczenie_->Granica(blok(id, w.dualne), s_.skala, true, stan_);
            if (!(l > prog_))
                blad(QStringLiteral("leaf %1 is not closed: the bound of duals %2 is %3, not above %4, so a route "
                                    "better than the one given may lie in it")
                         .arg(id)
                         .arg(w.dualne)
                         .arg(ulamek(l, s_.skala))
                         .arg(waga_ - 1));
        } else {
            const Int128 l = ograniczenie_->Granica(blok(id, w.dualne), s_.skala, false, stan_);
            if (!(l > 0))
                blad(QStringLiteral("leaf %1 is not closed: ray %2 sums to %3, not above 0")
                         .arg(id)
                         .arg(w.dualne)
                         .arg(ulamek(l, 1)));
        }
    }

    struct Ramka {
        Ramka(int w, bool s) : wezel(w), sprzeczny(s) {}
        int wezel;
        int krok = 0;
        bool sprzeczny = false;
        std::size_t krawedz = 0;
        std::uint8_t przedtem = 0;
        std::vector<std::size_t> eliminowane;
    };

    const WezelCertyfikatu& wezel(int id, int rodzic, int wartosc) {
        if (id < 0 || std::size_t(id) >= s_.wezly.size()
            || s_.wezly[std::size_t(id)].rodzaj == WezelCertyfikatu::Rodzaj::Brak) {
            if (rodzic < 0)
                blad(QStringLiteral("there is no root, node 0"));
            blad(QStringLiteral("node %1 branches, but its child %2 (x = %3) is missing")
                     .arg(rodzic)
                     .arg(id)
                     .arg(wartosc));
        }
        if (odwiedzony_[std::size_t(id)])
            blad(QStringLiteral("node %1 is reached twice: the nodes are no tree").arg(id));
        odwiedzony_[std::size_t(id)] = true;
        return s_.wezly[std::size_t(id)];
    }

    void eliminuj(Ramka& r, const WezelCertyfikatu& w) {
        const DualneCertyfikatu& d = blok(r.wezel, w.eliminacja);
        r.eliminowane = ograniczenie_->Eliminowane(d, s_.skala, stan_, prog_);
        for (const std::size_t e : r.eliminowane)
            stan_[e] = OgraniczenieWezla::Wyeliminowana;
    }

    // Depth first with a stack of its own: a tree as deep as it has nodes
    // does not overflow the program's stack.
    void drzewo() {
        stan_.assign(wagi_.size(), OgraniczenieWezla::Wolna);
        odwiedzony_.assign(s_.wezly.size(), false);
        std::vector<Ramka> stos;
        wezel(0, -1, 0);
        stos.emplace_back(0, false);
        while (!stos.empty()) {
            Ramka& r = stos.back();
            const WezelCertyfikatu& w = s_.wezly[std::size_t(r.wezel)];
            if (r.krok == 0) {
                if (w.eliminacja >= 0 && !r.sprzeczny)
                    eliminuj(r, w);
                if (w.rodzaj != WezelCertyfikatu::Rodzaj::Rozgalezienie) {
                    // A leaf fixing at 1 an edge eliminated above holds no route.
                    if (!r.sprzeczny)
                        zamknij(r.wezel, w);
                    r.krok = 2;
                    continue;
                }
                if (w.u == w.v)
                    blad(QStringLiteral("node %1 branches on (%2, %2), which is no edge").arg(r.wezel).arg(w.u));
                r.krawedz = para(pozycja_[std::size_t(w.u)], pozycja_[std::size_t(w.v)]);
                r.przedtem = stan_[r.krawedz];
                if (r.przedtem == OgraniczenieWezla::Jeden || r.przedtem == OgraniczenieWezla::Zero)
                    blad(QStringLiteral("node %1 branches on edge (%2, %3), fixed above it already")
                             .arg(r.wezel)
                             .arg(w.u)
                             .arg(w.v));
                r.krok = 1;
                if (r.przedtem == OgraniczenieWezla::Wolna)
                    stan_[r.krawedz] = OgraniczenieWezla::Zero;
                const bool sprzeczny = r.sprzeczny;
                wezel(w.zero, r.wezel, 0);
                stos.emplace_back(w.zero, sprzeczny);
            } else if (r.krok == 1) {
                const bool sprzeczny = r.sprzeczny || r.przedtem == OgraniczenieWezla::Wyeliminowana;
                if (r.przedtem == OgraniczenieWezla::Wolna)
                    stan_[r.krawedz] = OgraniczenieWezla::Jeden;
                r.krok = 3;
                const int jeden = w.jeden;
                wezel(jeden, r.wezel, 1);
                stos.emplace_back(jeden, sprzeczny);
            } else {
                if (r.krok == 3)
                    stan_[r.krawedz] = r.przedtem;
                for (const std::size_t e : r.eliminowane)
                    stan_[e] = OgraniczenieWezla::Wolna;
                stos.pop_back();
            }
        }
        for (std::size_t id = 0; id < s_.wezly.size(); ++id) {
            if (s_.wezly[id].rodzaj == WezelCertyfikatu::Rodzaj::Brak && s_.wezly[id].eliminacja >= 0)
                blad(QStringLiteral("an elimination names node %1, which has no record").arg(id));
            if (s_.wezly[id].rodzaj != WezelCertyfikatu::Rodzaj::Brak && !odwiedzony_[id])
                blad(QStringLiteral("node %1 is below no branch of the root").arg(id));
        }
    }

    const SekcjaCertyfikatu& s_;
    const std::vector<std::int64_t>& wagi_;
    int n_;
    std::vector<int> pozycja_;
    std::int64_t waga_ = 0;
    Int128 prog_ = 0;
    std::optional<OgraniczenieWezla> ograniczenie_;
    std::vector<std::uint8_t> stan_;
    std::vector<bool> odwiedzony_;
};

WerdyktCertyfikatu instancja(const Certyfikat& c, const Metryka& d, const QString& nazwa,
                             const std::vector<std::int64_t>& wagi) {
    if (c.miasta != d.Ilosc())
        return {false,
                QStringLiteral("the certificate is for %1 cities, the instance has %2").arg(c.miasta).arg(d.Ilosc())};
    if (c.nazwa != nazwa)
        return {false, QStringLiteral("the certificate is for instance \"%1\", not \"%2\"").arg(c.nazwa, nazwa)};
    if (c.suma != SumaWag(wagi))
        return {false, QStringLiteral("the certificate is for other distances: its checksum of the weights differs")};
    return {true, {}};
}

} // namespace

WerdyktCertyfikatu SprawdzSekcje(const SekcjaCertyfikatu& s, const std::vector<std::int64_t>& wagi, int n) {
    try {
        SprawdzenieSekcji(s, wagi, n).sprawdz();
    } catch (const Niewazny& e) {
        return {false, e.powod};
    }
    return {true, {}};
}

WerdyktCertyfikatu SprawdzCertyfikat(const Certyfikat& c, const Metryka& d, const QString& nazwa,
                                     const std::vector<int>& trasa) {
    if (d.Ilosc() > Certyfikat::kNajwiecejMiast)
        return {false, QStringLiteral("a certificate takes at most %1 cities").arg(Certyfikat::kNajwiecejMiast)};
    const std::vector<std::int64_t> wagi = WagiCalkowite(d);
    if (WerdyktCertyfikatu w = instancja(c, d, nazwa, wagi); !w.wazny)
        return w;
    const SekcjaCertyfikatu* glowna = nullptr;
    bool cele[2] = {false, false};
    for (const SekcjaCertyfikatu& s : c.sekcje) {
        bool& byl = cele[s.cel == CelCertyfikatu::Najkrotsza ? 0 : 1];
        if (byl)
            return {false, QStringLiteral("two sections for the %1 route").arg(nazwaCelu(s.cel))};
        byl = true;
        if (!glowna || s.cel == CelCertyfikatu::Najkrotsza)
            glowna = &s;
    }
    if (!glowna)
        return {false, QStringLiteral("the certificate has no section")};
    const int n = d.Ilosc();
    std::int64_t dlugosc = 0;
    std::vector<bool> byl(std::size_t(n), false);
    for (const int miasto : trasa) {
        if (miasto < 0 || miasto >= n || byl[std::size_t(miasto)])
            return {false, QStringLiteral("the route is no permutation of the cities (city %1)").arg(miasto)};
        byl[std::size_t(miasto)] = true;
    }
    if (int(trasa.size()) != n)
        return {false, QStringLiteral("the route does not visit all %1 cities").arg(n)};
    for (int k = 0; k < n; ++k)
        dlugosc += n < 2 ? 0 : wagi[para(trasa[std::size_t(k)], trasa[std::size_t((k + 1) % n)])];
    if (dlugosc != glowna->dlugosc)
        return {false, QStringLiteral("the route is %1 long, but the certificate proves the %2 route %3 long")
                           .arg(dlugosc)
                           .arg(nazwaCelu(glowna->cel))
                           .arg(glowna->dlugosc)};
    for (const SekcjaCertyfikatu& s : c.sekcje)
        if (WerdyktCertyfikatu w = SprawdzSekcje(s, wagi, n); !w.wazny)
            return w;
    return {true, {}};
}
