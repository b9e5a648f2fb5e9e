#include "search/permutacje/PrzegladPermutacji.h"

#include "search/permutacje/BezGranic.h"
#include "search/permutacje/GraniceDopelnien.h"
#include "search/permutacje/GraniceHeldaKarpa.h"
#include "search/permutacje/GraniceLagrange.h"
#include "search/permutacje/GraniceProste.h"
#include "search/permutacje/PamiecPoddrzew.h"
#include "search/permutacje/RelaksacjaLagrange.h"
#include "search/SumaTrasy.h"
#include "search/permutacje/TrasaProgowa.h"
#include "search/permutacje/ZaokraglenieSum.h"
#include "search/permutacje/ZasiegiPrzegladu.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {

constexpr double kJednostkaZaokraglenia = 0x1p-24;  // of a single-precision addition
constexpr double kNieskonczonosc = std::numeric_limits<double>::infinity();
// The memory of searched subtrees of the Lagrangian walk: at most 2^24
// slots (256 MB), which keeps layouts full of equal-length routes from
// searching the same subtrees over and over; smaller ones when the memory
// budget is short, down to 2^16, below which it is left out.
constexpr int kNajwiecejBitowPamieci = 24;
constexpr int kNajmniejBitowPamieci = 16;

} // namespace

PrzegladPermutacji::Ograniczenie PrzegladPermutacji::OgraniczenieDla(int iloscMiast) {
    if (Uzyta(CzescPrzegladu::Tablice, iloscMiast))
        return Ograniczenie::HeldKarp;
    return Uzyta(CzescPrzegladu::Lagrange, iloscMiast) ? Ograniczenie::Lagrange : Ograniczenie::Proste;
}

PrzegladPermutacji::PrzegladPermutacji(const TablicaOdleglosci& odleglosci, int iloscMiast,
                                       Ograniczenie ograniczenie, Cel cel, MemoryAccount* konto)
    : odleglosci_(odleglosci), n_(std::max(iloscMiast, 1)), ograniczenie_(ograniczenie), cel_(cel),
      przejscie_(odleglosci, iloscMiast) {
    if (!konto)
        konto = &wlasneKonto_.emplace();
    if (n_ < 3 || !NadajeSieDoOgraniczen(odleglosci_, n_))
        ograniczenie_ = Ograniczenie::Brak;
    if (ograniczenie_ != Ograniczenie::Lagrange)
        cel_ = Cel::Oba;
    if (ograniczenie_ == Ograniczenie::Brak)
        return;

    krokSum_ = KrokDokladnychSum(odleglosci_, n_);
    if (krokSum_ == 0.0) {
        // Each of at most n roundings changes a sum by a factor within
        // 1 +- 2^-24; two units more cover the double arithmetic.
        zapasDolny_ = 1.0 - (n_ + 2) * kJednostkaZaokraglenia;
        zapasGorny_ = 1.0 + (n_ + 2) * kJednostkaZaokraglenia;
    }
    if (ograniczenie_ == Ograniczenie::HeldKarp)
        przygotujHeldaKarpa(*konto);
    if (ograniczenie_ == Ograniczenie::Lagrange)
        przygotujLagrange(*konto);
    przygotujProste();
}

PrzegladPermutacji::~PrzegladPermutacji() = default;

std::size_t PrzegladPermutacji::SlotyPamieci() const {
    if (pamiecPoddrzew_)
        return pamiecPoddrzew_->Sloty();
    return pamiecKrotszej_.size();
}

void PrzegladPermutacji::przygotujHeldaKarpa(MemoryAccount& konto) {
    if (Obslugiwana(CzescPrzegladu::Tablice, n_) && konto.tryTake(GraniceDopelnien::Rozmiar(n_), udzialGranic_)) {
        try {
            granice_ = std::make_unique<GraniceDopelnien>(odleglosci_, n_);
        } catch (const std::bad_alloc&) {
            granice_.reset();
            udzialGranic_.giveBack();
        }
    }
    if (!granice_) {
        ograniczenie_ = Ograniczenie::Lagrange;
        return;
    }
    // As many entries as the tables.
    const double rozmiarPamieci = GraniceDopelnien::Rozmiar(n_);
    if (Obslugiwana(CzescPrzegladu::PamiecTablic, n_) && konto.tryTake(rozmiarPamieci, udzialPamieci_)) {
        try {
            const std::size_t rozmiar = std::size_t(WszystkieMiasta(n_) + 1) * std::size_t(n_);
            pamiecKrotszej_.resize(rozmiar);
            pamiecDluzszej_.resize(rozmiar);
        } catch (const std::bad_alloc&) {
            pamiecKrotszej_ = {};
            pamiecDluzszej_ = {};
            udzialPamieci_.giveBack();
        }
    }
}

void PrzegladPermutacji::przygotujLagrange(MemoryAccount& konto) {
    if (!Obslugiwana(CzescPrzegladu::Lagrange, n_)) {
        ograniczenie_ = Ograniczenie::Proste;
        cel_ = Cel::Oba;
        return;
    }
    const std::size_t n = std::size_t(n_);
    try {
        relaksacjaKrotszej_ = std::make_unique<RelaksacjaLagrange>(KosztyKrancowe(odleglosci_, n_, false), n_);
        relaksacjaDluzszej_ = std::make_unique<RelaksacjaLagrange>(KosztyKrancowe(odleglosci_, n_, true), n_);
        karyKrotszej_.assign((n + 1) * n, 0.0);
        karyDluzszej_.assign((n + 1) * n, 0.0);
    } catch (const std::bad_alloc&) {
        ograniczenie_ = Ograniczenie::Proste;
        cel_ = Cel::Oba;
        return;
    }
    // A memory no larger than the subtrees there are: 2^(n-1) sets of
    // cities left times the n - 1 cities the walk can stand at.
    for (int bity = std::min(kNajwiecejBitowPamieci, n_ + 3); bity >= kNajmniejBitowPamieci; --bity) {
        if (!konto.tryTake(PamiecPoddrzew::Rozmiar(bity), udzialPamieci_))
            continue;
        try {
            pamiecPoddrzew_ = std::make_unique<PamiecPoddrzew>(bity);
            return;
        } catch (const std::bad_alloc&) {
            udzialPamieci_.giveBack();
        }
    }
}

void PrzegladPermutacji::przygotujProste() {
    const std::size_t n = std::size_t(n_);
    najtanszeWejscie_.assign(n, 0.0);
    najdrozszeWejscie_.assign(n, 0.0);
    sumaTanszych_.assign(n + 1, 0.0);
    sumaDrozszych_.assign(n + 1, 0.0);
    for (int u = 1; u < n_; ++u) {
        double najtansze = kNieskonczonosc;
        double najdrozsze = 0.0;
        for (int v = 1; v < n_; ++v)
            if (v != u) {
                najtansze = std::min(najtansze, double(odleglosci_[u][v]));
                najdrozsze = std::max(najdrozsze, double(odleglosci_[u][v]));
            }
        najtanszeWejscie_[std::size_t(u)] = najtansze;
        najdrozszeWejscie_[std::size_t(u)] = najdrozsze;
    }
}

bool PrzegladPermutacji::Szukaj(const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                                int krokKontroli) {
    przejscie_.Zacznij(nrPermutacji);
    switch (ograniczenie_) {
    case Ograniczenie::Brak: {
        BezGranic granice;
        return przejscie_.Przejdz(granice, przerwij, nrPermutacji, krokKontroli);
    }
    case Ograniczenie::Proste: {
        double tansze = 0.0;
        double drozsze = 0.0;
        double zamkniecieTansze = kNieskonczonosc;
        double zamkniecieDrozsze = 0.0;
        for (int u = 1; u < n_; ++u) {
            tansze += najtanszeWejscie_[std::size_t(u)];
            drozsze += najdrozszeWejscie_[std::size_t(u)];
            zamkniecieTansze = std::min(zamkniecieTansze, double(odleglosci_[0][u]));
            zamkniecieDrozsze = std::max(zamkniecieDrozsze, double(odleglosci_[0][u]));
        }
        sumaTanszych_[0] = tansze;
        sumaDrozszych_[0] = drozsze;
        GraniceProste granice{najtanszeWejscie_.data(), najdrozszeWejscie_.data(), zamkniecieTansze,
                              zamkniecieDrozsze, zapasDolny_, zapasGorny_, sumaTanszych_.data(),
                              sumaDrozszych_.data()};
        return przejscie_.Przejdz(granice, przerwij, nrPermutacji, krokKontroli);
    }
    case Ograniczenie::HeldKarp: {
        if (!granice_->Zbuduj(przerwij))
            return false;
        std::vector<int> wzor(static_cast<std::size_t>(n_));
        granice_->TrasaNajkrotsza(wzor.data());
        const double progKrotszej = SumaTrasy(odleglosci_, wzor.data(), n_);
        granice_->TrasaNajdluzsza(wzor.data());
        const double progDluzszej = SumaTrasy(odleglosci_, wzor.data(), n_);
        std::fill(pamiecKrotszej_.begin(), pamiecKrotszej_.end(), std::numeric_limits<float>::infinity());
        std::fill(pamiecDluzszej_.begin(), pamiecDluzszej_.end(), -std::numeric_limits<float>::infinity());
        const bool zPamiecia = !pamiecKrotszej_.empty();
        GraniceHeldaKarpa granice{granice_.get(),
                                  WszystkieMiasta(n_),
                                  zapasDolny_,
                                  zapasGorny_,
                                  progKrotszej,
                                  progDluzszej,
                                  zPamiecia ? pamiecKrotszej_.data() : nullptr,
                                  zPamiecia ? pamiecDluzszej_.data() : nullptr};
        return przejscie_.Przejdz(granice, przerwij, nrPermutacji, krokKontroli);
    }
    case Ograniczenie::Lagrange:
        return szukajZLagrange(przerwij, nrPermutacji, krokKontroli);
    }
    return true;
}

bool PrzegladPermutacji::szukajZLagrange(const std::function<bool()>& przerwij,
                                         std::atomic<std::uint32_t>& nrPermutacji, int krokKontroli) {
    const bool krotsza = cel_ != Cel::Najdluzsza;
    const bool dluzsza = cel_ != Cel::Najkrotsza;
    // Good routes first: their lengths bound the walk before it meets them.
    std::optional<TrasaProgowa> progKrotszej;
    std::optional<TrasaProgowa> progDluzszej;
    if (krotsza)
        progKrotszej = ZnajdzTraseProgowa(odleglosci_, n_, false, przerwij);
    if (dluzsza)
        progDluzszej = ZnajdzTraseProgowa(odleglosci_, n_, true, przerwij);

    if (pamiecPoddrzew_ && !pamiecCzysta_)
        pamiecPoddrzew_->Wyczysc();
    pamiecCzysta_ = false;
    std::fill(karyKrotszej_.begin(), karyKrotszej_.end(), 0.0);
    std::fill(karyDluzszej_.begin(), karyDluzszej_.end(), 0.0);
    GraniceLagrange granice{n_,
                            krotsza ? relaksacjaKrotszej_.get() : nullptr,
                            dluzsza ? relaksacjaDluzszej_.get() : nullptr,
                            karyKrotszej_.data(),
                            karyDluzszej_.data(),
                            zapasDolny_,
                            zapasGorny_,
                            krokSum_,
                            progKrotszej ? double(progKrotszej->dlugosc) : double(NajkrotszaDroga()),
                            progDluzszej ? double(progDluzszej->dlugosc) : double(NajdluzszaDroga()),
                            przejscie_.Uzyte(),
                            pamiecPoddrzew_.get()};
    // One step of this walk may run an ascent of a hundred spanning trees:
    // poll often enough to stop within milliseconds.
    const bool doKonca = !przerwij() && przejscie_.Przejdz(granice, przerwij, nrPermutacji, std::min(krokKontroli, 2));
    if (!doKonca) {
        // Stopped early: the starting routes are real routes with their own
        // lengths, and may beat what the walk has met so far.
        if (progKrotszej)
            przejscie_.Zglos(progKrotszej->trasa, progKrotszej->dlugosc);
        if (progDluzszej)
            przejscie_.ZglosDluzsza(progDluzszej->dlugosc);
    }
    return doKonca;
}
