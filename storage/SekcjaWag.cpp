#include "storage/SekcjaWag.h"

#include "storage/PlikTsp.h"
#include "storage/SkladniaTsp.h"

SekcjaWag::SekcjaWag(const CzytnikLinii& linie, int n, FormatWag format, QByteArrayView nazwaFormatu)
    : uklad_(format, n), pelna_(format == FormatWag::PelnaMacierz), nazwaFormatu_(Tekst(nazwaFormatu)),
      linia_(linie.Numer()), n_(n) {
    // Every weight takes two bytes at least.
    if (uklad_.Ilosc() > PlikTsp::MaksRozmiarPliku / 2)
        linie.Blad(BilingualText{QStringLiteral("%1 wag %2 dla DIMENSION %3 nie zmieści się w pliku do %4 MiB"),
                                 QStringLiteral("%1 weights of %2 for DIMENSION %3 do not fit in a file of at most "
                                                "%4 MiB")}
                       .arg(uklad_.Ilosc())
                       .arg(nazwaFormatu_)
                       .arg(n)
                       .arg(PlikTsp::MaksRozmiarPliku >> 20));
    wagi_.assign(std::size_t(n) * std::size_t(n > 0 ? n - 1 : 0) / 2, 0);
}

void SekcjaWag::Czytaj(const CzytnikLinii& linie, QByteArrayView linia) {
    PolaLinii pola(linia);
    QByteArrayView pole;
    while (pola.Nastepne(pole)) {
        const long long waga = CalkowitaLubBlad(linie, pole);
        int a = 0, b = 0;
        if (!uklad_.Nastepna(a, b))
            linie.Blad(BilingualText{QStringLiteral("więcej wag niż %1 (%2 dla DIMENSION %3)"),
                                     QStringLiteral("more weights than %1 (%2 for DIMENSION %3)")}
                           .arg(uklad_.Ilosc())
                           .arg(nazwaFormatu_)
                           .arg(n_));
        ++wczytane_;
        if (a == b)
            continue;
        if (waga < 0 || waga > PlikTsp::MaksWaga)
            linie.Blad(BilingualText{QStringLiteral("waga %1 poza zakresem 0..%2"),
                                     QStringLiteral("weight %1 out of range 0..%2")}
                           .arg(Tekst(pole))
                           .arg(PlikTsp::MaksWaga));
        std::int32_t& miejsce = a > b ? wagi_[std::size_t(a) * std::size_t(a - 1) / 2 + std::size_t(b)]
                                      : wagi_[std::size_t(b) * std::size_t(b - 1) / 2 + std::size_t(a)];
        // The whole matrix gives each weight twice, the upper one first.
        if (pelna_ && a > b && miejsce != waga)
            linie.Blad(BilingualText{QStringLiteral("waga %1 miast %2 i %3 różni się od wagi %4 miast %3 i %2; "
                                                    "macierz nie jest symetryczna"),
                                     QStringLiteral("weight %1 of cities %2 and %3 differs from weight %4 of cities "
                                                    "%3 and %2; the matrix is not symmetric")}
                           .arg(waga)
                           .arg(a + 1)
                           .arg(b + 1)
                           .arg(miejsce));
        miejsce = std::int32_t(waga);
    }
}

void SekcjaWag::SprawdzKompletna(const CzytnikLinii& linie) const {
    if (wczytane_ < uklad_.Ilosc())
        linie.BladW(linia_, BilingualText{QStringLiteral("EDGE_WEIGHT_SECTION: %1 wag, a %2 dla DIMENSION %3 "
                                                         "ma ich %4"),
                                          QStringLiteral("EDGE_WEIGHT_SECTION: %1 weights, but %2 for DIMENSION %3 "
                                                         "has %4")}
                                .arg(wczytane_)
                                .arg(nazwaFormatu_)
                                .arg(n_)
                                .arg(uklad_.Ilosc()));
}
