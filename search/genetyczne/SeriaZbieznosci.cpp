#include "search/genetyczne/SeriaZbieznosci.h"

#include <algorithm>

// An even limit: a full series merges into exactly half as many points.
SeriaZbieznosci::SeriaZbieznosci(int najwiecejPunktow) : najwiecej_(std::max(2, najwiecejPunktow) & ~1) {}

void SeriaZbieznosci::Dodaj(double najkrotszaWPokoleniu) {
    if (pokolenia_ == 0 || najkrotszaWPokoleniu < najlepszaDotad_)
        najlepszaDotad_ = najkrotszaWPokoleniu;
    ++pokolenia_;
    ++wOtwartym_;
    sumaOtwartego_ += najkrotszaWPokoleniu;
    if (wOtwartym_ < szerokosc_)
        return;
    // The best so far only falls, so its minimum over the span is its value
    // at the span's end.
    const auto x = static_cast<double>(pokolenia_ - 1);
    wPokoleniu_.emplace_back(x, sumaOtwartego_ / static_cast<double>(wOtwartym_));
    dotad_.emplace_back(x, najlepszaDotad_);
    wOtwartym_ = 0;
    sumaOtwartego_ = 0.0;
    if (static_cast<int>(dotad_.size()) == najwiecej_)
        Scal();
}

void SeriaZbieznosci::Scal() {
    const std::size_t polowa = dotad_.size() / 2;
    for (std::size_t i = 0; i < polowa; ++i) {
        const QPointF& a = wPokoleniu_[2 * i];
        const QPointF& b = wPokoleniu_[2 * i + 1];
        // Whole spans all have the same width, so the mean of two is the
        // mean of their generations.
        wPokoleniu_[i] = QPointF(b.x(), (a.y() + b.y()) / 2.0);
        dotad_[i] = QPointF(b.x(), std::min(dotad_[2 * i].y(), dotad_[2 * i + 1].y()));
    }
    wPokoleniu_.resize(polowa);
    dotad_.resize(polowa);
    szerokosc_ *= 2;
}

QList<QPointF> SeriaZbieznosci::NajlepszeWPokoleniu() const {
    QList<QPointF> punkty(wPokoleniu_.cbegin(), wPokoleniu_.cend());
    if (wOtwartym_ > 0)
        punkty.append(QPointF(static_cast<double>(pokolenia_ - 1), sumaOtwartego_ / static_cast<double>(wOtwartym_)));
    return punkty;
}

QList<QPointF> SeriaZbieznosci::NajlepszeDotad() const {
    QList<QPointF> punkty(dotad_.cbegin(), dotad_.cend());
    if (wOtwartym_ > 0)
        punkty.append(QPointF(static_cast<double>(pokolenia_ - 1), najlepszaDotad_));
    return punkty;
}
