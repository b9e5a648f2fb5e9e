#pragma once

#include <QJsonValue>
#include <QString>

#include <cstdint>
#include <variant>

// A route length as the command line prints it: whole, and exact, in the
// file's own metrics; with four decimals in the window's cells.
struct DlugoscCli {
    std::variant<std::int64_t, double> wartosc;

    QString Tekst() const;
    QJsonValue Json() const;
    double Liczba() const;
};
