#pragma once

#include <QString>

#include <stdexcept>

// Ctrl+C came before the first complete route: there is nothing to print.
struct PrzerwanoBezTrasy {};

// The search ended by itself without a route.
class BladWyszukiwania : public std::runtime_error {
public:
    explicit BladWyszukiwania(const QString& komunikat)
        : std::runtime_error(komunikat.toStdString()), komunikat_(komunikat) {}

    const QString& komunikat() const noexcept { return komunikat_; }

private:
    QString komunikat_;
};
