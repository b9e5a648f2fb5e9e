#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// The EDGE_WEIGHT_FORMATs of explicit weights that are read: the whole
// matrix, or one triangle row by row, with or without the diagonal.
enum class FormatWag { PelnaMacierz, GornyWiersz, DolnyWiersz, GornyZPrzekatnaWiersz, DolnyZPrzekatnaWiersz };

std::optional<FormatWag> FormatWagZNazwy(QByteArrayView nazwa);

// Where each weight of an EDGE_WEIGHT_SECTION of n cities goes, in the
// order the weights come: numbers may share lines or spread over many, so
// the place follows the count, not the line.
class UkladWag {
public:
    UkladWag(FormatWag format, int n) : format_(format), n_(n), kolumna_(poczatek(0)) {}

    // The weights the section holds.
    std::int64_t Ilosc() const;

    // The row and column (from 0) of the next weight; false once all came.
    bool Nastepna(int& wiersz, int& kolumna);

private:
    int poczatek(int wiersz) const;
    int koniec(int wiersz) const;

    FormatWag format_;
    int n_;
    int wiersz_ = 0;
    int kolumna_;
};
