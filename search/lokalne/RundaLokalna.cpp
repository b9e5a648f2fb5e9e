#include "search/lokalne/RundaLokalna.h"

#include "search/lokalne/KopniecieLokalne.h"
#include "search/lokalne/ZejscieLokalne.h"

#include <array>

WynikRundy RundaLokalna(const KontekstLokalny& k, OknoTrasy& okno, KolejkaAktywnych& kolejka, std::mt19937_64& los,
                        double& zmiana) {
    zmiana = 0.0;
    const std::size_t znacznik = okno.Znacznik();
    double przyrost = 0.0;
    for (int i = 0; i < k.plan.kopniecWRundzie; ++i) {
        double p = 0.0;
        std::array<int, 8> dotkniete{};
        if (!KopniecieLokalne(k.d, k.sasiedzi, okno, k.plan.najdluzszyOdcinek, k.plan.najwiekszaRozpietosc, los, p,
                              dotkniete)) {
            okno.Cofnij(znacznik);
            kolejka.Wyczysc();
            return WynikRundy::BezKopniecia;
        }
        przyrost += p;
        for (const int c : dotkniete)
            kolejka.Dodaj(c);
    }
    bool przerwane = false;
    const double zysk = ZejscieLokalne(k.d, k.sasiedzi, okno, kolejka, k.plan, true, k.warunek, przerwane);
    if (przerwane) {
        okno.Cofnij(znacznik);
        kolejka.Wyczysc();
        return WynikRundy::Przerwana;
    }
    // Equal routes are kept too: the search drifts along plateaus instead of
    // kicking the same route again and again.
    if (przyrost - zysk < 1e-9) {
        zmiana = przyrost - zysk;
        okno.ZapomnijDziennik();
    } else {
        okno.Cofnij(znacznik);
    }
    return WynikRundy::Zrobiona;
}

double ZejscieBezDziennika(const KontekstLokalny& k, OknoTrasy& okno, KolejkaAktywnych& kolejka, bool& przerwane) {
    return ZejscieLokalne(k.d, k.sasiedzi, okno, kolejka, k.plan, false, k.warunek, przerwane);
}
