#include "storage/SekcjaMiast.h"

#include "storage/PlikTsp.h"
#include "storage/SkladniaTsp.h"

#include <climits>
#include <cmath>

void SekcjaMiast::Otworz(const CzytnikLinii& linie) {
    if (byla_)
        linie.Blad(QStringLiteral("drugi %1").arg(QLatin1String(nazwa_)));
    byla_ = true;
}

void SekcjaMiast::Czytaj(const CzytnikLinii& linie, QByteArrayView linia) {
    PolaLinii pola(linia);
    QByteArrayView pole[3];
    int ile = 0;
    QByteArrayView nadmiar;
    while (ile < 3 && pola.Nastepne(pole[ile]))
        ++ile;
    if (ile != 3 || pola.Nastepne(nadmiar))
        linie.Blad(QStringLiteral("oczekiwano numeru miasta i dwóch współrzędnych"));
    const long long id = CalkowitaLubBlad(linie, pole[0]);
    if (id < 1)
        linie.Blad(QStringLiteral("numer miasta %1 nie jest dodatni").arg(Tekst(pole[0])));
    if (id > INT_MAX)
        linie.Blad(QStringLiteral("numer miasta %1 większy niż %2").arg(Tekst(pole[0])).arg(INT_MAX));
    if (!ids_.insert(int(id)).second)
        linie.Blad(QStringLiteral("miasto %1 powtórzone").arg(id));
    if (miasta_.size() >= std::size_t(PlikTsp::MaksLiczbaMiast))
        linie.Blad(QStringLiteral("więcej niż %1 miast").arg(PlikTsp::MaksLiczbaMiast));
    double xy[2];
    for (int k = 0; k < 2; ++k) {
        const auto wartosc = Liczba(pole[k + 1]);
        if (!wartosc)
            linie.Blad(QStringLiteral("'%1' nie jest liczbą").arg(Tekst(pole[k + 1])));
        if (std::fabs(*wartosc) > PlikTsp::MaksWspolrzedna)
            linie.Blad(QStringLiteral("współrzędna %1 poza zakresem od -1e9 do 1e9").arg(Tekst(pole[k + 1])));
        xy[k] = *wartosc;
    }
    miasta_.push_back({int(id), xy[0], xy[1], linie.Numer()});
}

void SekcjaMiast::SprawdzWymiar(const CzytnikLinii& linie, long long wymiar, int liniaWymiaru) const {
    if (std::size_t(wymiar) != miasta_.size())
        linie.BladW(liniaWymiaru, QStringLiteral("DIMENSION %1, a miast w %2 jest %3")
                                      .arg(wymiar)
                                      .arg(QLatin1String(nazwa_))
                                      .arg(miasta_.size()));
    for (const Miasto& m : miasta_)
        if (m.id > wymiar)
            linie.BladW(m.linia, QStringLiteral("numer miasta %1 większy niż DIMENSION %2").arg(m.id).arg(wymiar));
}
