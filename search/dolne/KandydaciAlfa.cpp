#include "search/dolne/KandydaciAlfa.h"

#include "search/dolne/AlfaBliskosc.h"
#include "search/dolne/OgraniczenieDolne.h"
#include "search/lokalne/PlanPrzeszukiwania.h"

std::shared_ptr<const SasiedziKandydaci> KandydaciAlfa(const Metryka& d, int k, bool zNajblizszymi,
                                                       double limitSekund, const std::function<bool()>& przerwij) {
    UstawieniaOgraniczenia u;
    u.limitSekund = limitSekund;
    const OgraniczenieDolne o = ObliczOgraniczenieDolne(d, u, przerwij);
    // Three cities or fewer have no tree: their one route needs no search.
    if (!o.Jest() || o.drzewo.Ilosc() == 0)
        return nullptr;
    auto listy = AlfaBliskosc(d, o.kary, o.drzewo).Sasiedzi(k, przerwij);
    if (!listy)
        return nullptr;
    const int n = d.Ilosc();
    const PlanPrzeszukiwania plan = PlanPrzeszukiwania::Dla(n);
    std::vector<PunktPlaszczyzny> wspolrzedne;
    if (d.MaWspolrzedne())
        for (int c = 0; c < n; ++c)
            wspolrzedne.push_back({d.X()[std::size_t(c)], d.Y()[std::size_t(c)]});
    auto sasiedzi = std::make_shared<SasiedziKandydaci>();
    if (!sasiedzi->Zbuduj(d, n, wspolrzedne, plan.sasiedzi, plan.wCwiartce, przerwij))
        return nullptr;
    if (zNajblizszymi)
        for (int c = 0; c < n; ++c)
            for (const auto& s : sasiedzi->Dla(c))
                (*listy)[std::size_t(c)].push_back(s.miasto);
    sasiedzi->ZastapListy(d, *listy);
    return sasiedzi;
}
