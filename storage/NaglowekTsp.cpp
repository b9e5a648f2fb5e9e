#include "storage/NaglowekTsp.h"

#include "storage/PlikTsp.h"

#include <QRegularExpression>

#include <climits>

namespace {

std::optional<std::pair<int, int>> siatkaZKomentarza(QByteArrayView wartosc) {
    static const QRegularExpression wzor(QStringLiteral("^Wedrownik, matryca (\\d{1,10}) X (\\d{1,10})$"));
    const auto dopasowanie = wzor.match(Tekst(wartosc));
    if (!dopasowanie.hasMatch())
        return std::nullopt;
    const long long wiersze = dopasowanie.captured(1).toLongLong();
    const long long kolumny = dopasowanie.captured(2).toLongLong();
    if (wiersze < 1 || kolumny < 1 || wiersze > INT_MAX || kolumny > INT_MAX)
        return std::nullopt;
    return std::pair{int(wiersze), int(kolumny)};
}

std::optional<TypWagTsp> typZNazwy(QByteArrayView nazwa) {
    const struct {
        const char* nazwa;
        TypWagTsp typ;
    } typy[] = {{"EUC_2D", TypWagTsp::Euc2d}, {"CEIL_2D", TypWagTsp::Ceil2d}, {"ATT", TypWagTsp::Att},
                {"GEO", TypWagTsp::Geo}, {"EXPLICIT", TypWagTsp::Jawne}};
    for (const auto& t : typy)
        if (nazwa.compare(QByteArrayView(t.nazwa), Qt::CaseInsensitive) == 0)
            return t.typ;
    return std::nullopt;
}

bool rowne(QByteArrayView a, const char* b) { return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0; }

// A key given again with another value: which of the two the file meant
// cannot be told, so neither is taken.
[[noreturn]] void drugaWartosc(const CzytnikLinii& linie, const char* klucz, QByteArrayView druga,
                               QByteArrayView pierwsza) {
    linie.Blad(BilingualText{QStringLiteral("drugi %1 %2 różny od pierwszego %3"),
                             QStringLiteral("second %1 %2 differs from the first %3")}
                   .arg(QLatin1String(klucz), Tekst(druga), Tekst(pierwsza)));
}

} // namespace

void NaglowekTsp::Czytaj(const CzytnikLinii& linie, const WpisTsp& wpis, InstancjaTsp& instancja) {
    if (wpis.klucz == "NAME") {
        instancja.Nazwa = Tekst(wpis.wartosc);
    } else if (wpis.klucz == "TYPE") {
        if (!rowne(wpis.wartosc, "TSP"))
            linie.Blad(BilingualText{QStringLiteral("TYPE %1 nie jest obsługiwany (tylko TSP)"),
                                     QStringLiteral("TYPE %1 not supported (only TSP)")}
                           .arg(Tekst(wpis.wartosc)));
    } else if (wpis.klucz == "EDGE_WEIGHT_TYPE") {
        typWag(linie, wpis.wartosc, instancja);
    } else if (wpis.klucz == "EDGE_WEIGHT_FORMAT") {
        formatWag(linie, wpis.wartosc);
    } else if (wpis.klucz == "NODE_COORD_TYPE") {
        if (!rowne(wpis.wartosc, "TWOD_COORDS") && !rowne(wpis.wartosc, "NO_COORDS"))
            linie.Blad(BilingualText{QStringLiteral("NODE_COORD_TYPE %1 nie jest obsługiwany (tylko TWOD_COORDS i "
                                                    "NO_COORDS)"),
                                     QStringLiteral("NODE_COORD_TYPE %1 not supported (only TWOD_COORDS and "
                                                    "NO_COORDS)")}
                           .arg(Tekst(wpis.wartosc)));
    } else if (wpis.klucz == "DIMENSION") {
        wymiar(linie, wpis.wartosc);
    } else if (wpis.klucz == "COMMENT") {
        if (const auto siatka = siatkaZKomentarza(wpis.wartosc))
            instancja.SiatkaZKomentarza = siatka;
    }
}

void NaglowekTsp::typWag(const CzytnikLinii& linie, QByteArrayView wartosc, InstancjaTsp& instancja) {
    const std::optional<TypWagTsp> typ = typZNazwy(wartosc);
    if (!typ)
        linie.Blad(BilingualText{QStringLiteral("EDGE_WEIGHT_TYPE %1 nie jest obsługiwany "
                                                "(tylko EUC_2D, CEIL_2D, ATT, GEO i EXPLICIT)"),
                                 QStringLiteral("EDGE_WEIGHT_TYPE %1 not supported "
                                                "(only EUC_2D, CEIL_2D, ATT, GEO and EXPLICIT)")}
                       .arg(Tekst(wartosc)));
    if (!nazwaTypu_.isEmpty() && *typ != instancja.TypWag)
        drugaWartosc(linie, "EDGE_WEIGHT_TYPE", wartosc, nazwaTypu_);
    instancja.TypWag = *typ;
    nazwaTypu_ = wartosc.toByteArray();
}

void NaglowekTsp::formatWag(const CzytnikLinii& linie, QByteArrayView wartosc) {
    const std::optional<FormatWag> nowy = FormatWagZNazwy(wartosc);
    if (!nowy && !rowne(wartosc, "FUNCTION"))
        linie.Blad(BilingualText{QStringLiteral("EDGE_WEIGHT_FORMAT %1 nie jest obsługiwany (tylko FUNCTION, "
                                                "FULL_MATRIX, UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW i LOWER_DIAG_ROW)"),
                                 QStringLiteral("EDGE_WEIGHT_FORMAT %1 not supported (only FUNCTION, FULL_MATRIX, "
                                                "UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW and LOWER_DIAG_ROW)")}
                       .arg(Tekst(wartosc)));
    if (!nazwaFormatu_.isEmpty() && !rowne(wartosc, nazwaFormatu_.constData()))
        drugaWartosc(linie, "EDGE_WEIGHT_FORMAT", wartosc, nazwaFormatu_);
    format_ = nowy;
    nazwaFormatu_ = wartosc.toByteArray().toUpper();
}

void NaglowekTsp::wymiar(const CzytnikLinii& linie, QByteArrayView wartosc) {
    if (wymiar_)
        DrugiRaz(linie, "DIMENSION");
    wymiar_ = WymiarLubBlad(linie, wartosc, PlikTsp::MaksLiczbaMiast);
    liniaWymiaru_ = linie.Numer();
}

void NaglowekTsp::SprawdzPrzedWagami(const CzytnikLinii& linie) const {
    if (!wymiar_)
        linie.Blad(BilingualText{QStringLiteral("EDGE_WEIGHT_SECTION przed DIMENSION"),
                                 QStringLiteral("EDGE_WEIGHT_SECTION before DIMENSION")});
    if (!format_ && !nazwaFormatu_.isEmpty())
        linie.Blad(BilingualText{QStringLiteral("EDGE_WEIGHT_SECTION przy EDGE_WEIGHT_FORMAT %1 (wagi w sekcji "
                                                "wymagają formatu FULL_MATRIX, UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW "
                                                "lub LOWER_DIAG_ROW)"),
                                 QStringLiteral("EDGE_WEIGHT_SECTION with EDGE_WEIGHT_FORMAT %1 (weights in a section "
                                                "need FULL_MATRIX, UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW "
                                                "or LOWER_DIAG_ROW)")}
                       .arg(Tekst(nazwaFormatu_)));
    if (!format_)
        linie.Blad(BilingualText{QStringLiteral("EDGE_WEIGHT_SECTION bez EDGE_WEIGHT_FORMAT"),
                                 QStringLiteral("EDGE_WEIGHT_SECTION without EDGE_WEIGHT_FORMAT")});
}
