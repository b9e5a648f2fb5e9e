#include "search/permutacje/PermutacjeDokladne.h"

#include "search/permutacje/PokrycieTras.h"
#include "search/Pomocnik.h"
#include "search/permutacje/ProgramDynamiczny.h"
#include "search/permutacje/PrzegladPermutacji.h"
#include "search/Silnia.h"
#include "search/permutacje/ZasiegiPrzegladu.h"
#include "toolkit/core/MemoryBudget.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace {

using Ograniczenie = PrzegladPermutacji::Ograniczenie;
using Cel = PrzegladPermutacji::Cel;

// What a walk left: done, stopped at its step limit, or asked to stop.
struct Przebieg {
    bool skonczony = false;
    bool nadLimitem = false;
    Liczba128 pokryte = 0;
    bool zatrzymany() const { return !skonczony && !nadLimitem; }
};

// Runs one walk, capped at limit steps.
Przebieg przejdz(PrzegladPermutacji& przeglad, const std::function<bool()>& przerwij,
                 std::atomic<std::uint32_t>& nr, std::optional<std::uint64_t> limit) {
    Przebieg przebieg;
    const auto zLimitem = [&] {
        if (limit && przeglad.Kroki() > *limit) {
            przebieg.nadLimitem = true;
            return true;
        }
        return przerwij();
    };
    przebieg.skonczony = przeglad.Szukaj(zLimitem, nr);
    przebieg.pokryte = przeglad.Pokryte();
    return przebieg;
}

// The dynamic programme's part of the search, reporting its progress as the
// routes left by the walk covered in proportion, short of all of them until
// the part is done.
class Dokonczenie {
public:
    Dokonczenie(const TablicaOdleglosci& odleglosci, int n, MemoryAccount& konto,
                const std::function<bool()>& przerwij, PokrycieTras& pokrycie)
        : program_(odleglosci, n, konto), przerwij_(przerwij), pokrycie_(pokrycie), wszystkie_(Silnia(n - 1)) {}

    // Passes of the programme for walk przeglad, which covered pokryte.
    void Zacznij(int przeglad, Liczba128 pokryte, int przebiegi) {
        przeglad_ = przeglad;
        pokryte_ = std::min(pokryte, wszystkie_ - 1);
        przebiegi_ = przebiegi;
        przebieg_ = 0;
    }
    std::function<bool()> Przerwij() {
        return [this] {
            const double czesc = std::min((przebieg_ + program_.Wykonane()) / przebiegi_, 1.0);
            const Liczba128 reszta = wszystkie_ - 1 - pokryte_;
            const Liczba128 dalej = std::min(reszta, Liczba128(std::floor(double(reszta) * czesc)));
            pokrycie_.Zglos(przeglad_, pokryte_ + dalej);
            return przerwij_();
        };
    }
    void NastepnyPrzebieg() { ++przebieg_; }
    void Koniec() { pokrycie_.Zglos(przeglad_, wszystkie_); }
    ProgramDynamiczny& Program() { return program_; }

private:
    ProgramDynamiczny program_;
    const std::function<bool()>& przerwij_;
    PokrycieTras& pokrycie_;
    Liczba128 wszystkie_;
    int przeglad_ = 0;
    Liczba128 pokryte_ = 0;
    int przebiegi_ = 1;
    int przebieg_ = 0;
};

bool skonczoneOdleglosci(const TablicaOdleglosci& T, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (!std::isfinite(T[i][j]))
                return false;
    return true;
}

// Both walks, the one after the longest route on a second thread when one
// can be had.
struct Przebiegi {
    WynikPermutacji wynik;
    Przebieg krotszy;
    Przebieg dluzszy;
};

Przebiegi obaPrzeglady(const TablicaOdleglosci& odleglosci, int n, const std::function<bool()>& przerwij,
                       std::atomic<std::uint32_t>& nrPermutacji, PokrycieTras& pokrycie, MemoryAccount& konto,
                       std::optional<std::uint64_t> limit) {
    // A step of the walk after the longest route runs a longer ascent and
    // costs two to three of the other's.
    std::optional<std::uint64_t> limitDluzszej = limit;
    if (limitDluzszej)
        *limitDluzszej /= 2;
    Przebiegi p;
    PrzegladPermutacji krotsza(odleglosci, n, Ograniczenie::Lagrange, Cel::Najkrotsza, &konto);
    PrzegladPermutacji dluzsza(odleglosci, n, Ograniczenie::Lagrange, Cel::Najdluzsza, &konto);
    krotsza.UstawPokrycie(&pokrycie, 0);
    dluzsza.UstawPokrycie(&pokrycie, 1);
    std::atomic<std::uint32_t> nrDluzszej{0};
    {
        Pomocnik pomocnik([&] { p.dluzszy = przejdz(dluzsza, przerwij, nrDluzszej, limitDluzszej); });
        p.krotszy = przejdz(krotsza, przerwij, nrPermutacji, limit);
        if (!pomocnik.Dziala())
            p.dluzszy = przejdz(dluzsza, przerwij, nrDluzszej, limitDluzszej);
        pomocnik.Dolacz();
    }
    p.wynik.trasa = krotsza.NajlepszaTrasa();
    p.wynik.najkrotsza = krotsza.NajkrotszaDroga();
    p.wynik.najdluzsza = std::max(krotsza.NajdluzszaDroga(), dluzsza.NajdluzszaDroga());
    return p;
}

} // namespace

std::optional<std::uint64_t> LimitKrokow(int iloscMiast, double budzet) {
    if (!Uzyta(CzescPrzegladu::ProgramDynamiczny, iloscMiast) || ProgramDynamiczny::Rozmiar(iloscMiast) > budzet)
        return std::nullopt;
    // One pass of the programme makes (n-1)^2 2^(n-2) additions, on two
    // threads; a step of the walk costs about as much as four thousand of
    // them. Below some forty milliseconds of walking it is not worth
    // stopping.
    const double m = iloscMiast - 1;
    const double kroki = m * m * std::ldexp(1.0, iloscMiast - 2) / 4096.0;
    return std::max<std::uint64_t>(20000, std::uint64_t(kroki));
}

WynikPermutacji PermutacjeDokladne(const TablicaOdleglosci& odleglosci, int iloscMiast,
                                   const std::function<bool()>& przerwij, std::atomic<std::uint32_t>& nrPermutacji,
                                   std::atomic<int>& procent, std::optional<std::uint64_t> limitKrokow,
                                   std::optional<std::uint64_t> budzet) {
    const int n = iloscMiast;
    MemoryAccount konto(budzet.value_or(memoryBudget()));
    // The programme's sums stay exact for any finite distances; an infinite
    // or undefined one leaves the walks alone.
    std::optional<std::uint64_t> limit;
    if (skonczoneOdleglosci(odleglosci, n) && Obslugiwana(CzescPrzegladu::ProgramDynamiczny, n) && n >= 3) {
        limit = LimitKrokow(n, konto.left());
        if (limitKrokow)
            limit = limitKrokow;
    }
    PokrycieTras pokrycie(n, 2, procent);
    for (;;) {
        Przebiegi p = obaPrzeglady(odleglosci, n, przerwij, nrPermutacji, pokrycie, konto, limit);
        // A walk asked to stop means the whole search was: no programme then.
        if (p.krotszy.zatrzymany() || p.dluzszy.zatrzymany())
            return std::move(p.wynik);
        if (!p.krotszy.nadLimitem && !p.dluzszy.nadLimitem) {
            pokrycie.Koniec();
            return std::move(p.wynik);
        }
        // The walks' memory has been given back before the programme takes
        // its own.
        std::optional<Dokonczenie> dokonczenie;
        try {
            if (konto.left() >= ProgramDynamiczny::Rozmiar(n))
                dokonczenie.emplace(odleglosci, n, konto, przerwij, pokrycie);
        } catch (const std::bad_alloc&) {
        }
        if (!dokonczenie) {
            // No room after all: the walks again, to their end. The share
            // of routes covered holds until they pass it.
            limit.reset();
            continue;
        }
        WynikPermutacji& wynik = p.wynik;
        ProgramDynamiczny& program = dokonczenie->Program();
        if (p.dluzszy.nadLimitem) {
            dokonczenie->Zacznij(1, p.dluzszy.pokryte, 1);
            float najdluzsza = 0.0f;
            if (!program.Najdluzsza(dokonczenie->Przerwij(), najdluzsza))
                return std::move(wynik);
            wynik.najdluzsza = najdluzsza;
            dokonczenie->Koniec();
        }
        if (p.krotszy.nadLimitem) {
            dokonczenie->Zacznij(0, p.krotszy.pokryte, 2);
            float najkrotsza = 0.0f;
            std::vector<int> trasa;
            if (!program.Najkrotsza(dokonczenie->Przerwij(), najkrotsza))
                return std::move(wynik);
            dokonczenie->NastepnyPrzebieg();
            if (!program.PierwszaNajkrotsza(dokonczenie->Przerwij(), najkrotsza, trasa))
                return std::move(wynik);
            wynik.trasa = std::move(trasa);
            wynik.najkrotsza = najkrotsza;
            nrPermutacji = std::uint32_t(Silnia(n - 1) - 1);
            dokonczenie->Koniec();
        }
        pokrycie.Koniec();
        return std::move(wynik);
    }
}
