#pragma once

#include <QString>

#include <vector>

struct InstancjaTsp;

// An opened file as the window shows it: where the view of points draws each
// city, x across and y up, and which file it is. GEO gives longitude and
// latitude in degrees; an explicit table its display places, or without
// them a circle in the file's order.
struct WidokPliku {
    std::vector<double> x;
    std::vector<double> y;
    // The file gives no places: the cities stand on a circle.
    bool naOkregu = false;
    QString sciezka;
    // The file's NAME, which a certificate of its routes names.
    QString nazwa;

    static WidokPliku ZInstancji(const InstancjaTsp& instancja, const QString& sciezka);
};
