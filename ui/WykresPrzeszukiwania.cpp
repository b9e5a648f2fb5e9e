#include "ui/WykresPrzeszukiwania.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

WykresPrzeszukiwania::WykresPrzeszukiwania(QWidget* parent) : WykresDlugosci(parent, QStringLiteral("Czas (s)")) {
    chart()->legend()->hide();
    NajlepszaDotad = DodajSerie(QStringLiteral("Najlepsza dotąd"));
    OsCzasu = OsPozioma;
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
    UstawOsCzasu(0.0, std::max(limitSekund_, koniec));
    UstawOsDlugosci(najmniej, najwiecej);
}

void WykresPrzeszukiwania::Wyczysc(double limitSekund) {
    limitSekund_ = std::max(1.0, limitSekund);
    NajlepszaDotad->clear();
    UstawOsCzasu(0.0, limitSekund_);
    OsDlugosci->setRange(0.0, 1.0);
}
