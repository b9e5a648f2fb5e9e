#include "storage/UkladWag.h"

std::optional<FormatWag> FormatWagZNazwy(QByteArrayView nazwa) {
    const struct {
        const char* nazwa;
        FormatWag format;
    } formaty[] = {
        {"FULL_MATRIX", FormatWag::PelnaMacierz},
        {"UPPER_ROW", FormatWag::GornyWiersz},
        {"LOWER_ROW", FormatWag::DolnyWiersz},
        {"UPPER_DIAG_ROW", FormatWag::GornyZPrzekatnaWiersz},
        {"LOWER_DIAG_ROW", FormatWag::DolnyZPrzekatnaWiersz},
    };
    for (const auto& f : formaty)
        if (nazwa.compare(QByteArrayView(f.nazwa), Qt::CaseInsensitive) == 0)
            return f.format;
    return std::nullopt;
}

std::int64_t UkladWag::Ilosc() const {
    const std::int64_t n = n_;
    switch (format_) {
    case FormatWag::PelnaMacierz:
        return n * n;
    case FormatWag::GornyWiersz:
    case FormatWag::DolnyWiersz:
        return n * (n - 1) / 2;
    case FormatWag::GornyZPrzekatnaWiersz:
    case FormatWag::DolnyZPrzekatnaWiersz:
        return n * (n + 1) / 2;
    }
    return 0;
}

int UkladWag::poczatek(int wiersz) const {
    switch (format_) {
    case FormatWag::GornyWiersz:
        return wiersz + 1;
    case FormatWag::GornyZPrzekatnaWiersz:
        return wiersz;
    default:
        return 0;
    }
}

int UkladWag::koniec(int wiersz) const {
    switch (format_) {
    case FormatWag::DolnyWiersz:
        return wiersz;
    case FormatWag::DolnyZPrzekatnaWiersz:
        return wiersz + 1;
    default:
        return n_;
    }
}

bool UkladWag::Nastepna(int& wiersz, int& kolumna) {
    while (wiersz_ < n_ && kolumna_ >= koniec(wiersz_)) {
        ++wiersz_;
        kolumna_ = poczatek(wiersz_);
    }
    if (wiersz_ >= n_)
        return false;
    wiersz = wiersz_;
    kolumna = kolumna_++;
    return true;
}
