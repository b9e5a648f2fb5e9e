#include "cli/DlugoscCli.h"

QString DlugoscCli::Tekst() const {
    if (const auto* calkowita = std::get_if<std::int64_t>(&wartosc))
        return QString::number(*calkowita);
    return QString::number(std::get<double>(wartosc), 'f', 4);
}

QJsonValue DlugoscCli::Json() const {
    if (const auto* calkowita = std::get_if<std::int64_t>(&wartosc))
        return QJsonValue(qint64(*calkowita));
    return QJsonValue(std::get<double>(wartosc));
}

double DlugoscCli::Liczba() const {
    if (const auto* calkowita = std::get_if<std::int64_t>(&wartosc))
        return double(*calkowita);
    return std::get<double>(wartosc);
}
