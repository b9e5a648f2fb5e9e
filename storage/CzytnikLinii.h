#pragma once

#include "toolkit/core/BilingualText.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QIODevice;

// The lines of a text read piece by piece, numbered from 1 and trimmed, so
// that memory stays bounded whatever the file: a UTF-8 byte-order mark at
// the start is skipped; a line ends at LF, CRLF or a lone CR (old Mac
// files); a line longer than MaksDlugoscLinii, or more than MaksRozmiar
// bytes in all, is refused as soon as the bound is passed.
class CzytnikLinii {
public:
    // Copies up to `ile` bytes to `dokad` and returns how many: 0 at the end,
    // -1 when reading failed. It may raise to end the reading.
    using Zrodlo = std::function<std::int64_t(char* dokad, std::int64_t ile)>;

    static constexpr std::int64_t MaksRozmiar = std::int64_t(64) << 20;
    static constexpr std::int64_t MaksDlugoscLinii = std::int64_t(4) << 20;

    // nazwa stands for the text in error messages. kontrola, when given, is
    // called every few thousand lines; it may raise to end the reading.
    CzytnikLinii(Zrodlo zrodlo, const QString& nazwa, std::function<void()> kontrola = {});

    static Zrodlo ZUrzadzenia(QIODevice& urzadzenie);
    // Raises "NAME: plik jest większy niż 64 MiB" for more bytes than that:
    // a file whose size is known is refused before it is read.
    static void SprawdzRozmiar(std::int64_t bajty, const QString& nazwa);
    static Zrodlo ZBajtow(QByteArrayView bajty);

    // The next line, valid until the following call; false at the end.
    bool Nastepna(QByteArrayView& linia);

    int Numer() const { return numer_; }
    const QString& Nazwa() const { return nazwa_; }

    // "NAME:LINE: co" for the current line (line 1 before the first).
    [[noreturn]] void Blad(const BilingualText& co) const { BladW(numer_ > 0 ? numer_ : 1, co); }
    [[noreturn]] void BladW(int linia, const BilingualText& co) const;

private:
    // Reads more after the unread bytes; false at the end.
    bool doczytaj();

    Zrodlo zrodlo_;
    QString nazwa_;
    std::function<void()> kontrola_;
    std::vector<char> bufor_;
    std::size_t poczatek_ = 0;  // unread bytes are [poczatek_, koniec_)
    std::size_t koniec_ = 0;
    std::int64_t przeczytane_ = 0;
    bool naKoncu_ = false;
    bool poCR_ = false;  // an LF right after it belongs to the same line end
    bool naPoczatku_ = true;
    int numer_ = 0;
};
