#include "cli/MiastaCli.h"

#include "storage/SiatkaTsp.h"

#include <algorithm>

namespace {

RodzajMetryki rodzaj(TypWagTsp typ) {
    switch (typ) {
    case TypWagTsp::Euc2d: return RodzajMetryki::Euc2d;
    case TypWagTsp::Ceil2d: return RodzajMetryki::Ceil2d;
    case TypWagTsp::Att: return RodzajMetryki::Att;
    case TypWagTsp::Geo: return RodzajMetryki::Geo;
    case TypWagTsp::Jawne: return RodzajMetryki::Jawna;
    }
    return RodzajMetryki::Jawna;
}

} // namespace

MiastaCli MiastaCli::WMetrycePliku(InstancjaTsp&& instancja) {
    const int n = instancja.Ilosc();
    if (instancja.TypWag == TypWagTsp::Jawne)
        return {Metryka::Jawna(n, std::move(instancja.Wagi)), std::move(instancja.Ids)};
    return {Metryka::Wspolrzedne(rodzaj(instancja.TypWag), std::move(instancja.X), std::move(instancja.Y)),
            std::move(instancja.Ids)};
}

MiastaCli MiastaCli::NaSiatce(const InstancjaTsp& instancja, const QString& nazwa, bool wierszami) {
    std::vector<MiastoTsp> miasta = NaSiatke(instancja, nazwa).Miasta;
    if (wierszami)
        std::sort(miasta.begin(), miasta.end(), [](const MiastoTsp& a, const MiastoTsp& b) {
            return a.Wiersz != b.Wiersz ? a.Wiersz < b.Wiersz : a.Kolumna < b.Kolumna;
        });
    std::vector<TPunkt> komorki;
    std::vector<int> ids;
    komorki.reserve(miasta.size());
    ids.reserve(miasta.size());
    for (const MiastoTsp& m : miasta) {
        komorki.push_back(TPunkt{m.Kolumna, m.Wiersz});
        ids.push_back(m.Id);
    }
    return {Metryka::Komorki(komorki), std::move(ids)};
}
