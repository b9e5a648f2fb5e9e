#include "search/lokalne/TrasaZachlanna.h"

#include "search/lokalne/PolaczenieSciezek.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <numeric>
#include <tuple>

namespace {

// An edge with its length's order in 32 bits: the length rounded to single
// precision (exact for whole lengths below 2^24), its bits read as an
// unsigned number, which orders as the floats do once negatives are turned.
struct Krawedz {
    std::uint32_t klucz;
    int a;
    int b;
};

std::uint32_t klucz(double dlugosc) {
    constexpr double kNajwiecej = std::numeric_limits<float>::max();
    const auto bity = std::bit_cast<std::uint32_t>(float(std::clamp(dlugosc, -kNajwiecej, kNajwiecej)));
    return bity & 0x80000000u ? ~bity : bity | 0x80000000u;
}

class Zbiory {
public:
    explicit Zbiory(int n) : rodzic_(std::size_t(n)) { std::iota(rodzic_.begin(), rodzic_.end(), 0); }
    int Korzen(int x) {
        while (rodzic_[std::size_t(x)] != x) {
            rodzic_[std::size_t(x)] = rodzic_[std::size_t(rodzic_[std::size_t(x)])];
            x = rodzic_[std::size_t(x)];
        }
        return x;
    }
    bool Polacz(int a, int b) {
        a = Korzen(a), b = Korzen(b);
        if (a == b)
            return false;
        rodzic_[std::size_t(a)] = b;
        return true;
    }

private:
    std::vector<int> rodzic_;
};

// By length, then by the first city, then by the second, as a radix sort:
// stable passes over 16 bits at a time, the least significant first,
// skipping a pass whose digit is the same for every edge. Linear, and polled
// every 65,536 edges. Equal lengths by city numbers: files of many equal
// distances tend to number their cities along rows, and growing paths in
// that order starts pla33810 and pla85900 14 to 16 per cent above the
// optimum, against 19 in the order the edges were listed in.
bool posortuj(std::vector<Krawedz>& krawedzie, const std::function<bool()>& przerwij) {
    constexpr std::size_t kPoll = 1 << 16, kCyfr = 1 << 16, kPrzebiegow = 6;
    const auto cyfra = [](const Krawedz& k, std::size_t przebieg) {
        const std::uint32_t v = przebieg < 2 ? std::uint32_t(k.b) : przebieg < 4 ? std::uint32_t(k.a) : k.klucz;
        return std::size_t(przebieg % 2 ? v >> 16 : v & 0xFFFFu);
    };
    const std::size_t m = krawedzie.size();
    if (m <= kPoll) {
        // A few milliseconds at most, without the passes' 3 MB of counters.
        std::sort(krawedzie.begin(), krawedzie.end(), [](const Krawedz& x, const Krawedz& y) {
            return std::tie(x.klucz, x.a, x.b) < std::tie(y.klucz, y.a, y.b);
        });
        return true;
    }
    std::vector<std::size_t> miejsce(kPrzebiegow * kCyfr, 0);
    for (std::size_t i = 0; i < m; ++i) {
        if (i % kPoll == 0 && przerwij())
            return false;
        for (std::size_t p = 0; p < kPrzebiegow; ++p)
            ++miejsce[p * kCyfr + cyfra(krawedzie[i], p)];
    }
    std::vector<Krawedz> bufor(m);
    for (std::size_t p = 0; p < kPrzebiegow && m > 0; ++p) {
        std::size_t* tu = miejsce.data() + p * kCyfr;
        if (tu[cyfra(krawedzie[0], p)] == m)
            continue;
        std::exclusive_scan(tu, tu + kCyfr, tu, std::size_t(0));
        for (std::size_t i = 0; i < m; ++i) {
            if (i % kPoll == 0 && przerwij())
                return false;
            bufor[tu[cyfra(krawedzie[i], p)]++] = krawedzie[i];
        }
        krawedzie.swap(bufor);
    }
    return true;
}

// Each candidate edge once: from its smaller end, or from the larger one
// when only that one has it as a candidate. Near cities in a row keep the
// lists looked into in the cache.
bool krawedzieKandydatow(const SasiedziKandydaci& sasiedzi, int n, const std::function<bool()>& przerwij,
                         std::vector<Krawedz>& krawedzie) {
    krawedzie.reserve(sasiedzi.Razem() * 2 / 3);
    for (std::size_t r = 0; r < std::size_t(n); ++r) {
        if ((r & 255) == 0 && przerwij())
            return false;
        const int a = sasiedzi.Kolejnosc()[r];
        for (const auto& s : sasiedzi.Dla(a)) {
            const auto drugie = sasiedzi.Dla(s.miasto);
            if (a < s.miasto ||
                std::none_of(drugie.begin(), drugie.end(), [a](const auto& t) { return t.miasto == a; }))
                krawedzie.push_back({klucz(s.odleglosc), std::min(a, s.miasto), std::max(a, s.miasto)});
        }
    }
    return true;
}

// Greedy matching over the sorted edges: an edge joins when both its
// cities have fewer than two and it closes no cycle. Each city's
// neighbours, -1 where it has none; empty when przerwij asked to stop.
std::vector<std::array<int, 2>> dopasuj(const std::vector<Krawedz>& krawedzie, int n,
                                        const std::function<bool()>& przerwij) {
    constexpr int kBrak = -1;
    std::vector<std::array<int, 2>> sasiad(std::size_t(n), {kBrak, kBrak});
    const auto wolne = [&](int c) { return sasiad[std::size_t(c)][1] == kBrak; };
    const auto dolacz = [&](int a, int b) {
        sasiad[std::size_t(a)][sasiad[std::size_t(a)][0] == kBrak ? 0 : 1] = b;
        sasiad[std::size_t(b)][sasiad[std::size_t(b)][0] == kBrak ? 0 : 1] = a;
    };
    Zbiory zbiory(n);
    int dodane = 0;
    for (std::size_t i = 0; i < krawedzie.size(); ++i) {
        if ((i & 0xFFFF) == 0 && przerwij())
            return {};
        const Krawedz& k = krawedzie[i];
        if (wolne(k.a) && wolne(k.b) && zbiory.Polacz(k.a, k.b)) {
            dolacz(k.a, k.b);
            if (++dodane == n - 1)
                break;
        }
    }
    return sasiad;
}

}  // namespace

std::vector<int> TrasaZachlanna(const SasiedziKandydaci& sasiedzi, int n,
                                const std::function<double(int, int)>& odleglosc,
                                const std::function<bool()>& przerwij) {
    if (n <= 3) {
        std::vector<int> t(std::size_t(std::max(n, 0)));
        std::iota(t.begin(), t.end(), 0);
        return t;
    }
    std::vector<std::array<int, 2>> sasiad;
    {
        std::vector<Krawedz> krawedzie;
        if (!krawedzieKandydatow(sasiedzi, n, przerwij, krawedzie) || !posortuj(krawedzie, przerwij))
            return {};
        sasiad = dopasuj(krawedzie, n, przerwij);
    }
    if (sasiad.empty())
        return {};
    return PolaczSciezki(sasiad, sasiedzi, odleglosc, przerwij);
}
