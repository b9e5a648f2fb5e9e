#include "storage/CzytanieTsp.h"

#include "storage/PlikTsp.h"
#include "storage/SkladniaTsp.h"
#include "storage/UkladWag.h"

#include <QRegularExpression>

#include <climits>
#include <cmath>
#include <optional>
#include <unordered_set>

namespace {

struct MiastoZPliku {
    int id;
    double x;
    double y;
    int linia;
};

// The cities of one section of "id x y" lines.
struct SekcjaMiast {
    explicit SekcjaMiast(const char* nazwa_) : nazwa(nazwa_) {}

    const char* nazwa;
    bool byla = false;
    std::vector<MiastoZPliku> miasta;
    std::unordered_set<int> ids;

    void Czytaj(const CzytnikLinii& linie, QByteArrayView linia) {
        PolaLinii pola(linia);
        QByteArrayView pole[3];
        int ile = 0;
        QByteArrayView nadmiar;
        while (ile < 3 && pola.Nastepne(pole[ile]))
            ++ile;
        if (ile != 3 || pola.Nastepne(nadmiar))
            linie.Blad(QStringLiteral("oczekiwano numeru miasta i dwóch współrzędnych"));
        const long long id = CalkowitaLubBlad(linie, pole[0]);
        if (id < 1)
            linie.Blad(QStringLiteral("numer miasta %1 nie jest dodatni").arg(Tekst(pole[0])));
        if (id > INT_MAX)
            linie.Blad(QStringLiteral("numer miasta %1 większy niż %2").arg(Tekst(pole[0])).arg(INT_MAX));
        if (!ids.insert(int(id)).second)
            linie.Blad(QStringLiteral("miasto %1 powtórzone").arg(id));
        if (miasta.size() >= std::size_t(PlikTsp::MaksLiczbaMiast))
            linie.Blad(QStringLiteral("więcej niż %1 miast").arg(PlikTsp::MaksLiczbaMiast));
        double xy[2];
        for (int k = 0; k < 2; ++k) {
            const auto wartosc = Liczba(pole[k + 1]);
            if (!wartosc)
                linie.Blad(QStringLiteral("'%1' nie jest liczbą").arg(Tekst(pole[k + 1])));
            if (std::fabs(*wartosc) > PlikTsp::MaksWspolrzedna)
                linie.Blad(QStringLiteral("współrzędna %1 poza zakresem od -1e9 do 1e9").arg(Tekst(pole[k + 1])));
            xy[k] = *wartosc;
        }
        miasta.push_back({int(id), xy[0], xy[1], linie.Numer()});
    }

    // Every id within the DIMENSION given, and as many cities as it says.
    void SprawdzWymiar(const CzytnikLinii& linie, long long wymiar, int liniaWymiaru) const {
        if (std::size_t(wymiar) != miasta.size())
            linie.BladW(liniaWymiaru, QStringLiteral("DIMENSION %1, a miast w %2 jest %3")
                                          .arg(wymiar)
                                          .arg(QLatin1String(nazwa))
                                          .arg(miasta.size()));
        for (const MiastoZPliku& m : miasta)
            if (m.id > wymiar)
                linie.BladW(m.linia, QStringLiteral("numer miasta %1 większy niż DIMENSION %2").arg(m.id).arg(wymiar));
    }
};

// An EDGE_WEIGHT_SECTION, read into the weights below the diagonal.
class SekcjaWag {
public:
    SekcjaWag(const CzytnikLinii& linie, int n, FormatWag format, QByteArrayView nazwaFormatu)
        : uklad_(format, n), pelna_(format == FormatWag::PelnaMacierz), nazwaFormatu_(Tekst(nazwaFormatu)),
          linia_(linie.Numer()), n_(n) {
        // Every weight takes two bytes at least: a table that no file within
        // the size bound can hold is refused before its memory is taken.
        if (uklad_.Ilosc() > PlikTsp::MaksRozmiarPliku / 2)
            linie.Blad(QStringLiteral("%1 wag %2 dla DIMENSION %3 nie zmieści się w pliku do %4 MiB")
                           .arg(uklad_.Ilosc())
                           .arg(nazwaFormatu_)
                           .arg(n)
                           .arg(PlikTsp::MaksRozmiarPliku >> 20));
        wagi_.assign(std::size_t(n) * std::size_t(n > 0 ? n - 1 : 0) / 2, 0);
    }

    void Czytaj(const CzytnikLinii& linie, QByteArrayView linia) {
        PolaLinii pola(linia);
        QByteArrayView pole;
        while (pola.Nastepne(pole)) {
            const long long waga = CalkowitaLubBlad(linie, pole);
            int a = 0, b = 0;
            if (!uklad_.Nastepna(a, b))
                linie.Blad(QStringLiteral("więcej wag niż %1 (%2 dla DIMENSION %3)")
                               .arg(uklad_.Ilosc())
                               .arg(nazwaFormatu_)
                               .arg(n_));
            ++wczytane_;
            if (a == b)
                continue;
            if (waga < 0 || waga > PlikTsp::MaksWaga)
                linie.Blad(QStringLiteral("waga %1 poza zakresem 0..%2").arg(Tekst(pole)).arg(PlikTsp::MaksWaga));
            std::int32_t& miejsce = a > b ? wagi_[std::size_t(a) * std::size_t(a - 1) / 2 + std::size_t(b)]
                                          : wagi_[std::size_t(b) * std::size_t(b - 1) / 2 + std::size_t(a)];
            // The whole matrix gives each weight twice, the upper one first.
            if (pelna_ && a > b && miejsce != waga)
                linie.Blad(QStringLiteral("waga %1 miast %2 i %3 różni się od wagi %4 miast %3 i %2; "
                                          "macierz nie jest symetryczna")
                               .arg(waga)
                               .arg(a + 1)
                               .arg(b + 1)
                               .arg(miejsce));
            miejsce = std::int32_t(waga);
        }
    }

    void SprawdzKompletna(const CzytnikLinii& linie) const {
        if (wczytane_ < uklad_.Ilosc())
            linie.BladW(linia_, QStringLiteral("EDGE_WEIGHT_SECTION: %1 wag, a %2 dla DIMENSION %3 ma ich %4")
                                    .arg(wczytane_)
                                    .arg(nazwaFormatu_)
                                    .arg(n_)
                                    .arg(uklad_.Ilosc()));
    }

    std::vector<std::int32_t> Wagi() && { return std::move(wagi_); }

private:
    UkladWag uklad_;
    bool pelna_;
    QString nazwaFormatu_;
    int linia_;
    int n_;
    std::int64_t wczytane_ = 0;
    std::vector<std::int32_t> wagi_;
};

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

std::optional<TypWagTsp> typWag(QByteArrayView nazwa) {
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
    linie.Blad(QStringLiteral("drugi %1 %2 różny od pierwszego %3")
                   .arg(QLatin1String(klucz), Tekst(druga), Tekst(pierwsza)));
}

} // namespace

InstancjaTsp CzytajInstancjeTsp(CzytnikLinii& linie) {
    InstancjaTsp instancja;
    SekcjaMiast wspolrzedne("NODE_COORD_SECTION");
    SekcjaMiast wyswietlanie("DISPLAY_DATA_SECTION");
    std::optional<SekcjaWag> wagi;
    enum class Sekcja { Zadna, Wspolrzedne, Wyswietlanie, Wagi, Inna } sekcja = Sekcja::Zadna;
    QByteArray nazwaTypu;
    std::optional<long long> wymiar;
    int liniaWymiaru = 0;
    std::optional<FormatWag> format;
    QByteArray nazwaFormatu;

    QByteArrayView linia;
    while (linie.Nastepna(linia)) {
        if (linia.isEmpty())
            continue;
        if (!JestSlowem(linia)) {
            switch (sekcja) {
            case Sekcja::Zadna:
                linie.Blad(QStringLiteral("dane poza sekcją"));
            case Sekcja::Wspolrzedne:
                wspolrzedne.Czytaj(linie, linia);
                break;
            case Sekcja::Wyswietlanie:
                wyswietlanie.Czytaj(linie, linia);
                break;
            case Sekcja::Wagi:
                wagi->Czytaj(linie, linia);
                break;
            case Sekcja::Inna:
                break;
            }
            continue;
        }

        const WpisTsp wpis = WpisLinii(linie, linia);
        if (sekcja == Sekcja::Wagi)
            wagi->SprawdzKompletna(linie);
        sekcja = Sekcja::Zadna;
        if (wpis.klucz == "EOF")
            break;
        if (wpis.klucz == "NODE_COORD_SECTION" || wpis.klucz == "DISPLAY_DATA_SECTION") {
            SekcjaMiast& s = wpis.klucz == "NODE_COORD_SECTION" ? wspolrzedne : wyswietlanie;
            if (s.byla)
                linie.Blad(QStringLiteral("drugi %1").arg(QLatin1String(s.nazwa)));
            s.byla = true;
            sekcja = &s == &wspolrzedne ? Sekcja::Wspolrzedne : Sekcja::Wyswietlanie;
        } else if (wpis.klucz == "EDGE_WEIGHT_SECTION") {
            if (wagi)
                linie.Blad(QStringLiteral("drugi EDGE_WEIGHT_SECTION"));
            if (!wymiar)
                linie.Blad(QStringLiteral("EDGE_WEIGHT_SECTION przed DIMENSION"));
            if (!format && !nazwaFormatu.isEmpty())
                linie.Blad(QStringLiteral("EDGE_WEIGHT_SECTION przy EDGE_WEIGHT_FORMAT %1 (wagi w sekcji "
                                          "wymagają formatu FULL_MATRIX, UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW "
                                          "lub LOWER_DIAG_ROW)")
                               .arg(Tekst(nazwaFormatu)));
            if (!format)
                linie.Blad(QStringLiteral("EDGE_WEIGHT_SECTION bez EDGE_WEIGHT_FORMAT"));
            wagi.emplace(linie, int(*wymiar), *format, nazwaFormatu);
            sekcja = Sekcja::Wagi;
        } else if (JestSekcja(wpis.klucz)) {
            sekcja = Sekcja::Inna;
        } else if (wpis.klucz == "NAME") {
            instancja.Nazwa = Tekst(wpis.wartosc);
        } else if (wpis.klucz == "TYPE") {
            if (!rowne(wpis.wartosc, "TSP"))
                linie.Blad(QStringLiteral("TYPE %1 nie jest obsługiwany (tylko TSP)").arg(Tekst(wpis.wartosc)));
        } else if (wpis.klucz == "EDGE_WEIGHT_TYPE") {
            const std::optional<TypWagTsp> typ = typWag(wpis.wartosc);
            if (!typ)
                linie.Blad(QStringLiteral("EDGE_WEIGHT_TYPE %1 nie jest obsługiwany "
                                          "(tylko EUC_2D, CEIL_2D, ATT, GEO i EXPLICIT)")
                               .arg(Tekst(wpis.wartosc)));
            if (!nazwaTypu.isEmpty() && *typ != instancja.TypWag)
                drugaWartosc(linie, "EDGE_WEIGHT_TYPE", wpis.wartosc, nazwaTypu);
            instancja.TypWag = *typ;
            nazwaTypu = wpis.wartosc.toByteArray();
        } else if (wpis.klucz == "EDGE_WEIGHT_FORMAT") {
            const std::optional<FormatWag> nowy = FormatWagZNazwy(wpis.wartosc);
            if (!nowy && !rowne(wpis.wartosc, "FUNCTION"))
                linie.Blad(QStringLiteral("EDGE_WEIGHT_FORMAT %1 nie jest obsługiwany (tylko FUNCTION, "
                                          "FULL_MATRIX, UPPER_ROW, LOWER_ROW, UPPER_DIAG_ROW i LOWER_DIAG_ROW)")
                               .arg(Tekst(wpis.wartosc)));
            if (!nazwaFormatu.isEmpty() && !rowne(wpis.wartosc, nazwaFormatu.constData()))
                drugaWartosc(linie, "EDGE_WEIGHT_FORMAT", wpis.wartosc, nazwaFormatu);
            format = nowy;
            nazwaFormatu = wpis.wartosc.toByteArray().toUpper();
        } else if (wpis.klucz == "NODE_COORD_TYPE") {
            if (!rowne(wpis.wartosc, "TWOD_COORDS") && !rowne(wpis.wartosc, "NO_COORDS"))
                linie.Blad(QStringLiteral("NODE_COORD_TYPE %1 nie jest obsługiwany (tylko TWOD_COORDS i NO_COORDS)")
                               .arg(Tekst(wpis.wartosc)));
        } else if (wpis.klucz == "DIMENSION") {
            if (wymiar)
                linie.Blad(QStringLiteral("drugi DIMENSION"));
            wymiar = WymiarLubBlad(linie, wpis.wartosc, PlikTsp::MaksLiczbaMiast);
            liniaWymiaru = linie.Numer();
        } else if (wpis.klucz == "COMMENT") {
            if (const auto siatka = siatkaZKomentarza(wpis.wartosc))
                instancja.SiatkaZKomentarza = siatka;
        }
    }
    if (sekcja == Sekcja::Wagi)
        wagi->SprawdzKompletna(linie);

    if (nazwaTypu.isEmpty())
        linie.Blad(QStringLiteral("brak EDGE_WEIGHT_TYPE"));

    if (instancja.TypWag != TypWagTsp::Jawne) {
        if (!wspolrzedne.byla)
            linie.Blad(QStringLiteral("brak NODE_COORD_SECTION"));
        if (wspolrzedne.miasta.size() < 2)
            ZaMaloMiast(linie, wspolrzedne.miasta.size());
        if (wymiar)
            wspolrzedne.SprawdzWymiar(linie, *wymiar, liniaWymiaru);
        const std::size_t n = wspolrzedne.miasta.size();
        instancja.Ids.reserve(n);
        instancja.X.reserve(n);
        instancja.Y.reserve(n);
        for (const MiastoZPliku& m : wspolrzedne.miasta) {
            instancja.Ids.push_back(m.id);
            instancja.X.push_back(m.x);
            instancja.Y.push_back(m.y);
        }
        return instancja;
    }

    // Explicit weights number the cities 1..n; coordinates, when given, are
    // only for showing them.
    if (!wagi)
        linie.Blad(QStringLiteral("brak EDGE_WEIGHT_SECTION"));
    const int n = int(*wymiar);
    if (n < 2)
        ZaMaloMiast(linie, std::size_t(n));
    const SekcjaMiast& miejsca = wspolrzedne.byla ? wspolrzedne : wyswietlanie;
    if (miejsca.byla) {
        miejsca.SprawdzWymiar(linie, n, liniaWymiaru);
        instancja.X.resize(std::size_t(n));
        instancja.Y.resize(std::size_t(n));
        for (const MiastoZPliku& m : miejsca.miasta) {
            instancja.X[std::size_t(m.id - 1)] = m.x;
            instancja.Y[std::size_t(m.id - 1)] = m.y;
        }
    }
    instancja.Ids.resize(std::size_t(n));
    for (int k = 0; k < n; ++k)
        instancja.Ids[std::size_t(k)] = k + 1;
    instancja.Wagi = std::move(*wagi).Wagi();
    return instancja;
}
