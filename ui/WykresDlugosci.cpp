#include "ui/WykresDlugosci.h"

#include "ui/KrokOsi.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

// The chart is handed over at construction: the view owns it. One set
// later would orphan the view's default chart.
WykresDlugosci::WykresDlugosci(QWidget* parent, const QString& tytulOsi) : QChartView(new QChart, parent) {
    QChart* wykres = chart();
    wykres->setMargins(QMargins(2, 2, 2, 2));
    // The axes' numbers as every number of the window: a decimal comma,
    // no grouping, whatever the system's locale.
    QLocale polski(QLocale::Polish, QLocale::Poland);
    polski.setNumberOptions(QLocale::OmitGroupSeparator);
    wykres->setLocale(polski);
    wykres->setLocalizeNumbers(true);
    OsPozioma = new QValueAxis(wykres);
    OsPozioma->setTitleText(tytulOsi);
    OsPozioma->setLabelFormat(QStringLiteral("%.0f"));
    OsDlugosci = new QValueAxis(wykres);
    OsDlugosci->setTitleText(QStringLiteral("Długość trasy"));
    OsDlugosci->setLabelFormat(QStringLiteral("%.0f"));
    wykres->addAxis(OsPozioma, Qt::AlignBottom);
    wykres->addAxis(OsDlugosci, Qt::AlignLeft);
    // The window's bold font is too heavy for axis labels.
    const QFont czcionka = Czcionka();
    for (QValueAxis* os : {OsPozioma, OsDlugosci}) {
        os->setLabelsFont(czcionka);
        os->setTitleFont(czcionka);
    }
    wykres->legend()->setFont(czcionka);
    setRenderHint(QPainter::Antialiasing);
}

QFont WykresDlugosci::Czcionka() const {
    QFont czcionka = chart()->font();
    czcionka.setPointSize(7);
    return czcionka;
}

QLineSeries* WykresDlugosci::DodajSerie(const QString& nazwa) {
    auto* seria = new QLineSeries(chart());
    seria->setName(nazwa);
    chart()->addSeries(seria);
    seria->attachAxis(OsPozioma);
    seria->attachAxis(OsDlugosci);
    return seria;
}

void WykresDlugosci::UstawOsCzasu(double poczatek, double koniec) {
    // Seconds at round steps from 0, whatever the limit.
    OsPozioma->setTickType(QValueAxis::TicksDynamic);
    OsPozioma->setTickAnchor(0.0);
    const double krok = KrokOsi(koniec - poczatek);
    OsPozioma->setTickInterval(krok);
    OsPozioma->setLabelFormat(krok < 1.0 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
    OsPozioma->setRange(poczatek, koniec);
}

void WykresDlugosci::UstawOsDlugosci(double najmniej, double najwiecej) {
    const double zapas = std::max(1.0, 0.01 * std::fabs(najwiecej));
    if (najwiecej - najmniej < zapas) {
        najmniej -= zapas / 2.0;
        najwiecej += zapas / 2.0;
    }
    OsDlugosci->setLabelFormat(QStringLiteral("%.0f"));
    OsDlugosci->setRange(najmniej, najwiecej);
    OsDlugosci->applyNiceNumbers();
}
