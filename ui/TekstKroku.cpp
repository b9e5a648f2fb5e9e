#include "ui/TekstKroku.h"

#include "ui/TekstLiczby.h"

#include <QStringList>

#include <cmath>

namespace {

// A change of length with its sign, the minus a true minus sign.
QString zeZnakiem(double x) {
    const QString liczba = TekstLiczby(std::abs(x));
    if (liczba == TekstLiczby(0.0))
        return liczba;
    return (x < 0.0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + liczba;
}

// "1 krawędź wymieniona", "4 krawędzie wymienione", "8 krawędzi wymienionych".
QString krawedzieWymienione(std::size_t n) {
    if (n == 1)
        return QStringLiteral("1 krawędź wymieniona");
    const bool kilka = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
    return QString::number(n) + (kilka ? QStringLiteral(" krawędzie wymienione") : QStringLiteral(" krawędzi wymienionych"));
}

QString miasto(int m, const std::vector<int>& ids) {
    return QString::number(m >= 0 && std::size_t(m) < ids.size() ? ids[std::size_t(m)] : m + 1);
}

QString miasta(const std::vector<int>& trasa, const std::vector<int>& ids) {
    QStringList numery;
    for (int m : trasa)
        numery << miasto(m, ids);
    return numery.join(QLatin1Char('-'));
}

QString tekstTrasy(const OpisKroku& o) {
    const QString poczatek = QStringLiteral("Trasa %1: %2").arg(o.numer).arg(TekstLiczby(o.wartosc));
    // The first route has nothing before it to be compared with.
    if (o.numer == 1 || !std::isfinite(o.najlepsza))
        return poczatek + QStringLiteral(" — pierwsza, na razie najlepsza");
    const QString najlepsza = TekstLiczby(o.najlepsza);
    if (o.wartosc < o.najlepsza)
        return poczatek + QStringLiteral(" — krótsza od najlepszej %1, nowa najlepsza").arg(najlepsza);
    if (o.wartosc > o.najlepsza)
        return poczatek + QStringLiteral(" — dłuższa od najlepszej %1").arg(najlepsza);
    return poczatek + QStringLiteral(" — nie krótsza od najlepszej %1").arg(najlepsza);
}

QString tekstOdciecia(const OpisKroku& o, const std::vector<int>& ids) {
    return QStringLiteral("Gałąź %1 odcięta (%2 tras): każda ma co najmniej %3 (najlepsza %4) i najwyżej %5 "
                          "(najdłuższa %6)")
        .arg(miasta(o.trasa, ids))
        .arg(o.ile)
        .arg(TekstLiczby(o.wartosc), TekstLiczby(o.najlepsza), TekstLiczby(o.gorna), TekstLiczby(o.najdluzsza));
}

QString tekstPokolenia(const OpisKroku& o) {
    return QStringLiteral("Pokolenie %1: najlepsza trasa %2 (najlepsza dotąd %3), zachowane dzieci: %4")
        .arg(o.numer)
        .arg(TekstLiczby(o.wartosc), TekstLiczby(o.najlepsza))
        .arg(o.ile);
}

QString tekstRuchu(const OpisKroku& o) {
    // The descent undid the kick edge for edge.
    if (o.dodane.empty())
        return QStringLiteral("Ruch (kopnięcie i zejście 3-opt): trasa wróciła do siebie, bez zmian");
    const QString ruch = QStringLiteral("Ruch (kopnięcie i zejście 3-opt, %1): %2")
                             .arg(krawedzieWymienione(o.dodane.size()), zeZnakiem(o.zmiana));
    if (o.przyjety)
        return ruch + QStringLiteral(" — zachowany");
    return ruch + QStringLiteral(" — cofnięty, trasa byłaby dłuższa");
}

QString tekstKopniecia(const OpisKroku& o) {
    return QStringLiteral("Kopnięcie (podwójny most, %1): %2 — teraz zejście 3-opt")
        .arg(krawedzieWymienione(o.dodane.size()), zeZnakiem(o.zmiana));
}

QString tekstCiecia(const OpisKroku& o) {
    QString tekst;
    switch (o.rodzajCiecia) {
    case OpisKroku::RodzajCiecia::Podcykl:
        tekst = QStringLiteral("Cięcie podcyklu%1: zbiór %2 miast");
        break;
    case OpisKroku::RodzajCiecia::Kwiat:
        tekst = QStringLiteral("Cięcie kwiatu%1: rączka %2 miast");
        break;
    case OpisKroku::RodzajCiecia::Grzebien:
        tekst = QStringLiteral("Cięcie grzebienia%1: rączka %2 miast");
        break;
    }
    const QString ktore = o.ile > 1 ? QStringLiteral(" %1 z %2").arg(o.numer).arg(o.ile) : QString();
    return tekst.arg(ktore).arg(o.trasa.size());
}

QString tekstLP(const OpisKroku& o) {
    const QString lp = QStringLiteral("Program liniowy rozwiązany: %1").arg(TekstLiczby(o.wartosc));
    if (std::isnan(o.najlepsza))
        return lp;
    return lp + QStringLiteral(" — najlepsza trasa %1").arg(TekstLiczby(o.najlepsza));
}

QString tekstGalezi(const OpisKroku& o, const std::vector<int>& ids) {
    if (o.dodane.empty())
        return {};
    return QStringLiteral("Rozgałęzienie na krawędzi %1-%2 (głębokość %3), granica %4")
        .arg(miasto(o.dodane.front().first, ids), miasto(o.dodane.front().second, ids))
        .arg(o.numer)
        .arg(TekstLiczby(o.wartosc));
}

void dodajDroge(const std::vector<int>& trasa, bool zamknieta, std::vector<std::pair<int, int>>& odcinki) {
    for (std::size_t k = 1; k < trasa.size(); ++k)
        odcinki.emplace_back(trasa[k - 1], trasa[k]);
    if (zamknieta && trasa.size() > 2)
        odcinki.emplace_back(trasa.back(), trasa.front());
}

} // namespace

QString TekstKroku(const OpisKroku& o, const std::vector<int>& ids) {
    switch (o.rodzaj) {
    case OpisKroku::Rodzaj::Trasa:
        return tekstTrasy(o);
    case OpisKroku::Rodzaj::Odciecie:
        return tekstOdciecia(o, ids);
    case OpisKroku::Rodzaj::Pokolenie:
        return tekstPokolenia(o);
    case OpisKroku::Rodzaj::Ruch:
        return tekstRuchu(o);
    case OpisKroku::Rodzaj::Kopniecie:
        return tekstKopniecia(o);
    case OpisKroku::Rodzaj::ProgramLiniowy:
        return tekstLP(o);
    case OpisKroku::Rodzaj::Ciecie:
        return tekstCiecia(o);
    case OpisKroku::Rodzaj::Galaz:
        return tekstGalezi(o, ids);
    }
    return {};
}

std::vector<std::pair<int, int>> OdcinkiKroku(const OpisKroku& o) {
    std::vector<std::pair<int, int>> odcinki;
    switch (o.rodzaj) {
    case OpisKroku::Rodzaj::Trasa:
    case OpisKroku::Rodzaj::Pokolenie:
        dodajDroge(o.trasa, true, odcinki);
        break;
    case OpisKroku::Rodzaj::Odciecie:
        dodajDroge(o.trasa, false, odcinki);
        break;
    case OpisKroku::Rodzaj::Ruch:
    case OpisKroku::Rodzaj::Kopniecie:
    case OpisKroku::Rodzaj::Galaz:
    case OpisKroku::Rodzaj::ProgramLiniowy:
    case OpisKroku::Rodzaj::Ciecie:
        odcinki = o.dodane;
        break;
    }
    return odcinki;
}
