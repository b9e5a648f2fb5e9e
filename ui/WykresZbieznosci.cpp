#include "ui/WykresZbieznosci.h"

#include "search/genetyczne/SeriaZbieznosci.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

// The chart is handed over at construction: the view owns it. One set
// later would orphan the view's default chart.
WykresZbieznosci::WykresZbieznosci(QWidget* parent) : QChartView(new QChart, parent) {
    QChart* wykres = chart();
    wykres->setMargins(QMargins(2, 2, 2, 2));
    wykres->legend()->setAlignment(Qt::AlignBottom);

    NajlepszeWPokoleniu = new QLineSeries(wykres);
    NajlepszeWPokoleniu->setName(QStringLiteral("Najlepsza w pokoleniu"));
    NajlepszeDotad = new QLineSeries(wykres);
    NajlepszeDotad->setName(QStringLiteral("Najlepsza dotąd"));
    wykres->addSeries(NajlepszeWPokoleniu);
    wykres->addSeries(NajlepszeDotad);

    OsPokolen = new QValueAxis(wykres);
    OsPokolen->setTitleText(QStringLiteral("Pokolenie"));
    OsPokolen->setLabelFormat(QStringLiteral("%.0f"));
    OsDlugosci = new QValueAxis(wykres);
    OsDlugosci->setTitleText(QStringLiteral("Długość trasy"));
    OsDlugosci->setLabelFormat(QStringLiteral("%.0f"));
    wykres->addAxis(OsPokolen, Qt::AlignBottom);
    wykres->addAxis(OsDlugosci, Qt::AlignLeft);
    for (QLineSeries* seria : {NajlepszeWPokoleniu, NajlepszeDotad}) {
        seria->attachAxis(OsPokolen);
        seria->attachAxis(OsDlugosci);
    }
    // The chart's own parts keep Qt's default font: the window's bold one is
    // too heavy for axis labels.
    QFont czcionka = wykres->font();
    czcionka.setPointSize(7);
    for (QValueAxis* os : {OsPokolen, OsDlugosci}) {
        os->setLabelsFont(czcionka);
        os->setTitleFont(czcionka);
    }
    wykres->legend()->setFont(czcionka);

    setRenderHint(QPainter::Antialiasing);
    Wyczysc();
}

void WykresZbieznosci::Pokaz(const SeriaZbieznosci& seria) {
    const QList<QPointF> wPokoleniu = seria.NajlepszeWPokoleniu();
    const QList<QPointF> dotad = seria.NajlepszeDotad();
    NajlepszeWPokoleniu->replace(wPokoleniu);
    NajlepszeDotad->replace(dotad);
    if (dotad.isEmpty())
        return;
    double najmniej = dotad.back().y();
    double najwiecej = dotad.front().y();
    for (const QPointF& p : wPokoleniu)
        najwiecej = std::max(najwiecej, p.y());
    if (najwiecej - najmniej < 1.0)
        najwiecej = najmniej + 1.0;
    OsPokolen->setRange(0.0, std::max(1.0, dotad.back().x()));
    OsDlugosci->setRange(najmniej, najwiecej);
    for (QValueAxis* os : {OsPokolen, OsDlugosci})
        os->applyNiceNumbers();
}

void WykresZbieznosci::Wyczysc() {
    NajlepszeWPokoleniu->clear();
    NajlepszeDotad->clear();
    OsPokolen->setRange(0.0, 1.0);
    OsDlugosci->setRange(0.0, 1.0);
}
