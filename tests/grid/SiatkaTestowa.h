#pragma once

#include "grid/CMatryca.h"
#include "toolkit/gui/QtColor.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

// Colours of the main window's grid.
inline constexpr TColor Bialy = rgbColor(0xFF, 0xFF, 0xFF);
inline constexpr TColor Czarny = rgbColor(0, 0, 0);
inline constexpr TColor Srebrny = rgbColor(0xC0, 0xC0, 0xC0);
inline constexpr TColor Zielony = rgbColor(0, 0x80, 0);

// The grid as the main window configures it: 25 x 25 cells of size 10,
// grid lines 1 pixel wide, route 2 pixels wide, no OnChange bound.
inline std::unique_ptr<CMatryca> siatkaOknaGlownego(QWidget* owner = nullptr) {
    auto siatka = std::make_unique<CMatryca>(owner);
    siatka->SetColumnCount(25);
    siatka->SetRowCount(25);
    siatka->SetCellSize(10);
    siatka->SetBackgroundColor(Bialy);
    siatka->SetGridColor(Srebrny);
    siatka->SetBestRouteColor(Zielony);
    siatka->SetGridWidth(1);
    siatka->SetBestRouteWidth(2);
    return siatka;
}

// The grid painted into an image at device pixel ratio 1; pixels the grid
// does not paint stay magenta.
inline QImage obraz(const CMatryca& siatka, QRect obszar = QRect()) {
    QImage wynik(siatka.width(), siatka.height(), QImage::Format_RGB32);
    wynik.setDevicePixelRatio(1);
    wynik.fill(Qt::magenta);
    QPainter painter(&wynik);
    siatka.PaintTo(painter, obszar.isNull() ? wynik.rect() : obszar);
    painter.end();
    return wynik;
}

inline QRgb rgb(TColor kolor) {
    return toQColor(kolor).rgb();
}

inline void ustawTrase(CMatryca& siatka, const std::vector<TPunkt>& punkty) {
    CPunktyNowe trasa;
    for (const TPunkt& p : punkty)
        trasa.Add(p);
    siatka.SetBestPunkty(&trasa);
}

// Records every OnChange with what the handler saw at that moment.
struct Zmiany {
    struct Zmiana {
        int wiersze;
        int kolumny;
        int miasta;
        int punktyTrasy;
        int szerokosc;
        int wysokosc;
    };
    std::vector<Zmiana> widziane;

    void podlacz(CMatryca& siatka) {
        siatka.OnChange = [this](CMatryca* s) {
            widziane.push_back({s->GetRowCount(), s->GetColumnCount(), s->GetPointCount(),
                                s->GetBestPunkty()->Count(), s->width(), s->height()});
        };
    }
    int ile() const { return static_cast<int>(widziane.size()); }
};

inline int policzMiasta(const CMatryca& siatka) {
    int n = 0;
    for (int r = 0; r < siatka.GetRowCount(); ++r)
        for (int c = 0; c < siatka.GetColumnCount(); ++c)
            n += siatka.GetCell(r, c) ? 1 : 0;
    return n;
}
