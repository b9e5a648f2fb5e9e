#include "search/sesja/Przeszkoda.h"

#include "search/TablicaZMetryki.h"
#include "search/dowod/ZasiegDowodu.h"
#include "search/genetyczne/CGenetyk.h"
#include "search/sesja/PlanSesji.h"
#include "toolkit/core/MemoryBudget.h"

std::optional<Przeszkoda> Sprawdz(const PlanSesji& plan, const UstawieniaSesji& u, int n) {
    switch (plan.metoda) {
    case MetodaSesji::Dowod:
        if (n > kDowodNajwiecejMiast)
            return Przeszkoda{Przeszkoda::Rodzaj::ZaDuzoMiastDowodu, n, 0.0, 0, kDowodNajwiecejMiast};
        return std::nullopt;
    case MetodaSesji::Permutacje:
    case MetodaSesji::Losowo:
    case MetodaSesji::Genetycznie: {
        const std::uint64_t budzet = u.budzetPamieci ? *u.budzetPamieci : memoryBudget();
        const double tablica = RozmiarTablicy(n);
        if (tablica > double(budzet))
            return Przeszkoda{Przeszkoda::Rodzaj::TablicaPonadPamiec, n, tablica, budzet, 0};
        if (plan.metoda == MetodaSesji::Genetycznie) {
            const double razem = tablica + CGenetyk::PamiecPopulacji(u.populacja, n);
            if (razem > double(budzet))
                return Przeszkoda{Przeszkoda::Rodzaj::PopulacjaPonadPamiec, n, razem, budzet, 0};
        }
        return std::nullopt;
    }
    default:
        if (u.certyfikat)
            return Przeszkoda{Przeszkoda::Rodzaj::CertyfikatBezDowodu, n, 0.0, 0, 0};
        return std::nullopt;
    }
}
