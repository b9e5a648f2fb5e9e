#include "search/dowod/ZapisCertyfikatu.h"

#include "search/certyfikat/SprawdzenieCertyfikatu.h"
#include "search/certyfikat/SumaWag.h"
#include "search/dowod/CiecieCertyfikatu.h"
#include "search/dowod/KolejkaWezlow.h"
#include "search/dowod/ProgramLiniowy.h"
#include "search/dowod/WycenaKrawedzi.h"

#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

std::vector<std::uint64_t> klucz(const Wezel& w) {
    std::vector<std::uint64_t> k;
    k.reserve(w.ustalenia.size());
    for (const Wezel::Ustalenie& u : w.ustalenia)
        k.push_back(std::uint64_t(u.krawedz.Indeks()) * 2 + std::uint64_t(u.wartosc));
    return k;
}

// The scales tried in turn: 2^32 keeps every leaf closed but where a bound
// passes its route's weight less 1 by a hair; finer ones then, coarser
// ones where weights are so large that 2^32 overflows.
constexpr double kSkale[] = {4294967296.0, 17592186044416.0, 16777216.0, 65536.0};
// A ray is scaled so that its largest multiplier is this: only its sign
// pattern matters, not its size.
constexpr double kSkalaPromienia = 1099511627776.0;
constexpr long double kNajwiekszaCalkowita = 4611686018427387904.0L;  // 2^62

} // namespace

ZapisCertyfikatu::ZapisCertyfikatu(int n) : n_(n) {}

void ZapisCertyfikatu::Wziety(const Wezel& wezel) {
    std::vector<std::uint64_t> k = klucz(wezel);
    if (wezly_.empty() && k.empty()) {
        wezly_.push_back(WezelZapisu{{}, Stan::Otwarty, -std::numeric_limits<long double>::infinity(), {}, {}, {}, {}});
        biezacy_ = 0;
        return;
    }
    const auto i = czekajace_.find(k);
    biezacy_ = i == czekajace_.end() ? -1 : i->second;
    if (i != czekajace_.end())
        czekajace_.erase(i);
}

int ZapisCertyfikatu::numerCiecia(const Ciecie& c) {
    const std::size_t skrot = c.Skrot();
    const auto [od, doKonca] = skroty_.equal_range(skrot);
    for (auto i = od; i != doKonca; ++i)
        if (ciecia_[std::size_t(i->second)] == c)
            return i->second;
    const int numer = int(ciecia_.size());
    ciecia_.push_back(c);
    skroty_.emplace(skrot, numer);
    return numer;
}

// Cut rows are >= rows: a negative multiplier there proves nothing and the
// pricing takes it as 0; so does the certificate.
ZapisCertyfikatu::WspolnaMigawka ZapisCertyfikatu::migawka(const ProgramLiniowy& lp, std::span<const double> dualne) {
    auto m = std::make_shared<Migawka>();
    m->y.assign(dualne.begin(), dualne.begin() + n_);
    const std::vector<Ciecie>& ciecia = lp.Ciecia();
    for (std::size_t c = 0; c < ciecia.size(); ++c)
        if (const double mu = dualne[std::size_t(n_) + c]; mu > 0.0)
            m->mu.emplace_back(numerCiecia(ciecia[c]), mu);
    return m;
}

void ZapisCertyfikatu::Wyceniony(const ProgramLiniowy& lp, long double granica) {
    if (biezacy_ < 0)
        return;
    WezelZapisu& w = wezly_[std::size_t(biezacy_)];
    if (!(granica > w.granica))
        return;
    w.granica = granica;
    w.najlepsza = migawka(lp, lp.Dualne());
}

void ZapisCertyfikatu::Sprzeczny(const ProgramLiniowy& lp, WycenaKrawedzi& wycena) {
    if (biezacy_ < 0)
        return;
    std::vector<double> promien = lp.PromienSprzecznosci();
    for (const double znak : {1.0, -1.0}) {
        for (double& r : promien)
            r *= znak;
        if (wycena.Wycen(promien, false, 0).granica > 0.0L) {
            wezly_[std::size_t(biezacy_)].promien = migawka(lp, promien);
            return;
        }
        for (double& r : promien)
            r *= znak;
    }
}

void ZapisCertyfikatu::Zamkniety() {
    if (biezacy_ >= 0)
        wezly_[std::size_t(biezacy_)].stan = Stan::Zamkniety;
}

void ZapisCertyfikatu::Wyeliminowane(const ProgramLiniowy& lp) {
    if (biezacy_ >= 0)
        wezly_[std::size_t(biezacy_)].eliminacja = migawka(lp, lp.Dualne());
}

// The children in the order the branch and cut queues them: x_e = 1, then 0.
void ZapisCertyfikatu::Rozgaleziony(Krawedz e) {
    if (biezacy_ < 0)
        return;
    const int rodzic = biezacy_;
    for (const int wartosc : {1, 0}) {
        WezelZapisu dziecko;
        dziecko.klucz = wezly_[std::size_t(rodzic)].klucz;
        dziecko.klucz.push_back(std::uint64_t(e.Indeks()) * 2 + std::uint64_t(wartosc));
        dziecko.granica = wezly_[std::size_t(rodzic)].granica;
        dziecko.najlepsza = wezly_[std::size_t(rodzic)].najlepsza;
        const int id = int(wezly_.size());
        czekajace_.emplace(dziecko.klucz, id);
        wezly_.push_back(std::move(dziecko));
        (wartosc == 1 ? wezly_[std::size_t(rodzic)].jeden : wezly_[std::size_t(rodzic)].zero) = id;
    }
    // Only its children read its duals now.
    WezelZapisu& w = wezly_[std::size_t(rodzic)];
    w.stan = Stan::Rozgaleziony;
    w.krawedz = e;
    w.najlepsza.reset();
}

void ZapisCertyfikatu::Nierozwiazany() {
    nierozwiazany_ = true;
}

// The recorded multipliers as whole numbers at one scale.
struct ZapisCertyfikatu::Zaokraglenie {
    std::unordered_map<const Migawka*, int> bloki;
    std::vector<std::pair<const Migawka*, bool>> kolejnosc;  // the block, a ray

    int blok(const WspolnaMigawka& m, bool promien) {
        const auto [i, nowy] = bloki.emplace(m.get(), int(kolejnosc.size()));
        if (nowy)
            kolejnosc.emplace_back(m.get(), promien);
        return i->second;
    }

    static std::optional<Int128> calkowita(long double x) {
        const long double r = std::round(x);
        if (!(std::fabs(r) < kNajwiekszaCalkowita))
            return std::nullopt;
        return Int128((long long)r);
    }

    static std::optional<DualneCertyfikatu> skaluj(const Migawka& m, long double skala) {
        DualneCertyfikatu d;
        for (const double y : m.y) {
            const std::optional<Int128> x = calkowita(y * skala);
            if (!x)
                return std::nullopt;
            d.y.push_back(*x);
        }
        for (const auto& [c, mu] : m.mu) {
            const std::optional<Int128> x = calkowita(mu * skala);
            if (!x)
                return std::nullopt;
            if (*x > 0)
                d.mu.emplace_back(c, *x);
        }
        return d;
    }

    static long double skalaPromienia(const Migawka& m) {
        double najwieksza = 0.0;
        for (const double y : m.y)
            najwieksza = std::max(najwieksza, std::fabs(y));
        for (const auto& p : m.mu)
            najwieksza = std::max(najwieksza, p.second);
        return najwieksza > 0.0 ? kSkalaPromienia / najwieksza : 1.0L;
    }

    // False when a multiplier does not fit at this scale.
    bool wypelnij(SekcjaCertyfikatu& s, long double skala) const {
        s.dualne.clear();
        for (const auto& [m, promien] : kolejnosc) {
            std::optional<DualneCertyfikatu> d = skaluj(*m, promien ? skalaPromienia(*m) : skala);
            if (!d)
                return false;
            s.dualne.push_back(std::move(*d));
        }
        return true;
    }
};

ZapisCertyfikatu::Sekcja ZapisCertyfikatu::Utworz(const std::vector<int>& trasa, const Metryka& d,
                                                  CelCertyfikatu cel) const {
    SekcjaCertyfikatu s;
    s.cel = cel;
    s.trasa = trasa;
    s.dlugosc = d.DlugoscCalkowita(trasa);
    const std::vector<std::int64_t> wagi = WagiCalkowite(d);
    if (n_ <= 3)
        return {s, {}};
    if (nierozwiazany_)
        return {std::nullopt, QStringLiteral("a node of the proof was left unresolved")};
    std::vector<int> pozycja(trasa.size(), 0);
    for (std::size_t p = 0; p < trasa.size(); ++p)
        pozycja[std::size_t(trasa[p])] = int(p);
    for (const Ciecie& c : ciecia_) {
        std::optional<CiecieCertyfikatu> w = CiecieDoCertyfikatu(c, pozycja);
        if (!w)
            return {std::nullopt, QStringLiteral("the proof used a cut of a kind the certificate has no form for")};
        s.ciecia.push_back(std::move(*w));
    }
    Zaokraglenie z;
    for (std::size_t i = 0; i < wezly_.size(); ++i) {
        const WezelZapisu& w = wezly_[i];
        WezelCertyfikatu x;
        if (w.stan == Stan::Otwarty)
            return {std::nullopt, QStringLiteral("node %1 of the proof was left open").arg(i)};
        if (w.stan == Stan::Rozgaleziony) {
            x.rodzaj = WezelCertyfikatu::Rodzaj::Rozgalezienie;
            x.u = w.krawedz.a;
            x.v = w.krawedz.b;
            x.zero = w.zero;
            x.jeden = w.jeden;
        } else if (w.promien) {
            x.rodzaj = WezelCertyfikatu::Rodzaj::Promien;
            x.dualne = z.blok(w.promien, true);
        } else if (w.najlepsza) {
            x.rodzaj = WezelCertyfikatu::Rodzaj::Granica;
            x.dualne = z.blok(w.najlepsza, false);
        } else {
            return {std::nullopt, QStringLiteral("node %1 of the proof was closed with no duals").arg(i)};
        }
        if (w.eliminacja)
            x.eliminacja = z.blok(w.eliminacja, false);
        s.wezly.push_back(x);
    }
    QString blad = QStringLiteral("its duals do not fit in whole numbers");
    for (const double skala : kSkale) {
        if (!z.wypelnij(s, skala))
            continue;
        s.skala = Int128((long long)skala);
        const WerdyktCertyfikatu werdykt = SprawdzSekcje(s, wagi, n_);
        if (werdykt.wazny)
            return {std::move(s), {}};
        blad = werdykt.powod;
    }
    return {std::nullopt, QStringLiteral("rounding its duals to whole numbers loses the proof: ") + blad};
}
