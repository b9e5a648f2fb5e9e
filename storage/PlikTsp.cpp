#include "storage/PlikTsp.h"

#include "storage/CzytanieTour.h"
#include "storage/CzytanieTsp.h"
#include "storage/SiatkaTsp.h"
#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"

#include <QFile>
#include <QFileInfo>

#include <unordered_map>

namespace {

const QString komentarzSiatki = QStringLiteral("Wedrownik, matryca %1 X %2");

QString nazwaWPliku(QString nazwa) {
    nazwa.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return nazwa;
}

// Reads a file, or what a device gives, line by line through czytaj.
template <class Czytaj>
auto zUrzadzenia(QIODevice& urzadzenie, const QString& nazwa, const std::function<void()>& kontrola,
                 Czytaj czytaj) {
    if (!urzadzenie.isSequential())
        CzytnikLinii::SprawdzRozmiar(urzadzenie.size() - urzadzenie.pos(), nazwa);
    CzytnikLinii linie(CzytnikLinii::ZUrzadzenia(urzadzenie), nazwa, kontrola);
    auto wynik = czytaj(linie);
    const auto* plik = qobject_cast<QFileDevice*>(&urzadzenie);
    if (plik && plik->error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("Cannot open file ") + nazwa);
    return wynik;
}

template <class Czytaj>
auto zPliku(const QString& sciezka, const std::function<void()>& kontrola, Czytaj czytaj) {
    QFile plik(sciezka);
    if (!QFileInfo(sciezka).isFile() || !plik.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Cannot open file ") + sciezka);
    return zUrzadzenia(plik, sciezka, kontrola, czytaj);
}

// A route of the ids 1..n, n being its length.
std::vector<int> numeryOdJednego(CzytnikLinii& linie) {
    TrasaTour trasa = CzytajTraseTour(linie);
    for (std::size_t k = 0; k < trasa.Ids.size(); ++k)
        if (std::size_t(trasa.Ids[k]) > trasa.Ids.size())
            linie.BladW(trasa.Linie[k], BilingualText{QStringLiteral("numer miasta %1 większy niż liczba miast %2"),
                                                      QStringLiteral("city number %1 greater than the number of "
                                                                     "cities %2")}
                                            .arg(trasa.Ids[k])
                                            .arg(trasa.Ids.size()));
    return std::move(trasa.Ids);
}

MapaTsp naSiatkeOkna(const InstancjaTsp& instancja, const QString& nazwa) {
    MapaTsp mapa = NaSiatke(instancja, nazwa);
    SprawdzSiatkeOkna(mapa, nazwa);
    return mapa;
}

} // namespace

InstancjaTsp PlikTsp::WczytajInstancje(const QString& sciezka, const std::function<void()>& kontrola) {
    return zPliku(sciezka, kontrola, CzytajInstancjeTsp);
}

InstancjaTsp PlikTsp::CzytajInstancje(CzytnikLinii::Zrodlo zrodlo, const QString& nazwa,
                                      const std::function<void()>& kontrola) {
    CzytnikLinii linie(std::move(zrodlo), nazwa, kontrola);
    return CzytajInstancjeTsp(linie);
}

std::vector<int> PlikTsp::TrasaInstancji(const InstancjaTsp& instancja, const QString& nazwaInstancji,
                                         const QString& sciezka, const std::function<void()>& kontrola) {
    const TrasaTour trasa = zPliku(sciezka, kontrola, CzytajTraseTour);
    std::unordered_map<int, int> miasta;
    miasta.reserve(instancja.Ids.size());
    for (std::size_t k = 0; k < instancja.Ids.size(); ++k)
        miasta.emplace(instancja.Ids[k], int(k));
    std::vector<int> wynik;
    wynik.reserve(trasa.Ids.size());
    for (std::size_t k = 0; k < trasa.Ids.size(); ++k) {
        const auto miasto = miasta.find(trasa.Ids[k]);
        if (miasto == miasta.end())
            throw UserError(sciezka + QLatin1Char(':') + QString::number(trasa.Linie[k])
                            + BilingualText{QStringLiteral(": miasta %1 nie ma w %2"),
                                            QStringLiteral(": city %1 is not in %2")}
                                  .arg(trasa.Ids[k])
                                  .arg(nazwaInstancji));
        wynik.push_back(miasto->second);
    }
    // Each id once (the reader's check) and as many as the instance has.
    if (wynik.size() != instancja.Ids.size())
        throw UserError(sciezka + QLatin1Char(':') + QString::number(trasa.Linie.back())
                        + BilingualText{QStringLiteral(": trasa ma %1 miast, a %2 ma ich %3"),
                                        QStringLiteral(": the tour has %1 cities, but %2 has %3")}
                              .arg(wynik.size())
                              .arg(nazwaInstancji)
                              .arg(instancja.Ids.size()));
    return wynik;
}

MapaTsp PlikTsp::WczytajTsp(const QString& sciezka) {
    return naSiatkeOkna(WczytajInstancje(sciezka), sciezka);
}

MapaTsp PlikTsp::WczytajTsp(QIODevice& plik, const QString& nazwa, const std::function<void()>& kontrola) {
    return naSiatkeOkna(zUrzadzenia(plik, nazwa, kontrola, CzytajInstancjeTsp), nazwa);
}

MapaTsp PlikTsp::CzytajTsp(const QByteArray& tekst, const QString& nazwa, const std::function<void()>& kontrola) {
    return naSiatkeOkna(CzytajInstancje(CzytnikLinii::ZBajtow(tekst), nazwa, kontrola), nazwa);
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

std::vector<int> PlikTsp::WczytajTour(const QString& sciezka) {
    return zPliku(sciezka, {}, [&](CzytnikLinii& linie) { return numeryOdJednego(linie); });
}

std::vector<int> PlikTsp::CzytajTour(const QByteArray& tekst, const QString& nazwa) {
    CzytnikLinii linie(CzytnikLinii::ZBajtow(tekst), nazwa);
    return numeryOdJednego(linie);
}

QByteArray PlikTsp::TekstTour(const std::vector<int>& ids, double dlugosc, const QString& nazwa, bool calkowita) {
    QString wynik;
    wynik += QStringLiteral("NAME : %1\n").arg(nazwaWPliku(nazwa));
    wynik += QStringLiteral("COMMENT : Długość trasy %1\n").arg(dlugosc, 0, 'f', calkowita ? 0 : 4);
    wynik += QStringLiteral("TYPE : TOUR\nDIMENSION : %1\nTOUR_SECTION\n").arg(ids.size());
    for (int id : ids)
        wynik += QString::number(id) + '\n';
    wynik += QStringLiteral("-1\nEOF\n");
    return wynik.toUtf8();
}

void PlikTsp::ZapiszTour(const QString& sciezka, const std::vector<int>& ids, double dlugosc, bool calkowita) {
    ZapiszAtomowo(sciezka, TekstTour(ids, dlugosc, QFileInfo(sciezka).completeBaseName(), calkowita));
}
