#pragma once

#include "storage/CzytnikLinii.h"
#include "storage/UkladWag.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

// An EDGE_WEIGHT_SECTION of n cities, read into the weights below the
// diagonal, row after row (as InstancjaTsp::Wagi holds them).
class SekcjaWag {
public:
    // At the section's name line: a table that no file within the size
    // bound can hold is refused before its memory is taken.
    SekcjaWag(const CzytnikLinii& linie, int n, FormatWag format, QByteArrayView nazwaFormatu);

    void Czytaj(const CzytnikLinii& linie, QByteArrayView linia);
    // At the section's end: as many weights as the format holds.
    void SprawdzKompletna(const CzytnikLinii& linie) const;

    std::vector<std::int32_t> Wagi() && { return std::move(wagi_); }

private:
    UkladWag uklad_;
    bool pelna_;
    QString nazwaFormatu_;
    int linia_;
    int n_;
    std::int64_t wczytane_ = 0;
    std::vector<std::int32_t> wagi_;
};
