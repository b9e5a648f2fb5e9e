#include "search/sesja/PrzebiegGenetyczny.h"

#include "search/ZestawMiast.h"

PrzebiegGenetyczny::PrzebiegGenetyczny(const ZestawMiast& miasta, OdleglosciSlot& odleglosci,
                                       const UstawieniaSesji& u)
    : populacja_(u.populacja) {
    genetyk_.Odleglosci = &odleglosci;
    genetyk_.Budowa.Zamow(&miasta.metryka, &odleglosci);
    genetyk_.Budowa.Budzet = u.budzetPamieci;
    if (u.budzetPamieci)
        genetyk_.BudzetPamieci = *u.budzetPamieci;
    // The search thread builds the populations, where a finish stops even
    // millions of individuals part way.
    genetyk_.ZamowRozmiar(u.populacja, miasta.Ilosc());
    genetyk_.PKrzyzowania = u.krzyzowanie;
    genetyk_.PMutacji = u.mutacja;
    genetyk_.IlePokolen = u.pokolenia;
    genetyk_.Ziarno = u.ziarno;
}

void PrzebiegGenetyczny::Pokaz(MigawkaSesji& m) {
    MigawkaGenetyki g;
    if (const StanGenetyka* stan = genetyk_.NowyStan())
        g.stan = *stan;
    else
        m.procentBudowy = genetyk_.Budowa.Procent();
    m.metoda = std::move(g);
}

void PrzebiegGenetyczny::Wynik(const ZestawMiast& miasta, bool /*przerwany*/, WynikSesji& wynik) {
    wynik.metoda = MetodaSesji::Genetycznie;
    if (genetyk_.MaNajlepszy())
        wynik.najkrotsza = ZmierzTrase(miasta, genetyk_.Najlepszy().Geny, true);
    wynik.zbieznosc = genetyk_.Zbieznosc();
    if (!wynik.zbieznosc.Pusta())
        wynik.trasy = QString::number(wynik.zbieznosc.IlePokolen() * qint64(populacja_));
}
