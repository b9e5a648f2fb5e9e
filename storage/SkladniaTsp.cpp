#include "storage/SkladniaTsp.h"

#include "storage/PlikTsp.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

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

bool cyfra(char c) { return c >= '0' && c <= '9'; }

// The power of ten of the first significant digit of a valid decimal number
// ("250" 2, "0.03e-5" -7); the text may be millions of digits long.
long long wykladnikDziesietny(QByteArrayView tekst) {
    if (tekst.startsWith('-'))
        tekst = tekst.sliced(1);
    qsizetype i = 0;
    long long przedKropka = 0;
    for (; i < tekst.size() && cyfra(tekst[i]); ++i)
        if (przedKropka > 0 || tekst[i] != '0')
            ++przedKropka;
    long long wykladnik = przedKropka - 1;
    if (i < tekst.size() && tekst[i] == '.') {
        ++i;
        if (przedKropka == 0) {
            const qsizetype pierwsza = i;
            while (i < tekst.size() && tekst[i] == '0')
                ++i;
            wykladnik = -(i - pierwsza) - 1;
        }
        while (i < tekst.size() && cyfra(tekst[i]))
            ++i;
    }
    if (i < tekst.size() && (tekst[i] == 'e' || tekst[i] == 'E')) {
        QByteArrayView potega = tekst.sliced(i + 1);
        if (potega.startsWith('+'))
            potega = potega.sliced(1);
        // Clamped far beyond any double's exponent, so that the sum cannot
        // overflow.
        constexpr long long granica = 1LL << 60;
        long long p = 0;
        if (std::from_chars(potega.begin(), potega.end(), p).ec == std::errc::result_out_of_range)
            p = potega.startsWith('-') ? -granica : granica;
        wykladnik += std::clamp(p, -granica, granica);
    }
    return wykladnik;
}

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
        linie.Blad(BilingualText{QStringLiteral("nieznane słowo kluczowe '%1'"),
                                 QStringLiteral("unknown keyword '%1'")}
                       .arg(Tekst(wpis.klucz)));
    if (dwukropek < 0)
        linie.Blad(BilingualText{QStringLiteral("brak ':' po %1"), QStringLiteral("missing ':' after %1")}
                       .arg(Tekst(wpis.klucz)));
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
    if (koniec != tekst.end() || tekst.isEmpty())
        return std::nullopt;
    // A whole number past 64 bits is still a number, only too large: it
    // comes back as the nearest 64-bit one, which every range refuses.
    if (blad == std::errc::result_out_of_range)
        return tekst.startsWith('-') ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    if (blad != std::errc())
        return std::nullopt;
    return wartosc;
}

std::optional<double> Liczba(QByteArrayView tekst) {
    if (tekst.startsWith('+'))
        tekst = tekst.sliced(1);
    double wartosc = 0;
    const auto [koniec, blad] = std::from_chars(tekst.begin(), tekst.end(), wartosc);
    if (koniec != tekst.end() || tekst.isEmpty() || std::isnan(wartosc))
        return std::nullopt;
    const bool ujemna = tekst.startsWith('-');
    // A number that a double cannot hold is either too large, and comes back
    // infinite for the range checks to refuse, or too close to zero to tell
    // from it.
    if (blad == std::errc::result_out_of_range)
        return std::copysign(wykladnikDziesietny(tekst) >= 0 ? HUGE_VAL : 0.0, ujemna ? -1.0 : 1.0);
    if (blad != std::errc())
        return std::nullopt;
    return wartosc;
}

long long CalkowitaLubBlad(const CzytnikLinii& linie, QByteArrayView tekst) {
    const auto wartosc = Calkowita(tekst);
    if (!wartosc)
        linie.Blad(BilingualText{QStringLiteral("'%1' nie jest liczbą całkowitą"),
                                 QStringLiteral("'%1' is not a whole number")}
                       .arg(Tekst(tekst)));
    return *wartosc;
}

long long WymiarLubBlad(const CzytnikLinii& linie, QByteArrayView tekst, long long maksimum) {
    const long long wymiar = CalkowitaLubBlad(linie, tekst);
    if (wymiar < 0 || wymiar > maksimum)
        linie.Blad(BilingualText{QStringLiteral("DIMENSION %1 poza zakresem 0..%2"),
                                 QStringLiteral("DIMENSION %1 out of range 0..%2")}
                       .arg(Tekst(tekst))
                       .arg(maksimum));
    return wymiar;
}

int NowyNumerMiasta(const CzytnikLinii& linie, QByteArrayView pole, long long id, std::unordered_set<int>& ids,
                    std::size_t ile) {
    if (id < 1)
        linie.Blad(BilingualText{QStringLiteral("numer miasta %1 nie jest dodatni"),
                                 QStringLiteral("city number %1 is not positive")}
                       .arg(Tekst(pole)));
    if (id > INT_MAX)
        linie.Blad(BilingualText{QStringLiteral("numer miasta %1 większy niż %2"),
                                 QStringLiteral("city number %1 greater than %2")}
                       .arg(Tekst(pole))
                       .arg(INT_MAX));
    if (!ids.insert(int(id)).second)
        linie.Blad(BilingualText{QStringLiteral("miasto %1 powtórzone"), QStringLiteral("city %1 repeated")}.arg(id));
    if (ile >= std::size_t(PlikTsp::MaksLiczbaMiast))
        linie.Blad(BilingualText{QStringLiteral("więcej niż %1 miast"), QStringLiteral("more than %1 cities")}
                       .arg(PlikTsp::MaksLiczbaMiast));
    return int(id);
}

void ZaMaloMiast(const CzytnikLinii& linie, std::size_t ile) {
    linie.Blad(BilingualText{QStringLiteral("za mało miast: %1 (potrzeba co najmniej dwóch)"),
                             QStringLiteral("too few cities: %1 (at least two are needed)")}
                   .arg(ile));
}

void DanePozaSekcja(const CzytnikLinii& linie) {
    linie.Blad(BilingualText{QStringLiteral("dane poza sekcją"), QStringLiteral("data outside a section")});
}

void BrakKlucza(const CzytnikLinii& linie, const char* klucz) {
    linie.Blad(BilingualText{QStringLiteral("brak %1"), QStringLiteral("missing %1")}.arg(QLatin1String(klucz)));
}

void DrugiRaz(const CzytnikLinii& linie, const char* klucz) {
    linie.Blad(BilingualText{QStringLiteral("drugi %1"), QStringLiteral("second %1")}.arg(QLatin1String(klucz)));
}

void InnyWymiar(const CzytnikLinii& linie, int liniaWymiaru, long long wymiar, const char* sekcja, std::size_t ile) {
    linie.BladW(liniaWymiaru, BilingualText{QStringLiteral("DIMENSION %1, a miast w %2 jest %3"),
                                            QStringLiteral("DIMENSION %1, but %2 holds %3 cities")}
                                  .arg(wymiar)
                                  .arg(QLatin1String(sekcja))
                                  .arg(ile));
}
