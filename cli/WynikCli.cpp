#include "cli/WynikCli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The keys of one route's figures, in the text and in JSON.
struct KluczeTrasy {
    const char* dlugosc;
    const char* udowodniona;
    const char* granica;
    const char* luka;
};

const KluczeTrasy kNajkrotsza{"shortest", "proven optimal", "lower-bound", "gap-at-most"};
const KluczeTrasy kNajdluzsza{"longest", "proven longest", "longest-at-most", "longest-gap-at-most"};
const KluczeTrasy kNajkrotszaJson{"shortest", "proven", "lower_bound", "gap_at_most"};
const KluczeTrasy kNajdluzszaJson{"longest", "longest_proven", "longest_at_most", "longest_gap_at_most"};

QString procent(double x) {
    return QString::number(x, 'f', 2) + QStringLiteral(" %");
}

// What is known of a route, after its length.
QString tekstDowodu(const TrasaCli& t, const KluczeTrasy& k) {
    QString tekst;
    if (t.udowodniona && *t.udowodniona)
        tekst += QLatin1String(k.udowodniona)
                 + (t.doMilionowej ? QStringLiteral(" to within a millionth\n") : QStringLiteral("\n"));
    if (t.granica)
        tekst += QLatin1String(k.granica) + QLatin1Char(' ') + t.granica->Tekst() + QLatin1Char('\n');
    if (t.lukaProcent)
        tekst += QLatin1String(k.luka) + QLatin1Char(' ') + procent(*t.lukaProcent) + QLatin1Char('\n');
    return tekst;
}

void jsonTrasy(QJsonObject& wynik, const TrasaCli& t, const KluczeTrasy& k) {
    wynik[QLatin1String(k.dlugosc)] = t.dlugosc.Json();
    if (t.udowodniona)
        wynik[QLatin1String(k.udowodniona)] = *t.udowodniona;
    if (t.doMilionowej)
        wynik[QLatin1String(k.udowodniona) + QStringLiteral("_within")] = 1e-6;
    if (t.granica)
        wynik[QLatin1String(k.granica)] = t.granica->Json();
    if (t.lukaProcent)
        wynik[QLatin1String(k.luka)] = *t.lukaProcent;
}

} // namespace

QByteArray WynikCli::Wydruk(bool json) const {
    if (json) {
        QJsonObject wynik;
        wynik[QStringLiteral("method")] = metoda;
        wynik[QStringLiteral("cities")] = miasta;
        if (najkrotsza)
            jsonTrasy(wynik, *najkrotsza, kNajkrotszaJson);
        if (najdluzsza)
            jsonTrasy(wynik, *najdluzsza, kNajdluzszaJson);
        QJsonArray lista;
        for (int id : trasa)
            lista.append(id);
        wynik[QStringLiteral("route")] = lista;
        wynik[QStringLiteral("seconds")] = sekundy;
        if (!trasy.isEmpty())
            wynik[QStringLiteral("routes")] = trasy.toDouble();
        if (rundy)
            wynik[QStringLiteral("rounds")] = double(*rundy);
        if (wezly)
            wynik[QStringLiteral("nodes")] = double(*wezly);
        wynik[QStringLiteral("finished")] = !przerwany;
        return QJsonDocument(wynik).toJson(QJsonDocument::Compact) + '\n';
    }
    QString tekst = QStringLiteral("method ") + metoda + QStringLiteral("\ncities ") + QString::number(miasta)
                    + QLatin1Char('\n');
    if (najkrotsza)
        tekst += QStringLiteral("shortest ") + najkrotsza->dlugosc.Tekst() + QLatin1Char('\n');
    if (najdluzsza)
        tekst += QStringLiteral("longest ") + najdluzsza->dlugosc.Tekst() + QLatin1Char('\n');
    tekst += QStringLiteral("route");
    for (int id : trasa)
        tekst += QLatin1Char(' ') + QString::number(id);
    tekst += QStringLiteral("\nseconds ") + QString::number(sekundy, 'f', 3) + QLatin1Char('\n');
    if (!trasy.isEmpty())
        tekst += QStringLiteral("routes ") + trasy + QLatin1Char('\n');
    if (rundy)
        tekst += QStringLiteral("rounds ") + QString::number(*rundy) + QLatin1Char('\n');
    if (najkrotsza)
        tekst += tekstDowodu(*najkrotsza, kNajkrotsza);
    if (najdluzsza)
        tekst += tekstDowodu(*najdluzsza, kNajdluzsza);
    if (wezly)
        tekst += QStringLiteral("nodes ") + QString::number(*wezly) + QLatin1Char('\n');
    if (przerwany)
        tekst += QStringLiteral("finished early\n");
    return tekst.toUtf8();
}
