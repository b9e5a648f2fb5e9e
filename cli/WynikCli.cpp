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
        if (dolneOgraniczenie)
            wynik[QStringLiteral("lower_bound")] = dolneOgraniczenie->Json();
        if (lukaCoNajwyzej)
            wynik[QStringLiteral("gap_at_most")] = *lukaCoNajwyzej;
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
        wynik[QStringLiteral("finished")] = !przerwany;
        return QJsonDocument(wynik).toJson(QJsonDocument::Compact) + '\n';
    }
    QString tekst = QStringLiteral("method ") + metoda + QStringLiteral("\ncities ") + QString::number(miasta)
                    + QStringLiteral("\nshortest ") + dlugosc.Tekst() + QLatin1Char('\n');
    if (dolneOgraniczenie)
        tekst += QStringLiteral("lower-bound ") + dolneOgraniczenie->Tekst() + QLatin1Char('\n');
    if (lukaCoNajwyzej)
        tekst += QStringLiteral("gap-at-most ") + QString::number(*lukaCoNajwyzej, 'f', 2) + QStringLiteral(" %\n");
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
    if (przerwany)
        tekst += QStringLiteral("finished early\n");
    return tekst.toUtf8();
}
