#include "search/permutacje/TObliczThread.h"

#include "search/permutacje/PermutacjeDokladne.h"
#include "search/LosowaLiczba.h"
#include "search/LosowaTrasa.h"
#include "search/BramkaKrokow.h"
#include "search/permutacje/PrzegladKrokami.h"
#include "search/permutacje/PrzegladPermutacji.h"
#include "search/Silnia.h"
#include "search/SumaTrasy.h"
#include "search/WymaganaTablica.h"
#include "search/permutacje/ZasiegiPrzegladu.h"

#include <numeric>

TObliczThread::TObliczThread() = default;

TObliczThread::~TObliczThread() {
    finishAndWait();
}

float TObliczThread::DlugoscTrasy(const int* trasa) const {
    const TablicaOdleglosci* odleglosci = Odleglosci ? Odleglosci->get() : nullptr;
    if (!odleglosci || !trasa)
        return 0.0f;
    return SumaTrasy(*odleglosci, trasa, IloscMiast);
}

std::uint32_t TObliczThread::Silnia(int n) {
    return n >= 14 ? 0 : std::uint32_t(::Silnia(n - 1));
}

std::optional<int> TObliczThread::ProcentPermutacji() const {
    const int pokrycie = ProcentPokrycia.load();
    if (pokrycie >= 0)
        return pokrycie;
    const std::uint32_t wszystkie = IlePermutacji.load();
    if (wszystkie == 0)
        return std::nullopt;
    // Exact in 64 bits: 100 times any 32-bit count fits.
    return int(std::uint64_t(NrPermutacji.load()) * 100u / wszystkie);
}

bool TObliczThread::stop() {
    if (checkpoint())
        return true;
    if (LimitSekund > 0.0 && runningClock().seconds() >= LimitSekund) {
        KoniecCzasu.store(true, std::memory_order_relaxed);
        return true;
    }
    return false;
}

void TObliczThread::Execute() {
    Zakonczony = false;
    if (!Budowa.Zbuduj([this] { return checkpoint(); }))
        return;
    // An error ends the body here, Zakonczony still false: a search that
    // failed has no result, and its owner learns why from failure().
    if (Tryb == TrybObliczen::Permutacje)
        Permutacje();
    else if (Tryb == TrybObliczen::Losowo)
        Losowo();
    Zakonczony = true;
}

void TObliczThread::Permutacje() {
    IlePermutacji = Silnia(IloscMiast);
    NrPermutacji = 0;
    NajlepszaTrasa.clear();
    ProcentPokrycia = -1;
    WymaganaTablica(Odleglosci, IloscMiast);
    if (Kroki) {
        WynikPrzegladuKrokami wynik =
            PrzegladKrokami(**Odleglosci, IloscMiast, *Kroki, [this] { return stop(); }, NrPermutacji);
        NajlepszaTrasa = std::move(wynik.trasa);
        NajkrotszaDroga = wynik.najkrotsza;
        NajdluzszaDroga = wynik.najdluzsza;
        return;
    }
    if (Uzyta(CzescPrzegladu::Lagrange, IloscMiast)) {
        PermutacjeDokladnie();
        return;
    }
    // One walk: with the tables while the route counter tells the progress,
    // with the simplest bound past every other part's reach.
    PrzegladPermutacji przeglad(**Odleglosci, IloscMiast);
    przeglad.Szukaj([this] { return stop(); }, NrPermutacji);
    NajlepszaTrasa = przeglad.NajlepszaTrasa();
    NajkrotszaDroga = przeglad.NajkrotszaDroga();
    NajdluzszaDroga = przeglad.NajdluzszaDroga();
}

void TObliczThread::PermutacjeDokladnie() {
    WynikPermutacji wynik = PermutacjeDokladne(**Odleglosci, IloscMiast, [this] { return stop(); },
                                               NrPermutacji, ProcentPokrycia);
    NajlepszaTrasa = std::move(wynik.trasa);
    NajkrotszaDroga = wynik.najkrotsza;
    NajdluzszaDroga = wynik.najdluzsza;
}

void TObliczThread::Losowo() {
    NajlepszaTrasa.clear();
    NrLosowania = 0;
    WymaganaTablica(Odleglosci, IloscMiast);
    const std::size_t n = std::size_t(IloscMiast);
    std::vector<int> d(n);
    std::vector<int> r(n);
    std::vector<int> q(n);
    NajlepszaTrasa.resize(n);

    // The identity competes too, although it is not one of the draws.
    std::iota(r.begin(), r.end(), 0);
    NajkrotszaDroga = NajdluzszaDroga = DlugoscTrasy(r.data());
    NajlepszaTrasa = r;

    if (Ziarno)
        UstawZiarno(*Ziarno);
    else
        ZiarnoZCzasu();
    std::int32_t nr = 0;
    while (nr < IleLosowan && !checkpoint()) {
        LosujTrase(IloscMiast, d.data(), r.data(), q.data());
        const float L = DlugoscTrasy(q.data());
        const float dotad = NajkrotszaDroga;
        if (L < NajkrotszaDroga) {
            NajkrotszaDroga = L;
            std::copy(q.begin(), q.end(), NajlepszaTrasa.begin());
        }
        if (L > NajdluzszaDroga)
            NajdluzszaDroga = L;
        NrLosowania.store(++nr, std::memory_order_relaxed);
        if (Kroki && krokLosowania(q, L, dotad, nr))
            break;
    }
}

bool TObliczThread::krokLosowania(const std::vector<int>& trasa, float dlugosc, float dotad, int nr) {
    OpisKroku opis;
    opis.trasa = trasa;
    opis.wartosc = dlugosc;
    opis.najlepsza = dotad;
    opis.numer = nr;
    opis.najlepszaTrasa = NajlepszaTrasa;
    return Kroki->Krok(std::move(opis));
}
