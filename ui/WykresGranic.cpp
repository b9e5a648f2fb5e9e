#include "ui/WykresGranic.h"

#include "ui/KrokOsi.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// The steps of one bound through the record: a value not yet known (NaN)
// is left out, and a value that did not change adds no step.
QList<QPointF> schodki(const std::vector<PostepDowodu::PunktGranic>& historia, double PostepDowodu::PunktGranic::*pole,
                       double teraz, double& najmniej, double& najwiecej) {
    QList<QPointF> punkty;
    double ostatnia = NAN;
    double koniec = teraz;
    for (const PostepDowodu::PunktGranic& p : historia) {
        const double v = p.*pole;
        koniec = std::max(koniec, p.sekundy);
        if (!std::isfinite(v) || v == ostatnia)
            continue;
        if (!std::isnan(ostatnia))
            punkty.append(QPointF(p.sekundy, ostatnia));
        punkty.append(QPointF(p.sekundy, v));
        ostatnia = v;
        najmniej = std::min(najmniej, v);
        najwiecej = std::max(najwiecej, v);
    }
    if (!punkty.isEmpty())
        punkty.append(QPointF(koniec, ostatnia));
    return punkty;
}

} // namespace

// The chart is handed over at construction: the view owns it.
WykresGranic::WykresGranic(QWidget* parent) : QChartView(new QChart, parent) {
    QChart* wykres = chart();
    wykres->setMargins(QMargins(2, 2, 2, 2));

    DolnaGranica = new QLineSeries(wykres);
    DolnaGranica->setName(QStringLiteral("Dolna granica"));
    GornaGranica = new QLineSeries(wykres);
    GornaGranica->setName(QStringLiteral("Górna granica"));
    // Where the bounds meet, the series added later covers the other: the
    // lower one is broad, and the narrow upper one shows on it.
    DolnaGranica->setPen(QPen(QColor(0x1F, 0x4E, 0xB4), 4));
    GornaGranica->setPen(QPen(QColor(0xE0, 0x6A, 0x10), 2));
    wykres->addSeries(DolnaGranica);
    wykres->addSeries(GornaGranica);

    OsCzasu = new QValueAxis(wykres);
    OsCzasu->setTitleText(QStringLiteral("Czas (s)"));
    OsCzasu->setTickType(QValueAxis::TicksDynamic);
    OsCzasu->setTickAnchor(0.0);
    OsDlugosci = new QValueAxis(wykres);
    OsDlugosci->setTitleText(QStringLiteral("Długość trasy"));
    wykres->addAxis(OsCzasu, Qt::AlignBottom);
    wykres->addAxis(OsDlugosci, Qt::AlignLeft);
    for (QLineSeries* seria : {DolnaGranica, GornaGranica}) {
        seria->attachAxis(OsCzasu);
        seria->attachAxis(OsDlugosci);
    }
    // The window's bold font is too heavy for axis labels.
    QFont czcionka = wykres->font();
    czcionka.setPointSize(7);
    for (QValueAxis* os : {OsCzasu, OsDlugosci}) {
        os->setLabelsFont(czcionka);
        os->setTitleFont(czcionka);
    }
    wykres->legend()->setFont(czcionka);
    wykres->legend()->setAlignment(Qt::AlignTop);
    czcionka.setBold(true);
    wykres->setTitleFont(czcionka);

    setRenderHint(QPainter::Antialiasing);
    Wyczysc(1.0, CelDowodu::Najkrotsza);
}

void WykresGranic::Pokaz(const std::vector<PostepDowodu::PunktGranic>& historia, double teraz) {
    const bool najkrotsza = cel_ == CelDowodu::Najkrotsza;
    double najmniej = INFINITY, najwiecej = -INFINITY;
    const QList<QPointF> dolna = schodki(historia, najkrotsza ? &PostepDowodu::PunktGranic::granica
                                                              : &PostepDowodu::PunktGranic::dlugosc,
                                         teraz, najmniej, najwiecej);
    const QList<QPointF> gorna = schodki(historia, najkrotsza ? &PostepDowodu::PunktGranic::dlugosc
                                                              : &PostepDowodu::PunktGranic::granica,
                                         teraz, najmniej, najwiecej);
    DolnaGranica->replace(dolna);
    GornaGranica->replace(gorna);
    // The time from the route's first figure on: the bounds close in a
    // moment of a limit that may be long, and the longest route's proof
    // starts where the shortest's ended.
    double poczatek = INFINITY, koniec = teraz;
    for (const QList<QPointF>* seria : {&dolna, &gorna})
        if (!seria->isEmpty()) {
            poczatek = std::min(poczatek, seria->front().x());
            koniec = std::max(koniec, seria->back().x());
        }
    if (std::isfinite(poczatek))
        UstawOsCzasu(poczatek, std::max(koniec, poczatek + 1.0));
    if (najmniej > najwiecej)
        return;
    OsDlugosci->setLabelFormat(QStringLiteral("%.0f"));
    // A range of a few units would repeat one rounded label down the axis.
    const double zapas = std::max(1.0, 0.01 * std::fabs(najwiecej));
    if (najwiecej - najmniej < zapas) {
        najmniej -= zapas / 2.0;
        najwiecej += zapas / 2.0;
    }
    OsDlugosci->setRange(najmniej, najwiecej);
    OsDlugosci->applyNiceNumbers();
}

void WykresGranic::Wyczysc(double limitSekund, CelDowodu cel) {
    limitSekund_ = std::max(1.0, limitSekund);
    cel_ = cel;
    chart()->setTitle(cel == CelDowodu::Najkrotsza ? QStringLiteral("Najkrótsza trasa")
                                                   : QStringLiteral("Najdłuższa trasa"));
    DolnaGranica->clear();
    GornaGranica->clear();
    UstawOsCzasu(0.0, limitSekund_);
    // No length to show yet: no labels that would read as lengths.
    OsDlugosci->setRange(0.0, 1.0);
    OsDlugosci->setLabelFormat(QStringLiteral(" "));
}

void WykresGranic::UstawOsCzasu(double poczatek, double koniec) {
    const double krok = KrokOsi(koniec - poczatek);
    OsCzasu->setTickInterval(krok);
    OsCzasu->setLabelFormat(krok < 1.0 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
    OsCzasu->setRange(poczatek, koniec);
}
