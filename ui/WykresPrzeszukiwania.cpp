#include "ui/WykresPrzeszukiwania.h"

#include "ui/KrokOsi.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

// The chart is handed over at construction: the view owns it.
WykresPrzeszukiwania::WykresPrzeszukiwania(QWidget* parent) : QChartView(new QChart, parent) {
    QChart* wykres = chart();
    wykres->setMargins(QMargins(2, 2, 2, 2));
    wykres->legend()->hide();

    NajlepszaDotad = new QLineSeries(wykres);
    NajlepszaDotad->setName(QStringLiteral("Najlepsza dotąd"));
    wykres->addSeries(NajlepszaDotad);

    OsCzasu = new QValueAxis(wykres);
    OsCzasu->setTitleText(QStringLiteral("Czas (s)"));
    // Seconds at round steps from 0, whatever the limit.
    OsCzasu->setTickType(QValueAxis::TicksDynamic);
    OsCzasu->setTickAnchor(0.0);
    OsDlugosci = new QValueAxis(wykres);
    OsDlugosci->setTitleText(QStringLiteral("Długość trasy"));
    OsDlugosci->setLabelFormat(QStringLiteral("%.0f"));
    wykres->addAxis(OsCzasu, Qt::AlignBottom);
    wykres->addAxis(OsDlugosci, Qt::AlignLeft);
    NajlepszaDotad->attachAxis(OsCzasu);
    NajlepszaDotad->attachAxis(OsDlugosci);
    // The window's bold font is too heavy for axis labels.
    QFont czcionka = wykres->font();
    czcionka.setPointSize(7);
    for (QValueAxis* os : {OsCzasu, OsDlugosci}) {
        os->setLabelsFont(czcionka);
        os->setTitleFont(czcionka);
    }

    setRenderHint(QPainter::Antialiasing);
    Wyczysc(1.0);
}

void WykresPrzeszukiwania::Pokaz(const std::vector<PostepPrzeszukiwania::PunktZbieznosci>& punkty, double teraz) {
    if (punkty.empty()) {
        NajlepszaDotad->clear();
        return;
    }
    QList<QPointF> schodki;
    schodki.reserve(qsizetype(2 * punkty.size() + 1));
    double najmniej = punkty.front().dlugosc;
    double najwiecej = punkty.front().dlugosc;
    for (std::size_t i = 0; i < punkty.size(); ++i) {
        const auto& p = punkty[i];
        if (i > 0)
            schodki.append(QPointF(p.sekundy, punkty[i - 1].dlugosc));
        schodki.append(QPointF(p.sekundy, p.dlugosc));
        najmniej = std::min(najmniej, p.dlugosc);
        najwiecej = std::max(najwiecej, p.dlugosc);
    }
    const double koniec = std::max(teraz, punkty.back().sekundy);
    schodki.append(QPointF(koniec, punkty.back().dlugosc));
    NajlepszaDotad->replace(schodki);

    // A range of a few units would repeat one rounded label down the axis.
    const double zapas = std::max(1.0, 0.01 * najwiecej);
    if (najwiecej - najmniej < zapas) {
        najmniej -= zapas / 2.0;
        najwiecej += zapas / 2.0;
    }
    UstawOsCzasu(std::max(limitSekund_, koniec));
    OsDlugosci->setRange(najmniej, najwiecej);
    OsDlugosci->applyNiceNumbers();
}

void WykresPrzeszukiwania::Wyczysc(double limitSekund) {
    limitSekund_ = std::max(1.0, limitSekund);
    NajlepszaDotad->clear();
    UstawOsCzasu(limitSekund_);
    OsDlugosci->setRange(0.0, 1.0);
}

void WykresPrzeszukiwania::UstawOsCzasu(double koniec) {
    const double krok = KrokOsi(koniec);
    OsCzasu->setTickInterval(krok);
    OsCzasu->setLabelFormat(krok < 1.0 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
    OsCzasu->setRange(0.0, koniec);
}
