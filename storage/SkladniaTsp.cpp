#include "storage/SkladniaTsp.h"

#include <charconv>
#include <cmath>

namespace {

bool naLiscie(QByteArrayView klucz, std::initializer_list<const char*> lista) {
    for (const char* s : lista)
        if (klucz == QByteArrayView(s))
            return true;
    return false;
}

bool jestKlucz(QByteArrayView klucz) {
    return naLiscie(klucz, {"NAME", "TYPE", "COMMENT", "DIMENSION", "CAPACITY", "EDGE_WEIGHT_TYPE",
                            "EDGE_WEIGHT_FORMAT", "EDGE_DATA_FORMAT", "NODE_COORD_TYPE", "DISPLAY_DATA_TYPE"});
}

bool bialy(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

} // namespace

bool JestSlowem(QByteArrayView linia) {
    const char c = linia.front();
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool JestSekcja(QByteArrayView klucz) {
    return naLiscie(klucz, {"NODE_COORD_SECTION", "DEPOT_SECTION", "DEMAND_SECTION", "EDGE_DATA_SECTION",
                            "FIXED_EDGES_SECTION", "DISPLAY_DATA_SECTION", "TOUR_SECTION", "EDGE_WEIGHT_SECTION"});
}

WpisTsp WpisLinii(const CzytnikLinii& linie, QByteArrayView linia) {
    WpisTsp wpis;
    const qsizetype dwukropek = linia.indexOf(':');
    if (dwukropek >= 0) {
        wpis.klucz = linia.first(dwukropek).trimmed().toByteArray().toUpper();
        wpis.wartosc = linia.sliced(dwukropek + 1).trimmed();
    } else {
        qsizetype koniec = 0;
        while (koniec < linia.size() && !bialy(linia[koniec]))
            ++koniec;
        wpis.klucz = linia.first(koniec).toByteArray().toUpper();
    }
    if (wpis.klucz == "EOF" || JestSekcja(wpis.klucz))
        return wpis;
    if (!jestKlucz(wpis.klucz))
        linie.Blad(QStringLiteral("nieznane słowo kluczowe '%1'").arg(Tekst(wpis.klucz)));
    if (dwukropek < 0)
        linie.Blad(QStringLiteral("brak ':' po %1").arg(Tekst(wpis.klucz)));
    return wpis;
}

bool PolaLinii::Nastepne(QByteArrayView& pole) {
    qsizetype od = 0;
    while (od < reszta_.size() && bialy(reszta_[od]))
        ++od;
    if (od == reszta_.size())
        return false;
    qsizetype koniec = od;
    while (koniec < reszta_.size() && !bialy(reszta_[koniec]))
        ++koniec;
    pole = reszta_.sliced(od, koniec - od);
    reszta_ = reszta_.sliced(koniec);
    return true;
}

std::optional<long long> Calkowita(QByteArrayView tekst) {
    if (tekst.startsWith('+'))
        tekst = tekst.sliced(1);
    long long wartosc = 0;
    const auto [koniec, blad] = std::from_chars(tekst.begin(), tekst.end(), wartosc);
    if (blad != std::errc() || koniec != tekst.end() || tekst.isEmpty())
        return std::nullopt;
    return wartosc;
}

std::optional<double> Liczba(QByteArrayView tekst) {
    if (tekst.startsWith('+'))
        tekst = tekst.sliced(1);
    double wartosc = 0;
    const auto [koniec, blad] = std::from_chars(tekst.begin(), tekst.end(), wartosc);
    if (blad != std::errc() || koniec != tekst.end() || tekst.isEmpty() || !std::isfinite(wartosc))
        return std::nullopt;
    return wartosc;
}

long long CalkowitaLubBlad(const CzytnikLinii& linie, QByteArrayView tekst) {
    const auto wartosc = Calkowita(tekst);
    if (!wartosc)
        linie.Blad(QStringLiteral("'%1' nie jest liczbą całkowitą").arg(Tekst(tekst)));
    return *wartosc;
}

long long WymiarLubBlad(const CzytnikLinii& linie, QByteArrayView tekst, long long maksimum) {
    const long long wymiar = CalkowitaLubBlad(linie, tekst);
    if (wymiar < 0 || wymiar > maksimum)
        linie.Blad(QStringLiteral("DIMENSION %1 poza zakresem 0..%2").arg(wymiar).arg(maksimum));
    return wymiar;
}

void ZaMaloMiast(const CzytnikLinii& linie, std::size_t ile) {
    linie.Blad(QStringLiteral("za mało miast: %1 (potrzeba co najmniej dwóch)").arg(ile));
}
