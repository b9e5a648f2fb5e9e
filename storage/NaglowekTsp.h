#pragma once

#include "storage/CzytnikLinii.h"
#include "storage/InstancjaTsp.h"
#include "storage/SkladniaTsp.h"
#include "storage/UkladWag.h"

#include <QByteArray>

#include <optional>

// The keywords of a .tsp file, wherever they stand: NAME, TYPE,
// EDGE_WEIGHT_TYPE, EDGE_WEIGHT_FORMAT, NODE_COORD_TYPE, DIMENSION, and the
// grid our own files name in their COMMENT; the other known keys are taken
// without a look. What the instance keeps goes into it as it comes.
class NaglowekTsp {
public:
    // A keyword line that opens no section.
    void Czytaj(const CzytnikLinii& linie, const WpisTsp& wpis, InstancjaTsp& instancja);
    // At an EDGE_WEIGHT_SECTION: raises unless DIMENSION and a format of
    // weights in a section came before it.
    void SprawdzPrzedWagami(const CzytnikLinii& linie) const;

    bool MaTypWag() const { return !nazwaTypu_.isEmpty(); }
    const std::optional<long long>& Wymiar() const { return wymiar_; }
    int LiniaWymiaru() const { return liniaWymiaru_; }
    const std::optional<FormatWag>& Format() const { return format_; }
    const QByteArray& NazwaFormatu() const { return nazwaFormatu_; }

private:
    void typWag(const CzytnikLinii& linie, QByteArrayView wartosc, InstancjaTsp& instancja);
    void formatWag(const CzytnikLinii& linie, QByteArrayView wartosc);
    void wymiar(const CzytnikLinii& linie, QByteArrayView wartosc);

    QByteArray nazwaTypu_;
    std::optional<long long> wymiar_;
    int liniaWymiaru_ = 0;
    std::optional<FormatWag> format_;
    QByteArray nazwaFormatu_;
};
