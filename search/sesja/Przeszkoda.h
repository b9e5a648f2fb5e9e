#pragma once

#include <cstdint>
#include <optional>

struct UstawieniaSesji;
struct PlanSesji;

// Why a method cannot run on a set, with the figures each face words in
// its own language.
struct Przeszkoda {
    enum class Rodzaj {
        // The n x n table of distances does not fit in memory.
        TablicaPonadPamiec,
        // The genetic search's two populations beside the table do not fit.
        PopulacjaPonadPamiec,
        // More cities than the proof takes.
        ZaDuzoMiastDowodu,
        // A certificate is asked for, and the method planned proves nothing.
        CertyfikatBezDowodu,
    };
    Rodzaj rodzaj;
    int miasta = 0;
    // TablicaPonadPamiec and PopulacjaPonadPamiec: what the search needs and
    // the memory it may take.
    double bajty = 0.0;
    std::uint64_t budzet = 0;
    // ZaDuzoMiastDowodu: the most cities the proof takes.
    int najwiecejMiast = 0;
};

// What keeps the plan's method from running on n cities with these
// settings; none when it can run.
std::optional<Przeszkoda> Sprawdz(const PlanSesji& plan, const UstawieniaSesji& ustawienia, int iloscMiast);
