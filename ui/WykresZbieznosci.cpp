#include "ui/WykresZbieznosci.h"

#include "search/genetyczne/SeriaZbieznosci.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

WykresZbieznosci::WykresZbieznosci(QWidget* parent) : WykresDlugosci(parent, QStringLiteral("Pokolenie")) {
    chart()->legend()->setAlignment(Qt::AlignBottom);
    NajlepszeWPokoleniu = DodajSerie(QStringLiteral("Najlepsza w pokoleniu"));
    NajlepszeDotad = DodajSerie(QStringLiteral("Najlepsza dotąd"));
    OsPokolen = OsPozioma;
    Wyczysc();
}

void WykresZbieznosci::Pokaz(const SeriaZbieznosci& seria) {
    const QList<QPointF> wPokoleniu = seria.NajlepszeWPokoleniu();
    const QList<QPointF> dotad = seria.NajlepszeDotad();
    NajlepszeWPokoleniu->replace(wPokoleniu);
    NajlepszeDotad->replace(dotad);
    if (dotad.isEmpty())
        return;
    double najwiecej = dotad.front().y();
    for (const QPointF& p : wPokoleniu)
        najwiecej = std::max(najwiecej, p.y());
    OsPokolen->setRange(0.0, std::max(1.0, dotad.back().x()));
    OsPokolen->applyNiceNumbers();
    UstawOsDlugosci(dotad.back().y(), najwiecej);
}

void WykresZbieznosci::Wyczysc() {
    NajlepszeWPokoleniu->clear();
    NajlepszeDotad->clear();
    OsPokolen->setRange(0.0, 1.0);
    OsDlugosci->setRange(0.0, 1.0);
}
