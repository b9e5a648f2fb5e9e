#pragma once

#include <QList>
#include <QPointF>

#include <vector>

// The convergence of a genetic run, for its chart: each generation's best
// length and the best length so far, against the generation number (the
// initial population is generation 0).
//
// Holds at most about NajwiecejPunktow points per series at any run length:
// when full, neighbouring points are merged in pairs and each point stands
// for twice as many generations from then on, so drawing a run of ten million
// generations costs what drawing one of ten thousand does. A point sits at
// the last generation of its span; a merged best-so-far point keeps the
// minimum of its span exactly, a merged generation point the span's mean.
class SeriaZbieznosci {
public:
    static constexpr int NajwiecejPunktow = 2000;

    SeriaZbieznosci() = default;
    explicit SeriaZbieznosci(int najwiecejPunktow);

    // The next generation, given by the shortest route of its population.
    void Dodaj(double najkrotszaWPokoleniu);

    long long IlePokolen() const { return pokolenia_; }
    bool Pusta() const { return pokolenia_ == 0; }

    // The points to draw, the generations not yet merged into a whole span
    // included as one last point.
    QList<QPointF> NajlepszeWPokoleniu() const;
    QList<QPointF> NajlepszeDotad() const;

private:
    void Scal();

    int najwiecej_ = NajwiecejPunktow;
    long long pokolenia_ = 0;
    long long szerokosc_ = 1;
    std::vector<QPointF> wPokoleniu_;
    std::vector<QPointF> dotad_;
    // The span still being filled.
    long long wOtwartym_ = 0;
    double sumaOtwartego_ = 0.0;
    double najlepszaDotad_ = 0.0;
};
