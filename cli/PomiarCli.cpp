#include "cli/PomiarCli.h"

#include "cli/WejscieCli.h"
#include "cli/WyjatkiCli.h"
#include "storage/PlikTsp.h"
#include "storage/PlikZestawu.h"

#include <QJsonDocument>
#include <QJsonObject>

QByteArray PomiarCli::Wynik::Wydruk(bool json) const {
    if (json) {
        QJsonObject wynik;
        wynik[QStringLiteral("cities")] = miasta;
        wynik[QStringLiteral("length")] = dlugosc.Json();
        return QJsonDocument(wynik).toJson(QJsonDocument::Compact) + '\n';
    }
    return (QStringLiteral("cities ") + QString::number(miasta) + QStringLiteral("\nlength ") + dlugosc.Tekst()
            + QLatin1Char('\n'))
        .toUtf8();
}

PomiarCli::Wynik PomiarCli::Uruchom(const std::atomic<bool>& przerwano) const {
    InstancjaTsp instancja = WczytajWejscie(zadanie_.plik, przerwano);
    const std::vector<int> trasa = PlikTsp::TrasaInstancji(instancja, zadanie_.plik, zadanie_.trasa, [&] {
        if (przerwano.load())
            throw PrzerwanoBezTrasy{};
    });
    // The route is in the file's order of cities, and so are both metrics.
    const ZestawMiast miasta = zadanie_.metrykaSiatki ? PlikZestawu::NaSiatce(instancja, zadanie_.plik, false)
                                                    : PlikZestawu::ZInstancji(std::move(instancja));
    Wynik wynik;
    wynik.miasta = miasta.metryka.Ilosc();
    if (miasta.metryka.Calkowita())
        wynik.dlugosc.wartosc = miasta.metryka.DlugoscCalkowita(trasa);
    else
        wynik.dlugosc.wartosc = miasta.metryka.Dlugosc(trasa);
    return wynik;
}
