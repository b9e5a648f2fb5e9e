#include "search/genetyczne/CGenetyk.h"
#include "search/BramkaKrokow.h"

#include "search/SumaTrasy.h"

#include "search/LosowaLiczba.h"
#include "search/WymaganaTablica.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

// What one individual really takes: the object, and its genes in a block of
// the allocator's with its header, at least 32 bytes, in steps of 16.
double pamiecOsobnika(int n) {
    const double geny = n == 0 ? 0.0 : std::max(32.0, std::ceil((4.0 * n + 8.0) / 16.0) * 16.0);
    return double(sizeof(CGenotyp)) + geny;
}

} // namespace

// The polls of one long step, once per individual: at the first, then about
// every 2^14 genes of work. On the search's own thread a poll waits while the
// search is held, so a pause takes effect within moments at any population
// size. A step that sees a finish stops where it is, and every later step
// stops at its first individual; every individual is still a whole route,
// but the generation is not one and is neither shown nor counted.
class CGenetyk::Przerwanie {
public:
    Przerwanie(CGenetyk& genetyk, int geny)
        : genetyk_(genetyk), naWatkuSzukania_(QThread::currentThread() == &genetyk),
          krok_(std::int64_t(geny) + 1) {}

    bool operator()() {
        praca_ -= krok_;
        if (praca_ > 0)
            return false;
        praca_ = std::int64_t(1) << 14;
        // Steps driven by hand on another thread, with the search created
        // held and never started, must not wait for that hold.
        const bool koniec = naWatkuSzukania_ ? genetyk_.PunktKontrolny() : genetyk_.finishRequested();
        genetyk_.krokPrzerwany_ = genetyk_.krokPrzerwany_ || koniec;
        return koniec;
    }

private:
    CGenetyk& genetyk_;
    bool naWatkuSzukania_;
    std::int64_t krok_;
    std::int64_t praca_ = 0;
};

CGenetyk::CGenetyk() = default;

CGenetyk::~CGenetyk() {
    finishAndWait();
}

void CGenetyk::UstawRozmiar(int licznosc, int iloscMiast) {
    zamowiony_ = false;
    const int n = std::max(iloscMiast, 0);
    const int licz = std::max(licznosc, 0);
    if (licz == licznoscPopulacji_ && n == iloscMiast_ && populacja_.size() == std::size_t(licz))
        return;
    sprawdzRozmiar(licz, n);
    licznoscPopulacji_ = licz;
    iloscMiast_ = n;
    zbudujPopulacje();
}

void CGenetyk::ZamowRozmiar(int licznosc, int iloscMiast) {
    const int n = std::max(iloscMiast, 0);
    const int licz = std::max(licznosc, 0);
    sprawdzRozmiar(licz, n);
    licznoscPopulacji_ = licz;
    iloscMiast_ = n;
    zamowiony_ = true;
}

void CGenetyk::sprawdzRozmiar(int licz, int n) const {
    // Refused up front, before anything changes: the table the search reads
    // and the two populations with every individual's real cost.
    // A table still to be built counts as much as one already there.
    const TablicaOdleglosci* tablica = Tablica();
    const double pamiecTablicy = Budowa.Zamowiona() ? double(n) * n * sizeof(float)
                                 : tablica          ? double(tablica->Count()) * tablica->Count() * sizeof(float)
                                                    : 0.0;
    requireMemory(PamiecPopulacji(licz, n) + pamiecTablicy, BudzetPamieci);
}

double CGenetyk::PamiecPopulacji(int licznosc, int iloscMiast) {
    return 2.0 * std::max(licznosc, 0) * pamiecOsobnika(std::max(iloscMiast, 0));
}

bool CGenetyk::zbudujPopulacje() {
    const int n = iloscMiast_;
    const std::size_t licz = static_cast<std::size_t>(licznoscPopulacji_);
    najlepszy_.UstawIlosc(n);
    dziecko1_.UstawIlosc(n);
    dziecko2_.UstawIlosc(n);
    pozycjaWOdcinku1_.assign(static_cast<std::size_t>(n), -1);
    pozycjaWOdcinku2_.assign(static_cast<std::size_t>(n), -1);
    // Reserved whole, filled one individual at a time: even the objects of
    // millions take long enough to write that a pause must be heard meanwhile.
    Przerwanie przerwac(*this, n);
    for (std::vector<CGenotyp>* populacja : {&populacja_, &nowaPopulacja_}) {
        populacja->clear();
        populacja->reserve(licz);
        for (std::size_t i = 0; i < licz; ++i) {
            if (przerwac())
                return false;
            populacja->emplace_back().UstawIlosc(n);
        }
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
    return SumaTrasy<double>(*t, g.Geny.data(), n);
}

double CGenetyk::LosujPrawdopodobienstwo() {
    return (Losowanie15() % 10000) * 0.0001;
}

void CGenetyk::Inicjuj() {
    if (Ziarno)
        UstawZiarno(*Ziarno);
    else
        ZiarnoZCzasu();
    const int n = iloscMiast_;
    // The (r+1)-th unused city in increasing order is element r of the list
    // of remaining cities kept sorted: the same city for the same draw as a
    // walk over used-flags.
    std::vector<int> pozostale;
    pozostale.reserve(static_cast<std::size_t>(n));
    Przerwanie przerwac(*this, n);
    for (CGenotyp& g : populacja_) {
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
    // Every pass polls: at ten million individuals one pass takes longer
    // than a pause may wait.
    Przerwanie przerwac(*this, iloscMiast_);
    double najdluzsza = 0.0;
    najkrotszaWPokoleniu_ = populacja_.empty() ? 0.0 : std::numeric_limits<double>::infinity();
    for (CGenotyp& g : populacja_) {
        if (przerwac())
            return;
        g.Droga = DlugoscTrasy(g);
        najdluzsza = std::max(najdluzsza, g.Droga);
        najkrotszaWPokoleniu_ = std::min(najkrotszaWPokoleniu_, g.Droga);
    }
    double suma = 0.0;
    for (CGenotyp& g : populacja_) {
        if (przerwac())
            return;
        g.Przystosowanie = (najdluzsza + 1.0) - g.Droga;
        suma += g.Przystosowanie;
    }
    double dystrybuanta = 0.0;
    for (CGenotyp& g : populacja_) {
        if (przerwac())
            return;
        g.Prawdopodobienstwo = g.Przystosowanie / suma;
        dystrybuanta += g.Prawdopodobienstwo;
        g.Dystrybuanta = dystrybuanta;
    }
}

void CGenetyk::ZapamietajNajlepszy() {
    // The best is found first and copied once at the end: a pause inside
    // the scan then shows the best of the last display step, not a newer
    // one that its convergence does not yet hold.
    Przerwanie przerwac(*this, iloscMiast_);
    const CGenotyp* najlepszy = nullptr;
    double najkrotsza = najlepszy_.Droga;
    for (const CGenotyp& g : populacja_) {
        if (przerwac())
            return;
        // Before any is stored, the first individual is.
        if ((!maNajlepszy_ && !najlepszy) || g.Droga < najkrotsza) {
            najlepszy = &g;
            najkrotsza = g.Droga;
        }
    }
    if (najlepszy) {
        najlepszy_ = *najlepszy;
        maNajlepszy_ = true;
    }
}

void CGenetyk::Selekcja() {
    if (populacja_.empty())
        return;
    nowaPopulacja_.resize(populacja_.size());
    Przerwanie przerwac(*this, iloscMiast_);
    for (CGenotyp& slot : nowaPopulacja_) {
        if (przerwac())
            return;
        const double x = LosujPrawdopodobienstwo();
        // The first individual whose cumulative value exceeds x. Rounding can
        // leave the last cumulative value below x; the last individual then
        // takes the draw rather than nobody.
        auto wybrany = std::upper_bound(populacja_.cbegin(), populacja_.cend(), x,
                                        [](double wartosc, const CGenotyp& g) { return wartosc < g.Dystrybuanta; });
        if (wybrany == populacja_.cend())
            --wybrany;
        slot = *wybrany;
    }
    populacja_.swap(nowaPopulacja_);
}

void CGenetyk::Krzyzowanie() {
    int oczekujacy = -1;
    Przerwanie przerwac(*this, iloscMiast_);
    for (int i = 0; i < static_cast<int>(populacja_.size()); ++i) {
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
    int c1 = LosowaLiczba(iloscMiast_);
    int c2 = LosowaLiczba(iloscMiast_);
    if (c2 < c1)
        std::swap(c1, c2);
    if (c1 == c2)
        return;
    KrzyzujOdcinek(a, b, c1, c2);
}

void CGenetyk::KrzyzujOdcinek(int a, int b, int c1, int c2) {
    const int n = iloscMiast_;
    const int licznosc = static_cast<int>(populacja_.size());
    if (a < 0 || a >= licznosc || b < 0 || b >= licznosc || c1 < 0 || c2 > n || c1 >= c2)
        return;
    const auto rozmiar = static_cast<std::size_t>(n);
    std::vector<int>& A = populacja_[static_cast<std::size_t>(a)].Geny;
    std::vector<int>& B = populacja_[static_cast<std::size_t>(b)].Geny;
    if (A.size() != rozmiar || B.size() != rozmiar)
        return;
    dziecko1_.UstawIlosc(n);
    dziecko2_.UstawIlosc(n);
    if (pozycjaWOdcinku1_.size() != rozmiar) {
        pozycjaWOdcinku1_.assign(rozmiar, -1);
        pozycjaWOdcinku2_.assign(rozmiar, -1);
    }
    dzieci_ += 2;
    int* d1 = dziecko1_.Geny.data();
    int* d2 = dziecko2_.Geny.data();
    int* poz1 = pozycjaWOdcinku1_.data();
    int* poz2 = pozycjaWOdcinku2_.data();

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
    populacja_[static_cast<std::size_t>(a)] = dziecko1_;
    populacja_[static_cast<std::size_t>(b)] = dziecko2_;
}

void CGenetyk::Mutacja() {
    const int n = iloscMiast_;
    Przerwanie przerwac(*this, 1);
    for (CGenotyp& g : populacja_) {
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

void CGenetyk::Zapisz(StanGenetyka& stan) const {
    stan.IlePokolen = IlePokolen;
    stan.NrPokolenia = pokazanePokolenie_;
    stan.Droga = najlepszy_.Droga;
    // Copied into the buffer's own storage: no allocation once it has grown.
    stan.Geny.assign(najlepszy_.Geny.cbegin(), najlepszy_.Geny.cend());
    stan.Zbieznosc = zbieznosc_;
    stan.Wstrzymany = false;
}

void CGenetyk::Opublikuj(bool wstrzymany) {
    Zapisz(stan_.back());
    stan_.back().Wstrzymany = wstrzymany;
    stan_.publish();
    nieopublikowany_ = false;
}

void CGenetyk::PokazPostep(int nrPokolenia) {
    zbieznosc_.Dodaj(najkrotszaWPokoleniu_);
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
}

bool CGenetyk::PunktKontrolny() {
    // A paused search shows where it stopped, not where the reader last
    // looked: the last display step, whose best route and convergence stay
    // as they were until the next one. Before the first there is nothing.
    return checkpoint([this] {
        if (pierwszyZapisany_)
            Opublikuj(true);
    });
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
    if (!Budowa.Zbuduj([this] { return checkpoint(); }))
        return;
    WymaganaTablica(Odleglosci, iloscMiast_);
    if (zamowiony_) {
        // Millions of individuals are built and freed here, not on the
        // thread of the window waiting for them, and freed however the
        // search ends.
        struct Zwolnienie {
            CGenetyk& g;
            ~Zwolnienie() {
                // Not "= {}": that assigns an empty list and keeps the
                // buffers.
                g.populacja_ = std::vector<CGenotyp>();
                g.nowaPopulacja_ = std::vector<CGenotyp>();
            }
        } zwolnienie{*this};
        if (zbudujPopulacje())
            Przeszukaj();
        return;
    }
    Przeszukaj();
}

void CGenetyk::Przeszukaj() {
    Inicjuj();
    Ocen();
    ZapamietajNajlepszy();
    if (krokPrzerwany_)
        return;
    PokazPostep(0);
    nrPokolenia_ = 0;
    while (nrPokolenia_ < IlePokolen && !PunktKontrolny()) {
        dzieci_ = 0;
        Selekcja();
        Krzyzowanie();
        Mutacja();
        Ocen();
        ZapamietajNajlepszy();
        if (krokPrzerwany_)
            break;
        PokazPostep(nrPokolenia_);
        ++nrPokolenia_;
        if (Kroki && krokPokolenia())
            break;
    }
    if (nieopublikowany_)
        Opublikuj(false);
}

bool CGenetyk::krokPokolenia() {
    const auto najlepszy = std::min_element(populacja_.cbegin(), populacja_.cend(),
                                            [](const CGenotyp& a, const CGenotyp& b) { return a.Droga < b.Droga; });
    OpisKroku opis;
    opis.rodzaj = OpisKroku::Rodzaj::Pokolenie;
    if (najlepszy != populacja_.cend()) {
        opis.trasa = najlepszy->Geny;
        opis.wartosc = najlepszy->Droga;
    }
    opis.najlepsza = najlepszy_.Droga;
    opis.najlepszaTrasa = najlepszy_.Geny;
    opis.ile = dzieci_;
    opis.numer = nrPokolenia_;
    return Kroki->Krok(std::move(opis));
}
