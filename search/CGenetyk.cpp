#include "search/CGenetyk.h"

#include "search/LosowaLiczba.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// What one individual really takes: the object, and its genes in a block of
// the allocator's with its header, at least 32 bytes, in steps of 16.
double pamiecOsobnika(int n) {
    const double geny = n == 0 ? 0.0 : std::max(32.0, std::ceil((4.0 * n + 8.0) / 16.0) * 16.0);
    return double(sizeof(CGenotyp)) + geny;
}

// The finish polls of one long step, once per individual: at the first, then
// about every 2^14 genes of work. A step that sees a finish stops where it
// is, and every later step stops at its first individual, so a finish is
// seen within moments at any population size; every individual is still a
// whole route.
class Przerwanie {
public:
    Przerwanie(const HoldableThread& watek, int geny) : watek_(watek), krok_(std::int64_t(geny) + 1) {}

    bool operator()() {
        praca_ -= krok_;
        if (praca_ > 0)
            return false;
        praca_ = std::int64_t(1) << 14;
        return watek_.finishRequested();
    }

private:
    const HoldableThread& watek_;
    std::int64_t krok_;
    std::int64_t praca_ = 0;
};

} // namespace

CGenetyk::CGenetyk() = default;

CGenetyk::~CGenetyk() {
    finishAndWait();
}

void CGenetyk::UstawRozmiar(int licznosc, int iloscMiast) {
    zamowiony_ = false;
    const int n = std::max(iloscMiast, 0);
    const int licz = std::max(licznosc, 0);
    if (licz == LicznoscPopulacji && n == IloscMiast && Populacja.size() == std::size_t(licz))
        return;
    sprawdzRozmiar(licz, n);
    LicznoscPopulacji = licz;
    IloscMiast = n;
    zbudujPopulacje([] { return false; });
}

void CGenetyk::ZamowRozmiar(int licznosc, int iloscMiast) {
    const int n = std::max(iloscMiast, 0);
    const int licz = std::max(licznosc, 0);
    sprawdzRozmiar(licz, n);
    LicznoscPopulacji = licz;
    IloscMiast = n;
    zamowiony_ = true;
}

void CGenetyk::sprawdzRozmiar(int licz, int n) const {
    // Refused up front, before anything changes: the table the search reads
    // and the two populations with every individual's real cost.
    const TablicaOdleglosci* tablica = Tablica();
    const double pamiecTablicy = tablica ? double(tablica->Count()) * tablica->Count() * sizeof(float) : 0.0;
    requireMemory(2.0 * licz * pamiecOsobnika(n) + pamiecTablicy, BudzetPamieci);
}

template <class Przerwij>
bool CGenetyk::zbudujPopulacje(Przerwij przerwij) {
    const int n = IloscMiast;
    const std::size_t licz = static_cast<std::size_t>(LicznoscPopulacji);
    Najlepszy.UstawIlosc(n);
    Dziecko1.UstawIlosc(n);
    Dziecko2.UstawIlosc(n);
    PozycjaWOdcinku1.assign(static_cast<std::size_t>(n), -1);
    PozycjaWOdcinku2.assign(static_cast<std::size_t>(n), -1);
    Populacja.assign(licz, CGenotyp{});
    NowaPopulacja.assign(licz, CGenotyp{});
    for (std::vector<CGenotyp>* populacja : {&Populacja, &NowaPopulacja})
        for (CGenotyp& g : *populacja) {
            if (przerwij())
                return false;
            g.UstawIlosc(n);
        }
    return true;
}

const TablicaOdleglosci* CGenetyk::Tablica() const {
    return Odleglosci ? Odleglosci->get() : nullptr;
}

double CGenetyk::DlugoscTrasy(const CGenotyp& g) const {
    const TablicaOdleglosci* t = Tablica();
    const int n = static_cast<int>(g.Geny.size());
    if (!t || n < 1)
        return 0.0;
    const TablicaOdleglosci& tablica = *t;
    const int* geny = g.Geny.data();
    double s = 0.0;
    for (int i = 1; i < n; ++i)
        s += tablica[geny[i]][geny[i - 1]];
    s += tablica[geny[0]][geny[n - 1]];
    return s;
}

double CGenetyk::LosujPrawdopodobienstwo() {
    return (Losowanie15() % 10000) * 0.0001;
}

void CGenetyk::Inicjuj() {
    if (Ziarno)
        UstawZiarno(*Ziarno);
    else
        ZiarnoZCzasu();
    const int n = IloscMiast;
    // The (r+1)-th unused city in increasing order is element r of the list
    // of remaining cities kept sorted: the same city for the same draw as a
    // walk over used-flags.
    std::vector<int> pozostale;
    pozostale.reserve(static_cast<std::size_t>(n));
    Przerwanie przerwac(*this, n);
    for (CGenotyp& g : Populacja) {
        if (przerwac())
            return;
        g.UstawIlosc(n);
        pozostale.clear();
        for (int miasto = 0; miasto < n; ++miasto)
            pozostale.push_back(miasto);
        for (int j = 0; j < n; ++j) {
            const int r = LosowaLiczba(n - j);
            g.Geny[static_cast<std::size_t>(j)] = pozostale[static_cast<std::size_t>(r)];
            pozostale.erase(pozostale.begin() + r);
        }
    }
}

void CGenetyk::Ocen() {
    Przerwanie przerwac(*this, IloscMiast);
    double najdluzsza = 0.0;
    for (CGenotyp& g : Populacja) {
        if (przerwac())
            return;
        g.Droga = DlugoscTrasy(g);
        if (g.Droga > najdluzsza)
            najdluzsza = g.Droga;
    }
    double suma = 0.0;
    for (CGenotyp& g : Populacja) {
        g.Przystosowanie = (najdluzsza + 1.0) - g.Droga;
        suma += g.Przystosowanie;
    }
    double dystrybuanta = 0.0;
    for (CGenotyp& g : Populacja) {
        g.Prawdopodobienstwo = g.Przystosowanie / suma;
        dystrybuanta += g.Prawdopodobienstwo;
        g.Dystrybuanta = dystrybuanta;
    }
}

void CGenetyk::ZapamietajNajlepszy() {
    if (Populacja.empty())
        return;
    Przerwanie przerwac(*this, IloscMiast);
    if (przerwac())
        return;
    if (Najlepszy.Droga == 0.0)
        Najlepszy = Populacja.front();
    for (const CGenotyp& g : Populacja) {
        if (przerwac())
            return;
        if (g.Droga < Najlepszy.Droga)
            Najlepszy = g;
    }
}

void CGenetyk::Selekcja() {
    if (Populacja.empty())
        return;
    NowaPopulacja.resize(Populacja.size());
    Przerwanie przerwac(*this, IloscMiast);
    for (CGenotyp& slot : NowaPopulacja) {
        if (przerwac())
            return;
        const double x = LosujPrawdopodobienstwo();
        // The first individual whose cumulative value exceeds x. Rounding can
        // leave the last cumulative value below x; the last individual then
        // takes the draw rather than nobody.
        auto wybrany = std::upper_bound(Populacja.cbegin(), Populacja.cend(), x,
                                        [](double wartosc, const CGenotyp& g) { return wartosc < g.Dystrybuanta; });
        if (wybrany == Populacja.cend())
            --wybrany;
        slot = *wybrany;
    }
    Populacja.swap(NowaPopulacja);
}

void CGenetyk::Krzyzowanie() {
    int oczekujacy = -1;
    Przerwanie przerwac(*this, IloscMiast);
    for (int i = 0; i < static_cast<int>(Populacja.size()); ++i) {
        if (przerwac())
            return;
        if (!(LosujPrawdopodobienstwo() < PKrzyzowania))
            continue;
        if (oczekujacy < 0) {
            oczekujacy = i;
        } else {
            Krzyzuj(oczekujacy, i);
            oczekujacy = -1;
        }
    }
}

void CGenetyk::Krzyzuj(int a, int b) {
    int c1 = LosowaLiczba(IloscMiast);
    int c2 = LosowaLiczba(IloscMiast);
    if (c2 < c1)
        std::swap(c1, c2);
    if (c1 == c2)
        return;
    KrzyzujOdcinek(a, b, c1, c2);
}

void CGenetyk::KrzyzujOdcinek(int a, int b, int c1, int c2) {
    const int n = IloscMiast;
    const int licznosc = static_cast<int>(Populacja.size());
    if (a < 0 || a >= licznosc || b < 0 || b >= licznosc || c1 < 0 || c2 > n || c1 >= c2)
        return;
    const auto rozmiar = static_cast<std::size_t>(n);
    std::vector<int>& A = Populacja[static_cast<std::size_t>(a)].Geny;
    std::vector<int>& B = Populacja[static_cast<std::size_t>(b)].Geny;
    if (A.size() != rozmiar || B.size() != rozmiar)
        return;
    Dziecko1.UstawIlosc(n);
    Dziecko2.UstawIlosc(n);
    if (PozycjaWOdcinku1.size() != rozmiar) {
        PozycjaWOdcinku1.assign(rozmiar, -1);
        PozycjaWOdcinku2.assign(rozmiar, -1);
    }
    int* d1 = Dziecko1.Geny.data();
    int* d2 = Dziecko2.Geny.data();
    int* poz1 = PozycjaWOdcinku1.data();
    int* poz2 = PozycjaWOdcinku2.data();

    for (int j = c1; j < c2; ++j) {
        d1[j] = B[static_cast<std::size_t>(j)];
        d2[j] = A[static_cast<std::size_t>(j)];
        poz1[d1[j]] = j;
        poz2[d2[j]] = j;
    }
    // A city outside the segment that the segment already holds is replaced
    // by following the segment's mapping until a free city turns up; for
    // permutations the chain is at most as long as the segment.
    const int dlugoscOdcinka = c2 - c1;
    auto napraw = [&](int i) {
        int v = A[static_cast<std::size_t>(i)];
        for (int krok = 0; krok < dlugoscOdcinka && poz1[v] >= 0; ++krok)
            v = d2[poz1[v]];
        d1[i] = v;
        int w = B[static_cast<std::size_t>(i)];
        for (int krok = 0; krok < dlugoscOdcinka && poz2[w] >= 0; ++krok)
            w = d1[poz2[w]];
        d2[i] = w;
    };
    for (int i = 0; i < c1; ++i)
        napraw(i);
    for (int i = c2; i < n; ++i)
        napraw(i);

    for (int j = c1; j < c2; ++j) {
        poz1[d1[j]] = -1;
        poz2[d2[j]] = -1;
    }
    Populacja[static_cast<std::size_t>(a)] = Dziecko1;
    Populacja[static_cast<std::size_t>(b)] = Dziecko2;
}

void CGenetyk::Mutacja() {
    const int n = IloscMiast;
    Przerwanie przerwac(*this, 1);
    for (CGenotyp& g : Populacja) {
        if (przerwac())
            return;
        if (!(LosujPrawdopodobienstwo() < PMutacji))
            continue;
        const int p = LosowaLiczba(n);
        const int q = LosowaLiczba(n);
        if (p < static_cast<int>(g.Geny.size()) && q < static_cast<int>(g.Geny.size()))
            std::swap(g.Geny[static_cast<std::size_t>(p)], g.Geny[static_cast<std::size_t>(q)]);
    }
}

double CGenetyk::NajkrotszaWPopulacji() const {
    double najkrotsza = Populacja.empty() ? 0.0 : Populacja.front().Droga;
    for (const CGenotyp& g : Populacja)
        najkrotsza = std::min(najkrotsza, g.Droga);
    return najkrotsza;
}

void CGenetyk::Zapisz(StanGenetyka& stan) const {
    stan.IlePokolen = IlePokolen;
    stan.NrPokolenia = pokazanePokolenie_;
    stan.Droga = Najlepszy.Droga;
    // Copied into the buffer's own storage: no allocation once it has grown.
    stan.Geny.assign(Najlepszy.Geny.cbegin(), Najlepszy.Geny.cend());
    stan.Zbieznosc = Zbieznosc;
    stan.Wstrzymany = false;
}

void CGenetyk::Opublikuj(bool wstrzymany) {
    Zapisz(stan_.back());
    stan_.back().Wstrzymany = wstrzymany;
    stan_.publish();
    nieopublikowany_ = false;
}

void CGenetyk::PokazPostep(int nrPokolenia) {
    Zbieznosc.Dodaj(NajkrotszaWPopulacji());
    pokazanePokolenie_ = nrPokolenia;
    if (!pierwszyZapisany_) {
        Zapisz(pierwszy_);
        pierwszyZapisany_ = true;
        pierwszyGotowy_.store(true, std::memory_order_release);
    } else if (stan_.taken()) {
        // The reader keeps up at its own pace; between its takes the search
        // only notes that there is something newer.
        Opublikuj(false);
    } else {
        nieopublikowany_ = true;
    }
    if (Wyswietl)
        callOnOwnerThread(Wyswietl);
}

const StanGenetyka* CGenetyk::NowyStan() {
    if (!pierwszyOdebrany_) {
        if (!pierwszyGotowy_.load(std::memory_order_acquire))
            return nullptr;
        pierwszyOdebrany_ = true;
        odebrany_ = &pierwszy_;
        return odebrany_;
    }
    if (!stan_.take())
        return nullptr;
    odebrany_ = &stan_.front();
    return odebrany_;
}

void CGenetyk::Execute() {
    const TablicaOdleglosci* t = Tablica();
    if (!t || t->Count() < IloscMiast)
        return;
    if (zamowiony_) {
        // Millions of individuals are built and freed here, not on the
        // thread of the window waiting for them.
        struct Zwolnienie {
            CGenetyk& g;
            ~Zwolnienie() {
                g.Populacja = {};
                g.NowaPopulacja = {};
            }
        } zwolnienie{*this};
        Przerwanie przerwac(*this, IloscMiast);
        if (zbudujPopulacje(przerwac))
            Przeszukaj();
        return;
    }
    Przeszukaj();
}

void CGenetyk::Przeszukaj() {
    Inicjuj();
    Ocen();
    ZapamietajNajlepszy();
    PokazPostep(0);
    NrPokolenia = 0;
    // A paused search shows where it stopped, not where the reader last
    // looked.
    const auto przedPauza = [this] { Opublikuj(true); };
    while (NrPokolenia < IlePokolen && !checkpoint(przedPauza)) {
        Selekcja();
        Krzyzowanie();
        Mutacja();
        Ocen();
        ZapamietajNajlepszy();
        PokazPostep(NrPokolenia);
        ++NrPokolenia;
    }
    if (nieopublikowany_)
        Opublikuj(false);
}
