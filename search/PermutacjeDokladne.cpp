#include "search/PermutacjeDokladne.h"

#include "search/PokrycieTras.h"
#include "search/ProgramDynamiczny.h"
#include "search/PrzegladPermutacji.h"
#include "toolkit/core/MemoryBudget.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <system_error>
#include <thread>

namespace {

using Ograniczenie = PrzegladPermutacji::Ograniczenie;
using Cel = PrzegladPermutacji::Cel;

// What a walk left: done, stopped at its step limit, or asked to stop.
struct Przebieg {
    bool skonczony = false;
    bool nadLimitem = false;
    Liczba128 pokryte = 0;
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
// routes left by the walk covered in proportion.
class Dokonczenie {
public:
    Dokonczenie(const TablicaOdleglosci& odleglosci, int n, const std::function<bool()>& przerwij,
                PokrycieTras& pokrycie)
        : program_(odleglosci, n), przerwij_(przerwij), pokrycie_(pokrycie),
          wszystkie_(PokrycieTras::Silnia(n - 1)) {}

    // Passes of the programme for walk przeglad, which covered pokryte.
    void Zacznij(int przeglad, Liczba128 pokryte, int przebiegi) {
        przeglad_ = przeglad;
        pokryte_ = pokryte;
        przebiegi_ = przebiegi;
        przebieg_ = 0;
    }
    std::function<bool()> Przerwij() {
        return [this] {
            const double czesc = (przebieg_ + program_.Wykonane()) / przebiegi_;
            const Liczba128 reszta = wszystkie_ - std::min(pokryte_, wszystkie_);
            pokrycie_.Zglos(przeglad_, pokryte_ + Liczba128(double(reszta) * std::min(czesc, 1.0)));
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

} // namespace

std::optional<std::uint64_t> LimitKrokow(int iloscMiast) {
    if (iloscMiast < 3 || iloscMiast > ProgramDynamiczny::kNajwiecejMiast ||
        ProgramDynamiczny::Rozmiar(iloscMiast) > double(memoryBudget()))
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
                                   std::atomic<int>& procent, std::optional<std::uint64_t> limitKrokow) {
    const int n = iloscMiast;
    // The programme's sums stay exact for any finite distances; an infinite
    // or undefined one leaves the walks alone.
    bool skonczone = true;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            skonczone = skonczone && std::isfinite(odleglosci[i][j]);
    const std::optional<std::uint64_t> limit =
        !skonczone ? std::nullopt : limitKrokow ? limitKrokow : LimitKrokow(n);
    // A step of the walk after the longest route runs a longer ascent and
    // costs two to three of the other's.
    std::optional<std::uint64_t> limitDluzszej = limit;
    if (limitDluzszej)
        *limitDluzszej /= 2;
    PokrycieTras pokrycie(n, 2, procent);
    WynikPermutacji wynik;
    Przebieg krotszy;
    Przebieg dluzszy;
    {
        PrzegladPermutacji krotsza(odleglosci, n, Ograniczenie::Lagrange, Cel::Najkrotsza);
        PrzegladPermutacji dluzsza(odleglosci, n, Ograniczenie::Lagrange, Cel::Najdluzsza);
        krotsza.UstawPokrycie(&pokrycie, 0);
        dluzsza.UstawPokrycie(&pokrycie, 1);
        std::atomic<std::uint32_t> nrDluzszej{0};
        // Nothing may leave the helper thread; a walk it could not finish
        // is done again here.
        std::atomic<bool> pomocnikSkonczyl{false};
        {
            std::optional<std::jthread> pomocnik;
            try {
                pomocnik.emplace([&] {
                    try {
                        dluzszy = przejdz(dluzsza, przerwij, nrDluzszej, limitDluzszej);
                        pomocnikSkonczyl = true;
                    } catch (...) {
                    }
                });
            } catch (const std::system_error&) {
                // No second thread to be had: one after the other, then.
            }
            krotszy = przejdz(krotsza, przerwij, nrPermutacji, limit);
        }
        if (!pomocnikSkonczyl)
            dluzszy = przejdz(dluzsza, przerwij, nrDluzszej, limitDluzszej);
        wynik.trasa = krotsza.NajlepszaTrasa();
        wynik.najkrotsza = krotsza.NajkrotszaDroga();
        wynik.najdluzsza = std::max(krotsza.NajdluzszaDroga(), dluzsza.NajdluzszaDroga());
    }
    // The walks' memory is given back before the programme takes its own.
    // A walk asked to stop means the whole search was: no programme then.
    const auto zatrzymany = [](const Przebieg& p) { return !p.skonczony && !p.nadLimitem; };
    if ((!krotszy.nadLimitem && !dluzszy.nadLimitem) || zatrzymany(krotszy) || zatrzymany(dluzszy))
        return wynik;
    std::optional<Dokonczenie> dokonczenie;
    try {
        dokonczenie.emplace(odleglosci, n, przerwij, pokrycie);
    } catch (const std::bad_alloc&) {
        // No room after all: the walks again, to their end.
        return PermutacjeDokladne(odleglosci, n, przerwij, nrPermutacji, procent,
                                  std::numeric_limits<std::uint64_t>::max());
    }
    ProgramDynamiczny& program = dokonczenie->Program();
    if (dluzszy.nadLimitem) {
        dokonczenie->Zacznij(1, dluzszy.pokryte, 1);
        float najdluzsza = 0.0f;
        if (!program.Najdluzsza(dokonczenie->Przerwij(), najdluzsza))
            return wynik;
        wynik.najdluzsza = najdluzsza;
        dokonczenie->Koniec();
    }
    if (krotszy.nadLimitem) {
        dokonczenie->Zacznij(0, krotszy.pokryte, 2);
        float najkrotsza = 0.0f;
        std::vector<int> trasa;
        if (!program.Najkrotsza(dokonczenie->Przerwij(), najkrotsza))
            return wynik;
        dokonczenie->NastepnyPrzebieg();
        if (!program.PierwszaNajkrotsza(dokonczenie->Przerwij(), najkrotsza, trasa))
            return wynik;
        wynik.trasa = std::move(trasa);
        wynik.najkrotsza = najkrotsza;
        nrPermutacji = std::uint32_t(PokrycieTras::Silnia(n - 1) - 1);
        dokonczenie->Koniec();
    }
    return wynik;
}
