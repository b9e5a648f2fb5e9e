#include "search/sesja/PrzebiegPermutacji.h"

#include "search/Silnia.h"
#include "search/ZestawMiast.h"
#include "search/permutacje/OptimumCoNajmniej.h"

#include <algorithm>
#include <cmath>

namespace {

QString dziesietnie(Liczba128 x) {
    QString cyfry;
    do {
        cyfry.prepend(QChar('0' + int(x % 10)));
        x /= 10;
    } while (x != 0);
    return cyfry;
}

} // namespace

PrzebiegPermutacji::PrzebiegPermutacji(const ZestawMiast& miasta, OdleglosciSlot& odleglosci, bool losowo,
                                       const UstawieniaSesji& u, double limitSekund)
    : odleglosci_(odleglosci), losowo_(losowo) {
    watek_.LimitSekund = limitSekund;
    watek_.Odleglosci = &odleglosci;
    watek_.Budowa.Zamow(&miasta.metryka, &odleglosci);
    watek_.Budowa.Budzet = u.budzetPamieci;
    watek_.IloscMiast = miasta.Ilosc();
    watek_.Tryb = losowo ? TrybObliczen::Losowo : TrybObliczen::Permutacje;
    if (losowo) {
        watek_.IleLosowan = u.losowania;
        watek_.Ziarno = u.ziarno;
    }
}

void PrzebiegPermutacji::Pokaz(MigawkaSesji& m) {
    m.procentBudowy = watek_.Budowa.Procent();
    if (losowo_)
        m.metoda = MigawkaLosowania{watek_.NrLosowania.load(), watek_.IleLosowan};
    else
        m.metoda = MigawkaPermutacji{watek_.ProcentPermutacji()};
}

void PrzebiegPermutacji::Wynik(const ZestawMiast& miasta, bool przerwany, WynikSesji& wynik) {
    wynik.metoda = losowo_ ? MetodaSesji::Losowo : MetodaSesji::Permutacje;
    wynik.najkrotsza = ZmierzTrase(miasta, watek_.NajlepszaTrasa);
    if (losowo_) {
        // The identity route is evaluated too.
        wynik.trasy = QString::number(qint64(watek_.NrLosowania.load()) + 1);
        return;
    }
    wynik.limitCzasu = watek_.KoniecCzasu.load(std::memory_order_relaxed);
    // Only a search that saw every route knows the longest and the optimum.
    if (!przerwany && !wynik.limitCzasu && wynik.najkrotsza)
        wynikPermutacji(miasta, wynik);
}

void PrzebiegPermutacji::wynikPermutacji(const ZestawMiast& miasta, WynikSesji& wynik) {
    const int n = miasta.Ilosc();
    // (n-1)! wraps past 128 bits from 36 cities on.
    wynik.trasy = n <= 35 ? dziesietnie(Silnia(n - 1)) : QString::number(std::tgamma(double(n)), 'g', 17);
    const double najdluzsza = watek_.NajdluzszaDroga;
    if (miasta.metryka.Calkowita() && odleglosci_) {
        // The sums rounded: the route is the best in single precision, not
        // certainly in whole numbers, and the longest is only the rounded
        // figure of a route not kept.
        wynik.optimumCoNajmniej =
            OptimumCoNajmniej(*odleglosci_, n, std::int64_t(wynik.najkrotsza->dlugosc));
        if (wynik.optimumCoNajmniej)
            return;
    }
    wynik.najkrotsza->udowodniona = true;
    TrasaSesji dluga;
    dluga.dlugosc = miasta.metryka.Calkowita() ? double(std::llround(najdluzsza)) : najdluzsza;
    dluga.udowodniona = true;
    wynik.najdluzsza = dluga;
}
