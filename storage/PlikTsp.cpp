#include "storage/PlikTsp.h"

#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <charconv>
#include <climits>
#include <cmath>
#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace {

const QString komentarzSiatki = QStringLiteral("Wedrownik, matryca %1 X %2");

// Splits the text into lines, trimmed, numbered from 1.
class Linie {
public:
    Linie(const QByteArray& tekst, const QString& nazwa, const std::function<void()>& kontrola = {})
        : tekst_(tekst), nazwa_(nazwa), kontrola_(kontrola) {}

    bool nastepna(QByteArray& linia) {
        if (pozycja_ >= tekst_.size())
            return false;
        if (kontrola_ && numer_ % 4096 == 0)
            kontrola_();
        qsizetype koniec = tekst_.indexOf('\n', pozycja_);
        if (koniec < 0)
            koniec = tekst_.size();
        linia = tekst_.mid(pozycja_, koniec - pozycja_).trimmed();
        pozycja_ = koniec + 1;
        ++numer_;
        return true;
    }

    int numer() const { return numer_; }

    [[noreturn]] void blad(const QString& co) const { bladW(numer_ > 0 ? numer_ : 1, co); }
    [[noreturn]] void bladW(int linia, const QString& co) const {
        throw UserError(nazwa_ + QLatin1Char(':') + QString::number(linia) + QStringLiteral(": ") + co);
    }

private:
    const QByteArray& tekst_;
    QString nazwa_;
    std::function<void()> kontrola_;
    qsizetype pozycja_ = 0;
    int numer_ = 0;
};

// "KEY : value", "KEY: value" or a bare "KEY".
struct Wpis {
    QByteArray klucz;
    QByteArray wartosc;
    bool zDwukropkiem = false;
};

Wpis rozbij(const QByteArray& linia) {
    Wpis wpis;
    const qsizetype dwukropek = linia.indexOf(':');
    if (dwukropek >= 0) {
        wpis.klucz = linia.left(dwukropek).trimmed().toUpper();
        wpis.wartosc = linia.mid(dwukropek + 1).trimmed();
        wpis.zDwukropkiem = true;
    } else {
        wpis.klucz = linia.simplified().split(' ').value(0).toUpper();
    }
    return wpis;
}

bool jestSekcja(const QByteArray& klucz) {
    static const char* const sekcje[] = {"NODE_COORD_SECTION", "DEPOT_SECTION", "DEMAND_SECTION",
                                         "EDGE_DATA_SECTION", "FIXED_EDGES_SECTION",
                                         "DISPLAY_DATA_SECTION", "TOUR_SECTION", "EDGE_WEIGHT_SECTION"};
    for (const char* s : sekcje)
        if (klucz == s)
            return true;
    return false;
}

bool jestKlucz(const QByteArray& klucz) {
    static const char* const klucze[] = {"NAME", "TYPE", "COMMENT", "DIMENSION", "CAPACITY",
                                         "EDGE_WEIGHT_TYPE", "EDGE_WEIGHT_FORMAT", "EDGE_DATA_FORMAT",
                                         "NODE_COORD_TYPE", "DISPLAY_DATA_TYPE"};
    for (const char* k : klucze)
        if (klucz == k)
            return true;
    return false;
}

// A keyword line starts with a letter; data lines start with a digit or sign.
bool jestSlowem(const QByteArray& linia) {
    const char c = linia.front();
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Opens a keyword line: reports what is neither a known key nor a known
// section, and a key without its colon.
Wpis wpisLinii(const Linie& linie, const QByteArray& linia) {
    Wpis wpis = rozbij(linia);
    if (wpis.klucz == "EOF" || jestSekcja(wpis.klucz))
        return wpis;
    if (!jestKlucz(wpis.klucz))
        linie.blad(QStringLiteral("nieznane słowo kluczowe '%1'").arg(QString::fromUtf8(wpis.klucz)));
    if (!wpis.zDwukropkiem)
        linie.blad(QStringLiteral("brak ':' po %1").arg(QString::fromUtf8(wpis.klucz)));
    return wpis;
}

std::optional<long long> calkowita(QByteArrayView tekst) {
    if (tekst.startsWith('+'))
        tekst = tekst.sliced(1);
    long long wartosc = 0;
    const auto [koniec, blad] = std::from_chars(tekst.begin(), tekst.end(), wartosc);
    if (blad != std::errc() || koniec != tekst.end() || tekst.isEmpty())
        return std::nullopt;
    return wartosc;
}

std::optional<double> liczba(QByteArrayView tekst) {
    if (tekst.startsWith('+'))
        tekst = tekst.sliced(1);
    double wartosc = 0;
    const auto [koniec, blad] = std::from_chars(tekst.begin(), tekst.end(), wartosc);
    if (blad != std::errc() || koniec != tekst.end() || tekst.isEmpty() || !std::isfinite(wartosc))
        return std::nullopt;
    return wartosc;
}

QString tekst(QByteArrayView bajty) { return QString::fromUtf8(bajty); }

long long calkowitaLubBlad(const Linie& linie, QByteArrayView bajty) {
    const auto wartosc = calkowita(bajty);
    if (!wartosc)
        linie.blad(QStringLiteral("'%1' nie jest liczbą całkowitą").arg(tekst(bajty)));
    return *wartosc;
}

long long wymiarLubBlad(const Linie& linie, QByteArrayView bajty) {
    const long long wymiar = calkowitaLubBlad(linie, bajty);
    if (wymiar < 0 || wymiar > PlikTsp::MaksLiczbaMiast)
        linie.blad(QStringLiteral("DIMENSION %1 poza zakresem 0..%2").arg(wymiar).arg(PlikTsp::MaksLiczbaMiast));
    return wymiar;
}

[[noreturn]] void zaMaloMiast(const Linie& linie, std::size_t ile) {
    linie.blad(QStringLiteral("za mało miast: %1 (potrzeba co najmniej dwóch)").arg(ile));
}

QString nazwaWPliku(QString nazwa) {
    nazwa.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return nazwa;
}

QByteArray wczytajOgraniczone(QIODevice& plik, const QString& nazwa) {
    QByteArray dane;
    for (;;) {
        const QByteArray kawalek = plik.read(qMin<qint64>(1 << 16, PlikTsp::MaksRozmiarPliku + 1 - dane.size()));
        if (kawalek.isEmpty())
            break;
        dane += kawalek;
        if (dane.size() > PlikTsp::MaksRozmiarPliku)
            throw UserError(nazwa + QStringLiteral(": plik jest większy niż ")
                            + QString::number(PlikTsp::MaksRozmiarPliku >> 20) + QStringLiteral(" MiB"));
    }
    const auto* plikDyskowy = qobject_cast<QFileDevice*>(&plik);
    if (plikDyskowy && plikDyskowy->error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("Cannot open file ") + nazwa);
    return dane;
}

QByteArray wczytajPlik(const QString& sciezka) {
    QFile plik(sciezka);
    if (!QFileInfo(sciezka).isFile() || !plik.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Cannot open file ") + sciezka);
    return wczytajOgraniczone(plik, sciezka);
}

struct MiastoZPliku {
    int id;
    long long x;
    long long y;
    int linia;
};

std::optional<std::pair<int, int>> siatkaZKomentarza(const QByteArray& wartosc) {
    static const QRegularExpression wzor(QStringLiteral("^Wedrownik, matryca (\\d{1,10}) X (\\d{1,10})$"));
    const auto dopasowanie = wzor.match(QString::fromUtf8(wartosc));
    if (!dopasowanie.hasMatch())
        return std::nullopt;
    const long long wiersze = dopasowanie.captured(1).toLongLong();
    const long long kolumny = dopasowanie.captured(2).toLongLong();
    if (wiersze < 1 || kolumny < 1 || wiersze > INT_MAX || kolumny > INT_MAX)
        return std::nullopt;
    return std::pair{int(wiersze), int(kolumny)};
}

} // namespace

MapaTsp PlikTsp::WczytajTsp(const QString& sciezka) { return CzytajTsp(wczytajPlik(sciezka), sciezka); }

MapaTsp PlikTsp::WczytajTsp(QIODevice& plik, const QString& nazwa, const std::function<void()>& kontrola) {
    return CzytajTsp(wczytajOgraniczone(plik, nazwa), nazwa, kontrola);
}

MapaTsp PlikTsp::CzytajTsp(const QByteArray& tekstPliku, const QString& nazwa, const std::function<void()>& kontrola) {
    Linie linie(tekstPliku, nazwa, kontrola);
    enum class Sekcja { Zadna, Miasta, Inna } sekcja = Sekcja::Zadna;
    bool bylaSekcjaMiast = false;
    bool bylTyp = false;
    std::optional<long long> wymiar;
    int liniaWymiaru = 0;
    std::optional<std::pair<int, int>> siatka;
    std::vector<MiastoZPliku> miasta;
    std::unordered_set<int> ids;
    std::unordered_map<std::uint64_t, int> komorki;  // rounded (x, y) -> id

    QByteArray linia;
    while (linie.nastepna(linia)) {
        if (linia.isEmpty())
            continue;
        if (!jestSlowem(linia)) {
            if (sekcja == Sekcja::Inna)
                continue;
            if (sekcja == Sekcja::Zadna)
                linie.blad(QStringLiteral("dane poza sekcją"));
            const QList<QByteArray> pola = linia.simplified().split(' ');
            if (pola.size() != 3)
                linie.blad(QStringLiteral("oczekiwano numeru miasta i dwóch współrzędnych"));
            const long long id = calkowitaLubBlad(linie, pola[0]);
            if (id < 1 || id > INT_MAX)
                linie.blad(QStringLiteral("numer miasta %1 nie jest dodatni").arg(id));
            if (!ids.insert(int(id)).second)
                linie.blad(QStringLiteral("miasto %1 powtórzone").arg(id));
            if (miasta.size() >= std::size_t(MaksLiczbaMiast))
                linie.blad(QStringLiteral("więcej niż %1 miast").arg(MaksLiczbaMiast));
            long long xy[2];
            for (int k = 0; k < 2; ++k) {
                const auto wartosc = liczba(pola[k + 1]);
                if (!wartosc)
                    linie.blad(QStringLiteral("'%1' nie jest liczbą").arg(tekst(pola[k + 1])));
                if (std::fabs(*wartosc) > MaksWspolrzedna)
                    linie.blad(QStringLiteral("współrzędna %1 poza zakresem od -1e9 do 1e9").arg(tekst(pola[k + 1])));
                xy[k] = std::llround(*wartosc);
            }
            const std::uint64_t komorka = (std::uint64_t(xy[0] + 1'000'000'000) << 32)
                                          | std::uint64_t(xy[1] + 1'000'000'000);
            const auto [gdzie, nowa] = komorki.emplace(komorka, int(id));
            if (!nowa)
                linie.blad(QStringLiteral("miasto %1 w tej samej komórce co miasto %2").arg(id).arg(gdzie->second));
            miasta.push_back({int(id), xy[0], xy[1], linie.numer()});
            continue;
        }

        const Wpis wpis = wpisLinii(linie, linia);
        sekcja = Sekcja::Zadna;
        if (wpis.klucz == "EOF")
            break;
        if (wpis.klucz == "NODE_COORD_SECTION") {
            if (bylaSekcjaMiast)
                linie.blad(QStringLiteral("drugi NODE_COORD_SECTION"));
            bylaSekcjaMiast = true;
            sekcja = Sekcja::Miasta;
        } else if (jestSekcja(wpis.klucz)) {
            sekcja = Sekcja::Inna;
        } else if (wpis.klucz == "TYPE") {
            if (wpis.wartosc.toUpper() != "TSP")
                linie.blad(QStringLiteral("TYPE %1 nie jest obsługiwany (tylko TSP)").arg(tekst(wpis.wartosc)));
        } else if (wpis.klucz == "EDGE_WEIGHT_TYPE") {
            const QByteArray typ = wpis.wartosc.toUpper();
            if (typ != "EUC_2D" && typ != "CEIL_2D" && typ != "ATT")
                linie.blad(QStringLiteral("EDGE_WEIGHT_TYPE %1 nie jest obsługiwany (tylko EUC_2D, CEIL_2D i ATT)")
                               .arg(tekst(wpis.wartosc)));
            bylTyp = true;
        } else if (wpis.klucz == "DIMENSION") {
            wymiar = wymiarLubBlad(linie, wpis.wartosc);
            liniaWymiaru = linie.numer();
        } else if (wpis.klucz == "COMMENT") {
            if (const auto zKomentarza = siatkaZKomentarza(wpis.wartosc))
                siatka = zKomentarza;
        }
    }

    if (!bylTyp)
        linie.blad(QStringLiteral("brak EDGE_WEIGHT_TYPE"));
    if (!bylaSekcjaMiast)
        linie.blad(QStringLiteral("brak NODE_COORD_SECTION"));
    if (miasta.size() < 2)
        zaMaloMiast(linie, miasta.size());
    if (wymiar) {
        if (std::size_t(*wymiar) != miasta.size())
            linie.bladW(liniaWymiaru, QStringLiteral("DIMENSION %1, a miast w NODE_COORD_SECTION jest %2")
                                          .arg(*wymiar)
                                          .arg(miasta.size()));
        for (const MiastoZPliku& m : miasta)
            if (m.id > *wymiar)
                linie.bladW(m.linia, QStringLiteral("numer miasta %1 większy niż DIMENSION %2").arg(m.id).arg(*wymiar));
    }

    long long minX = 0, minY = 0, maxX = LLONG_MIN, maxY = LLONG_MIN;
    for (const MiastoZPliku& m : miasta) {
        minX = std::min(minX, m.x);
        minY = std::min(minY, m.y);
        maxX = std::max(maxX, m.x);
        maxY = std::max(maxY, m.y);
    }
    // Our own files name their grid: keep it, so cities away from the top
    // and right edges come back to the same cells.
    const bool zKomentarza = siatka && minX >= 0 && minY >= 0 && maxX < siatka->second && maxY < siatka->first;
    MapaTsp mapa;
    mapa.RowCount = zKomentarza ? siatka->first : int(maxY - minY + 1);
    mapa.ColumnCount = zKomentarza ? siatka->second : int(maxX - minX + 1);
    mapa.SiatkaZPliku = zKomentarza;
    mapa.Miasta.reserve(miasta.size());
    for (const MiastoZPliku& m : miasta)
        mapa.Miasta.push_back({m.id, int(mapa.RowCount - 1 - (m.y - minY)), int(m.x - minX)});
    return mapa;
}

QByteArray PlikTsp::TekstTsp(const MapaTsp& mapa, const QString& nazwa) {
    QString wynik;
    wynik += QStringLiteral("NAME : %1\n").arg(nazwaWPliku(nazwa));
    wynik += QStringLiteral("COMMENT : ") + komentarzSiatki.arg(mapa.RowCount).arg(mapa.ColumnCount) + '\n';
    wynik += QStringLiteral("TYPE : TSP\nDIMENSION : %1\nEDGE_WEIGHT_TYPE : EUC_2D\nNODE_COORD_SECTION\n")
                 .arg(mapa.Miasta.size());
    for (const MiastoTsp& m : mapa.Miasta)
        wynik += QStringLiteral("%1 %2 %3\n").arg(m.Id).arg(m.Kolumna).arg(mapa.RowCount - 1 - m.Wiersz);
    wynik += QStringLiteral("EOF\n");
    return wynik.toUtf8();
}

void PlikTsp::ZapiszTsp(const QString& sciezka, const MapaTsp& mapa) {
    ZapiszAtomowo(sciezka, TekstTsp(mapa, QFileInfo(sciezka).completeBaseName()));
}

std::vector<int> PlikTsp::WczytajTour(const QString& sciezka) { return CzytajTour(wczytajPlik(sciezka), sciezka); }

std::vector<int> PlikTsp::CzytajTour(const QByteArray& tekstPliku, const QString& nazwa) {
    Linie linie(tekstPliku, nazwa);
    bool wSekcji = false;
    bool bylaSekcja = false;
    bool zakonczona = false;
    std::optional<long long> wymiar;
    int liniaWymiaru = 0;
    std::vector<int> trasa;
    std::vector<int> linieMiast;
    std::unordered_set<int> ids;

    QByteArray linia;
    while (linie.nastepna(linia)) {
        if (linia.isEmpty())
            continue;
        if (!jestSlowem(linia)) {
            if (!wSekcji)
                linie.blad(QStringLiteral("dane poza sekcją"));
            for (const QByteArray& pole : linia.simplified().split(' ')) {
                const long long id = calkowitaLubBlad(linie, pole);
                if (id == -1) {
                    zakonczona = true;
                    break;
                }
                if (id < 1 || id > INT_MAX)
                    linie.blad(QStringLiteral("numer miasta %1 nie jest dodatni").arg(id));
                if (!ids.insert(int(id)).second)
                    linie.blad(QStringLiteral("miasto %1 powtórzone").arg(id));
                if (trasa.size() >= std::size_t(MaksLiczbaMiast))
                    linie.blad(QStringLiteral("więcej niż %1 miast").arg(MaksLiczbaMiast));
                trasa.push_back(int(id));
                linieMiast.push_back(linie.numer());
            }
            if (zakonczona)
                wSekcji = false;
            continue;
        }

        const Wpis wpis = wpisLinii(linie, linia);
        wSekcji = false;
        if (wpis.klucz == "EOF")
            break;
        if (wpis.klucz == "TOUR_SECTION") {
            if (bylaSekcja)
                linie.blad(QStringLiteral("drugi TOUR_SECTION"));
            bylaSekcja = wSekcji = true;
        } else if (wpis.klucz == "TYPE") {
            if (wpis.wartosc.toUpper() != "TOUR")
                linie.blad(QStringLiteral("TYPE %1 nie jest obsługiwany (tylko TOUR)").arg(tekst(wpis.wartosc)));
        } else if (wpis.klucz == "DIMENSION") {
            wymiar = wymiarLubBlad(linie, wpis.wartosc);
            liniaWymiaru = linie.numer();
        } else if (jestSekcja(wpis.klucz)) {
            linie.blad(QStringLiteral("%1 w pliku trasy").arg(tekst(wpis.klucz)));
        }
    }

    if (!bylaSekcja)
        linie.blad(QStringLiteral("brak TOUR_SECTION"));
    if (trasa.size() < 2)
        zaMaloMiast(linie, trasa.size());
    if (wymiar && std::size_t(*wymiar) != trasa.size())
        linie.bladW(liniaWymiaru,
                    QStringLiteral("DIMENSION %1, a miast w TOUR_SECTION jest %2").arg(*wymiar).arg(trasa.size()));
    for (std::size_t k = 0; k < trasa.size(); ++k)
        if (std::size_t(trasa[k]) > trasa.size())
            linie.bladW(linieMiast[k],
                        QStringLiteral("numer miasta %1 większy niż liczba miast %2").arg(trasa[k]).arg(trasa.size()));
    return trasa;
}

QByteArray PlikTsp::TekstTour(const std::vector<int>& ids, double dlugosc, const QString& nazwa) {
    QString wynik;
    wynik += QStringLiteral("NAME : %1\n").arg(nazwaWPliku(nazwa));
    wynik += QStringLiteral("COMMENT : Długość trasy %1\n").arg(dlugosc, 0, 'f', 4);
    wynik += QStringLiteral("TYPE : TOUR\nDIMENSION : %1\nTOUR_SECTION\n").arg(ids.size());
    for (int id : ids)
        wynik += QString::number(id) + '\n';
    wynik += QStringLiteral("-1\nEOF\n");
    return wynik.toUtf8();
}

void PlikTsp::ZapiszTour(const QString& sciezka, const std::vector<int>& ids, double dlugosc) {
    ZapiszAtomowo(sciezka, TekstTour(ids, dlugosc, QFileInfo(sciezka).completeBaseName()));
}
