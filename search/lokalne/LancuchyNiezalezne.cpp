#include "search/lokalne/LancuchyNiezalezne.h"

#include "search/Pomocnik.h"
#include "search/ZOdlegloscia.h"
#include "search/lokalne/KolejkaAktywnych.h"
#include "search/lokalne/OknoTrasy.h"
#include "search/lokalne/RundaLokalna.h"
#include "search/lokalne/TrasaTablicowa.h"

#include <random>

namespace {

// A copy of a route for the readers is O(n): now and then, not every round.
constexpr double OdstepZgloszen = 0.02;

template <MiaraOdleglosci D>
std::vector<int> Lancuch(const KontekstLokalny& k, const D& d, const std::vector<int>& poczatkowa, int w, int watki) {
    TrasaTablicowa trasa(poczatkowa);
    OknoTrasy okno(trasa);
    okno.CalaTrasa();
    KolejkaAktywnych kolejka(k.Ilosc());
    for (const int c : poczatkowa)
        kolejka.Dodaj(c);
    bool przerwane = false;
    ZejscieBezDziennika(k, d, okno, kolejka, przerwane);
    bool zmieniona = true;
    long long przydzial = -1;
    const long long limit = k.ustawienia.limitRund;
    if (limit >= 0)
        przydzial = limit / watki + (w < limit % watki ? 1 : 0);
    std::mt19937_64 los(ZiarnoWatku(k.ustawienia.ziarno, w));
    double zgloszone = -OdstepZgloszen;
    for (long long r = 0; !przerwane && (przydzial < 0 || r < przydzial); ++r) {
        if (zmieniona) {
            const double teraz = k.warunek.Sekundy();
            if (teraz - zgloszone >= OdstepZgloszen) {
                k.Zglos(trasa.Kolejnosc());
                zgloszone = teraz;
                zmieniona = false;
            }
        }
        if (k.warunek())
            break;
        double zmiana = 0.0;
        const WynikRundy wynik = RundaLokalna(k, d, okno, kolejka, los, zmiana);
        if (wynik != WynikRundy::Zrobiona)
            break;
        zmieniona = zmieniona || zmiana < 0.0;
        k.postep.DodajRundy(1);
    }
    return trasa.Kolejnosc();
}

}  // namespace

std::vector<int> SzukajLancuchami(const KontekstLokalny& k, const std::vector<int>& poczatkowa) {
    const int watki = k.ustawienia.watki;
    std::vector<std::vector<int>> wyniki(static_cast<std::size_t>(watki));
    NaWatkach(
        watki,
        [&](int w) {
            wyniki[std::size_t(w)] =
                ZOdlegloscia(k.d, [&](const auto& d) { return Lancuch(k, d, poczatkowa, w, watki); });
        },
        [&] { k.warunek.Zakoncz(); }, [](int) {});
    std::vector<int> najlepsza;
    double najkrotsza = 0.0;
    for (std::vector<int>& trasa : wyniki) {
        if (trasa.empty())
            continue;
        const double s = k.Dlugosc(trasa);
        if (najlepsza.empty() || s < najkrotsza) {
            najkrotsza = s;
            najlepsza = std::move(trasa);
        }
    }
    return najlepsza;
}
