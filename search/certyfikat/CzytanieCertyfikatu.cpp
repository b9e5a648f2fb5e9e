#include "search/certyfikat/CzytanieCertyfikatu.h"

#include "toolkit/core/UserError.h"

#include <QFile>
#include <QFileInfo>

#include <limits>
#include <map>

namespace {

// Ids and counts stay below this: a certificate larger is no proof this
// program wrote, and the vectors they size stay in memory.
constexpr long long kNajwiecejId = 1 << 26;

class Czytnik {
public:
    Czytnik(const QByteArray& tekst, const QString& nazwa) : tekst_(tekst), nazwa_(nazwa) {}

    // The next line that is neither blank nor a comment; false at the end.
    bool wiersz() {
        while (poczatek_ < tekst_.size()) {
            qsizetype koniec = tekst_.indexOf('\n', poczatek_);
            if (koniec < 0)
                koniec = tekst_.size();
            linia_ = tekst_.mid(poczatek_, koniec - poczatek_);
            if (linia_.endsWith('\r'))
                linia_.chop(1);
            poczatek_ = koniec + 1;
            ++numer_;
            slowa_ = linia_.simplified().split(' ');
            if (slowa_.size() == 1 && slowa_[0].isEmpty())
                continue;
            if (slowa_[0].startsWith('#'))
                continue;
            i_ = 0;
            return true;
        }
        return false;
    }

    [[noreturn]] void blad(const QString& co) const {
        throw UserError(QStringLiteral("%1:%2: %3").arg(nazwa_).arg(numer_).arg(co));
    }

    QByteArray slowo() {
        if (i_ >= slowa_.size())
            blad(QStringLiteral("the line ends too early"));
        return slowa_[i_++];
    }
    bool jeszcze() const { return i_ < slowa_.size(); }
    // A count of items of so many words each, which the line must still
    // hold: nothing is sized by a number the text does not back.
    std::size_t ile(long long slowNaRzecz) {
        const long long k = liczba(0, kNajwiecejId);
        if (k * slowNaRzecz > (long long)(slowa_.size() - i_))
            blad(QStringLiteral("the line holds fewer items than the %1 it announces").arg(k));
        return std::size_t(k);
    }
    void koniecWiersza() const {
        if (jeszcze())
            blad(QStringLiteral("unexpected \"%1\"").arg(QString::fromUtf8(slowa_[i_])));
    }
    Int128 duza() {
        const QByteArray s = slowo();
        const std::optional<Int128> x = Czytaj128(s);
        if (!x)
            blad(QStringLiteral("\"%1\" is not a whole number of at most 38 digits").arg(QString::fromUtf8(s)));
        return *x;
    }
    long long liczba(long long od, long long doKonca) {
        const QByteArray s = slowo();
        bool ok = false;
        const long long x = s.toLongLong(&ok);
        if (!ok || x < od || x > doKonca)
            blad(QStringLiteral("\"%1\": expected a whole number from %2 to %3")
                     .arg(QString::fromUtf8(s))
                     .arg(od)
                     .arg(doKonca));
        return x;
    }
    const QByteArray& linia() const { return linia_; }

private:
    const QByteArray& tekst_;
    QString nazwa_;
    qsizetype poczatek_ = 0;
    int numer_ = 0;
    QByteArray linia_;
    QList<QByteArray> slowa_;
    qsizetype i_ = 0;
};

class Parser {
public:
    Parser(const QByteArray& tekst, const QString& nazwa) : c_(tekst, nazwa) {}

    Certyfikat czytaj() {
        naglowek();
        while (c_.wiersz()) {
            if (c_.slowo() != "section")
                c_.blad(QStringLiteral("expected a section"));
            sekcja();
        }
        if (w_.sekcje.empty())
            c_.blad(QStringLiteral("no section"));
        return std::move(w_);
    }

private:
    void naglowek() {
        if (!c_.wiersz() || c_.slowo() != "wedrownik-certificate")
            c_.blad(QStringLiteral("not a wedrownik certificate"));
        if (c_.liczba(1, 1000) != Certyfikat::kWersja)
            c_.blad(QStringLiteral("unknown certificate version"));
        c_.koniecWiersza();
        if (!c_.wiersz() || c_.slowo() != "instance")
            c_.blad(QStringLiteral("expected the instance line"));
        w_.miasta = int(c_.liczba(1, Certyfikat::kNajwiecejMiast));
        const QByteArray suma = c_.slowo();
        bool ok = suma.size() == 16;
        w_.suma = suma.toULongLong(&ok, 16);
        if (!ok || suma.size() != 16)
            c_.blad(QStringLiteral("the checksum is 16 hexadecimal digits"));
        // The name is the rest of the line, as the .tsp's NAME is.
        const QByteArray linia = c_.linia().trimmed();
        const qsizetype gdzie = linia.indexOf(suma);
        w_.nazwa = QString::fromUtf8(linia.mid(gdzie + suma.size()).trimmed());
    }

    ZbiorPozycji zbior() {
        ZbiorPozycji z(c_.ile(2));
        if (z.empty())
            c_.blad(QStringLiteral("a set of no intervals"));
        for (Przedzial& p : z) {
            p.od = int(c_.liczba(0, w_.miasta - 1));
            p.doKonca = int(c_.liczba(0, w_.miasta - 1));
        }
        return z;
    }

    void ciecie(SekcjaCertyfikatu& s) {
        if (c_.liczba(0, kNajwiecejId) != (long long)s.ciecia.size())
            c_.blad(QStringLiteral("cuts are numbered 0, 1, 2, ... in order"));
        CiecieCertyfikatu c;
        const QByteArray rodzaj = c_.slowo();
        if (rodzaj == "subtour") {
            c.rodzaj = CiecieCertyfikatu::Rodzaj::Podcykl;
            c.zbiory.push_back(zbior());
        } else if (rodzaj == "blossom") {
            c.rodzaj = CiecieCertyfikatu::Rodzaj::Kwiat;
            c.zbiory.push_back(zbior());
            c.krawedzie.resize(c_.ile(2));
            for (auto& [u, v] : c.krawedzie) {
                u = int(c_.liczba(0, w_.miasta - 1));
                v = int(c_.liczba(0, w_.miasta - 1));
            }
        } else if (rodzaj == "comb") {
            c.rodzaj = CiecieCertyfikatu::Rodzaj::Grzebien;
            const std::size_t zeby = c_.ile(3);
            for (std::size_t i = 0; i <= zeby; ++i)
                c.zbiory.push_back(zbior());
        } else {
            c_.blad(QStringLiteral("unknown kind of cut \"%1\"").arg(QString::fromUtf8(rodzaj)));
        }
        c_.koniecWiersza();
        s.ciecia.push_back(std::move(c));
    }

    void dualne(SekcjaCertyfikatu& s) {
        if (c_.liczba(0, kNajwiecejId) != (long long)s.dualne.size())
            c_.blad(QStringLiteral("blocks of duals are numbered 0, 1, 2, ... in order"));
        c_.koniecWiersza();
        DualneCertyfikatu d;
        if (!c_.wiersz() || c_.slowo() != "y")
            c_.blad(QStringLiteral("expected the y line of the duals"));
        d.y.resize(std::size_t(w_.miasta));
        for (Int128& y : d.y)
            y = c_.duza();
        c_.koniecWiersza();
        if (!c_.wiersz() || c_.slowo() != "mu")
            c_.blad(QStringLiteral("expected the mu line of the duals"));
        d.mu.resize(c_.ile(2));
        for (auto& [ciecie, mu] : d.mu) {
            ciecie = int(c_.liczba(0, kNajwiecejId));
            mu = c_.duza();
        }
        c_.koniecWiersza();
        s.dualne.push_back(std::move(d));
    }

    void zapisWezla(std::map<long long, WezelCertyfikatu>& wezly) {
        const long long id = c_.liczba(0, kNajwiecejId);
        WezelCertyfikatu& x = wezly[id];
        if (x.rodzaj != WezelCertyfikatu::Rodzaj::Brak)
            c_.blad(QStringLiteral("node %1 given twice").arg(id));
        const QByteArray rodzaj = c_.slowo();
        if (rodzaj == "branch") {
            x.rodzaj = WezelCertyfikatu::Rodzaj::Rozgalezienie;
            x.u = int(c_.liczba(0, w_.miasta - 1));
            x.v = int(c_.liczba(0, w_.miasta - 1));
            x.zero = int(c_.liczba(0, kNajwiecejId));
            x.jeden = int(c_.liczba(0, kNajwiecejId));
        } else if (rodzaj == "bound" || rodzaj == "ray") {
            x.rodzaj = rodzaj == "bound" ? WezelCertyfikatu::Rodzaj::Granica : WezelCertyfikatu::Rodzaj::Promien;
            x.dualne = int(c_.liczba(0, kNajwiecejId));
        } else {
            c_.blad(QStringLiteral("unknown kind of node \"%1\"").arg(QString::fromUtf8(rodzaj)));
        }
        c_.koniecWiersza();
    }

    void sekcja() {
        SekcjaCertyfikatu s;
        const QByteArray cel = c_.slowo();
        if (cel != "shortest" && cel != "longest")
            c_.blad(QStringLiteral("a section is shortest or longest"));
        s.cel = cel == "shortest" ? CelCertyfikatu::Najkrotsza : CelCertyfikatu::Najdluzsza;
        c_.koniecWiersza();
        bool dlugosc = false, skala = false;
        std::map<long long, WezelCertyfikatu> wezly;
        for (;;) {
            if (!c_.wiersz())
                c_.blad(QStringLiteral("the section has no end line"));
            const QByteArray slowo = c_.slowo();
            if (slowo == "end") {
                c_.koniecWiersza();
                break;
            }
            if (slowo == "length") {
                s.dlugosc = c_.liczba(0, std::numeric_limits<long long>::max());
                dlugosc = true;
            } else if (slowo == "scale") {
                s.skala = c_.duza();
                skala = true;
            } else if (slowo == "tour") {
                s.trasa.resize(std::size_t(w_.miasta));
                for (int& miasto : s.trasa)
                    miasto = int(c_.liczba(0, w_.miasta - 1));
            } else if (slowo == "cut") {
                ciecie(s);
                continue;
            } else if (slowo == "duals") {
                dualne(s);
                continue;
            } else if (slowo == "node") {
                zapisWezla(wezly);
                continue;
            } else if (slowo == "eliminate") {
                const long long id = c_.liczba(0, kNajwiecejId);
                WezelCertyfikatu& x = wezly[id];
                if (x.eliminacja >= 0)
                    c_.blad(QStringLiteral("node %1 has two eliminations").arg(id));
                x.eliminacja = int(c_.liczba(0, kNajwiecejId));
            } else {
                c_.blad(QStringLiteral("unknown record \"%1\"").arg(QString::fromUtf8(slowo)));
            }
            c_.koniecWiersza();
        }
        if (!dlugosc || !skala || s.trasa.empty())
            c_.blad(QStringLiteral("the section lacks its length, scale or tour"));
        // Ids index a vector: gaps are allowed, a sparse handful is not.
        if (!wezly.empty() && wezly.rbegin()->first >= 4 * (long long)wezly.size() + 16)
            c_.blad(QStringLiteral("node ids run far past the number of nodes"));
        s.wezly.resize(wezly.empty() ? 0 : std::size_t(wezly.rbegin()->first) + 1);
        for (const auto& [id, x] : wezly)
            s.wezly[std::size_t(id)] = x;
        w_.sekcje.push_back(std::move(s));
    }

    Czytnik c_;
    Certyfikat w_;
};

} // namespace

Certyfikat CzytajCertyfikat(const QByteArray& tekst, const QString& nazwa) {
    return Parser(tekst, nazwa).czytaj();
}

Certyfikat WczytajCertyfikat(const QString& sciezka) {
    QFile plik(sciezka);
    if (!QFileInfo(sciezka).isFile() || !plik.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Cannot open file ") + sciezka);
    return CzytajCertyfikat(plik.readAll(), sciezka);
}
