#pragma once

#include "storage/CzytnikLinii.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <unordered_set>

// The line forms that TSPLIB's .tsp and .tour files share.

// "KEY : value", "KEY: value" or a bare "KEY"; the key in upper case.
struct WpisTsp {
    QByteArray klucz;
    QByteArrayView wartosc;
};

// A keyword line starts with a letter; data lines start with a digit or sign.
bool JestSlowem(QByteArrayView linia);

bool JestSekcja(QByteArrayView klucz);

// Splits a keyword line, reporting what is neither a known key nor a known
// section, and a key without its colon.
WpisTsp WpisLinii(const CzytnikLinii& linie, QByteArrayView linia);

// The whitespace-separated fields of a data line, one after another.
class PolaLinii {
public:
    explicit PolaLinii(QByteArrayView linia) : reszta_(linia) {}
    bool Nastepne(QByteArrayView& pole);

private:
    QByteArrayView reszta_;
};

// The number a field holds; none when it holds no number. Numbers past the
// type's range come back out of every range the reader allows (the nearest
// 64-bit integer, an infinity), or as 0 when too close to zero for a double,
// so that the reader calls them what they are: too large.
std::optional<long long> Calkowita(QByteArrayView tekst);
std::optional<double> Liczba(QByteArrayView tekst);

// The errors below are on the current line unless a line is given.

// The number, or the error "'x' nie jest liczbą całkowitą".
long long CalkowitaLubBlad(const CzytnikLinii& linie, QByteArrayView tekst);
// A DIMENSION within 0..MaksLiczbaMiast, or the error.
long long WymiarLubBlad(const CzytnikLinii& linie, QByteArrayView tekst, long long maksimum);

// A city's number read from pole: positive, within int, not among ids (it
// is added there) and not past PlikTsp::MaksLiczbaMiast, ile cities being
// read already.
int NowyNumerMiasta(const CzytnikLinii& linie, QByteArrayView pole, long long id, std::unordered_set<int>& ids,
                    std::size_t ile);

[[noreturn]] void ZaMaloMiast(const CzytnikLinii& linie, std::size_t ile);
[[noreturn]] void DanePozaSekcja(const CzytnikLinii& linie);
[[noreturn]] void BrakKlucza(const CzytnikLinii& linie, const char* klucz);
[[noreturn]] void DrugiRaz(const CzytnikLinii& linie, const char* klucz);
// DIMENSION, on its line, says another number of cities than the section holds.
[[noreturn]] void InnyWymiar(const CzytnikLinii& linie, int liniaWymiaru, long long wymiar, const char* sekcja,
                             std::size_t ile);

inline QString Tekst(QByteArrayView bajty) { return QString::fromUtf8(bajty); }
