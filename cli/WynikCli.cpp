#include "cli/WynikCli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray WynikCli::Wydruk(bool json) const {
    if (json) {
        QJsonObject wynik;
        wynik[QStringLiteral("method")] = metoda;
        wynik[QStringLiteral("cities")] = miasta;
        wynik[QStringLiteral("shortest")] = dlugosc.Json();
        if (najdluzsza)
            wynik[QStringLiteral("longest")] = najdluzsza->Json();
        QJsonArray lista;
        for (int id : trasa)
            lista.append(id);
        wynik[QStringLiteral("route")] = lista;
        wynik[QStringLiteral("seconds")] = sekundy;
        if (!trasy.isEmpty())
            wynik[QStringLiteral("routes")] = trasy.toDouble();
        if (rundy)
            wynik[QStringLiteral("rounds")] = double(*rundy);
        if (optimumCoNajmniej)
            wynik[QStringLiteral("optimum_at_least")] = double(*optimumCoNajmniej);
        if (udowodniona)
            wynik[QStringLiteral("proven")] = *udowodniona;
        if (dolnaGranica)
            wynik[QStringLiteral("lower_bound")] = dolnaGranica->Json();
        if (lukaProcent)
            wynik[QStringLiteral("gap_at_most")] = *lukaProcent;
        if (najdluzszaUdowodniona)
            wynik[QStringLiteral("longest_proven")] = *najdluzszaUdowodniona;
        if (najdluzszaCoNajwyzej)
            wynik[QStringLiteral("longest_at_most")] = najdluzszaCoNajwyzej->Json();
        if (lukaNajdluzszejProcent)
            wynik[QStringLiteral("longest_gap_at_most")] = *lukaNajdluzszejProcent;
        if (wezly)
            wynik[QStringLiteral("nodes")] = double(*wezly);
        wynik[QStringLiteral("finished")] = !przerwany;
        return QJsonDocument(wynik).toJson(QJsonDocument::Compact) + '\n';
    }
    QString tekst = QStringLiteral("method ") + metoda + QStringLiteral("\ncities ") + QString::number(miasta)
                    + QStringLiteral("\nshortest ") + dlugosc.Tekst() + QLatin1Char('\n');
    if (najdluzsza)
        tekst += QStringLiteral("longest ") + najdluzsza->Tekst() + QLatin1Char('\n');
    tekst += QStringLiteral("route");
    for (int id : trasa)
        tekst += QLatin1Char(' ') + QString::number(id);
    tekst += QStringLiteral("\nseconds ") + QString::number(sekundy, 'f', 3) + QLatin1Char('\n');
    if (!trasy.isEmpty())
        tekst += QStringLiteral("routes ") + trasy + QLatin1Char('\n');
    if (rundy)
        tekst += QStringLiteral("rounds ") + QString::number(*rundy) + QLatin1Char('\n');
    if (optimumCoNajmniej)
        tekst += QStringLiteral("optimum-at-least ") + QString::number(*optimumCoNajmniej) + QLatin1Char('\n');
    if (udowodniona && *udowodniona)
        tekst += QStringLiteral("proven optimal\n");
    if (dolnaGranica)
        tekst += QStringLiteral("lower-bound ") + dolnaGranica->Tekst() + QLatin1Char('\n');
    if (lukaProcent)
        tekst += QStringLiteral("gap-at-most ") + QString::number(*lukaProcent, 'f', 2) + QStringLiteral(" %\n");
    if (najdluzszaUdowodniona && *najdluzszaUdowodniona)
        tekst += QStringLiteral("proven longest\n");
    if (najdluzszaCoNajwyzej)
        tekst += QStringLiteral("longest-at-most ") + najdluzszaCoNajwyzej->Tekst() + QLatin1Char('\n');
    if (lukaNajdluzszejProcent)
        tekst += QStringLiteral("longest-gap-at-most ") + QString::number(*lukaNajdluzszejProcent, 'f', 2)
                 + QStringLiteral(" %\n");
    if (wezly)
        tekst += QStringLiteral("nodes ") + QString::number(*wezly) + QLatin1Char('\n');
    if (przerwany)
        tekst += QStringLiteral("finished early\n");
    return tekst.toUtf8();
}
