#include "storage/SekcjaMiast.h"

#include "storage/PlikTsp.h"
#include "storage/SkladniaTsp.h"

#include <cmath>

void SekcjaMiast::Otworz(const CzytnikLinii& linie) {
    if (byla_)
        DrugiRaz(linie, nazwa_);
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
        linie.Blad(BilingualText{QStringLiteral("oczekiwano numeru miasta i dwóch współrzędnych"),
                                 QStringLiteral("expected a city number and two coordinates")});
    const int id = NowyNumerMiasta(linie, pole[0], CalkowitaLubBlad(linie, pole[0]), ids_, miasta_.size());
    double xy[2];
    for (int k = 0; k < 2; ++k) {
        const auto wartosc = Liczba(pole[k + 1]);
        if (!wartosc)
            linie.Blad(BilingualText{QStringLiteral("'%1' nie jest liczbą"), QStringLiteral("'%1' is not a number")}
                           .arg(Tekst(pole[k + 1])));
        if (std::fabs(*wartosc) > PlikTsp::MaksWspolrzedna)
            linie.Blad(BilingualText{QStringLiteral("współrzędna %1 poza zakresem od -1e9 do 1e9"),
                                     QStringLiteral("coordinate %1 out of range -1e9 to 1e9")}
                           .arg(Tekst(pole[k + 1])));
        xy[k] = *wartosc;
    }
    miasta_.push_back({id, xy[0], xy[1], linie.Numer()});
}

void SekcjaMiast::SprawdzWymiar(const CzytnikLinii& linie, long long wymiar, int liniaWymiaru) const {
    if (std::size_t(wymiar) != miasta_.size())
        InnyWymiar(linie, liniaWymiaru, wymiar, nazwa_, miasta_.size());
    for (const Miasto& m : miasta_)
        if (m.id > wymiar)
            linie.BladW(m.linia, BilingualText{QStringLiteral("numer miasta %1 większy niż DIMENSION %2"),
                                               QStringLiteral("city number %1 greater than DIMENSION %2")}
                                     .arg(m.id)
                                     .arg(wymiar));
}
