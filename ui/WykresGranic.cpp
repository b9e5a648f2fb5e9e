#include "ui/WykresGranic.h"

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

WykresGranic::WykresGranic(QWidget* parent) : WykresDlugosci(parent, QStringLiteral("Czas (s)")) {
    QChart* wykres = chart();
    DolnaGranica = DodajSerie(QStringLiteral("Dolna granica"));
    GornaGranica = DodajSerie(QStringLiteral("Górna granica"));
    // Where the bounds meet, the series added later covers the other: the
    // lower one is broad, and the narrow upper one shows on it.
    DolnaGranica->setPen(QPen(QColor(0x1F, 0x4E, 0xB4), 4));
    GornaGranica->setPen(QPen(QColor(0xE0, 0x6A, 0x10), 2));
    OsCzasu = OsPozioma;
    wykres->legend()->setAlignment(Qt::AlignTop);
    QFont czcionka = Czcionka();
    czcionka.setBold(true);
    wykres->setTitleFont(czcionka);
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
    if (najmniej <= najwiecej)
        UstawOsDlugosci(najmniej, najwiecej);
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
