#include "storage/CzytanieTour.h"

#include "storage/PlikTsp.h"
#include "storage/SkladniaTsp.h"

#include <optional>
#include <unordered_set>

namespace {

// Some published tours close their section with more than one -1.
bool sameKonce(QByteArrayView linia) {
    PolaLinii pola(linia);
    QByteArrayView pole;
    while (pola.Nastepne(pole))
        if (pole != "-1")
            return false;
    return true;
}

// The ids of a TOUR_SECTION line, up to a -1; true once the -1 came.
bool czytajIds(const CzytnikLinii& linie, QByteArrayView linia, TrasaTour& trasa, std::unordered_set<int>& ids) {
    PolaLinii pola(linia);
    QByteArrayView pole;
    while (pola.Nastepne(pole)) {
        const long long id = CalkowitaLubBlad(linie, pole);
        if (id == -1)
            return true;
        trasa.Ids.push_back(NowyNumerMiasta(linie, pole, id, ids, trasa.Ids.size()));
        trasa.Linie.push_back(linie.Numer());
    }
    return false;
}

} // namespace

TrasaTour CzytajTraseTour(CzytnikLinii& linie) {
    bool wSekcji = false;
    bool bylaSekcja = false;
    bool zakonczona = false;
    std::optional<long long> wymiar;
    int liniaWymiaru = 0;
    TrasaTour trasa;
    std::unordered_set<int> ids;

    QByteArrayView linia;
    while (linie.Nastepna(linia)) {
        if (linia.isEmpty())
            continue;
        if (!JestSlowem(linia)) {
            if (!wSekcji) {
                if (zakonczona && sameKonce(linia))
                    continue;
                DanePozaSekcja(linie);
            }
            if (czytajIds(linie, linia, trasa, ids)) {
                zakonczona = true;
                wSekcji = false;
            }
            continue;
        }

        const WpisTsp wpis = WpisLinii(linie, linia);
        wSekcji = false;
        if (wpis.klucz == "EOF")
            break;
        if (wpis.klucz == "TOUR_SECTION") {
            if (bylaSekcja)
                DrugiRaz(linie, "TOUR_SECTION");
            bylaSekcja = wSekcji = true;
        } else if (wpis.klucz == "TYPE") {
            if (wpis.wartosc.compare(QByteArrayView("TOUR"), Qt::CaseInsensitive) != 0)
                linie.Blad(BilingualText{QStringLiteral("TYPE %1 nie jest obsługiwany (tylko TOUR)"),
                                         QStringLiteral("TYPE %1 not supported (only TOUR)")}
                               .arg(Tekst(wpis.wartosc)));
        } else if (wpis.klucz == "DIMENSION") {
            wymiar = WymiarLubBlad(linie, wpis.wartosc, PlikTsp::MaksLiczbaMiast);
            liniaWymiaru = linie.Numer();
        } else if (JestSekcja(wpis.klucz)) {
            linie.Blad(BilingualText{QStringLiteral("%1 w pliku trasy"), QStringLiteral("%1 in a tour file")}
                           .arg(Tekst(wpis.klucz)));
        }
    }

    if (!bylaSekcja)
        BrakKlucza(linie, "TOUR_SECTION");
    if (trasa.Ids.size() < 2)
        ZaMaloMiast(linie, trasa.Ids.size());
    if (wymiar && std::size_t(*wymiar) != trasa.Ids.size())
        InnyWymiar(linie, liniaWymiaru, *wymiar, "TOUR_SECTION", trasa.Ids.size());
    return trasa;
}
