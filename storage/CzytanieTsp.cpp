#include "storage/CzytanieTsp.h"

#include "storage/NaglowekTsp.h"
#include "storage/SekcjaMiast.h"
#include "storage/SekcjaWag.h"
#include "storage/SkladniaTsp.h"

#include <optional>

namespace {

// One file's reading: each keyword line ends the section before it and
// opens a section or gives a key; each data line goes to its section; at
// the end the instance is made of what came.
class CzytanieTsp {
public:
    explicit CzytanieTsp(CzytnikLinii& linie) : linie_(linie) {}

    InstancjaTsp Czytaj() {
        QByteArrayView linia;
        while (linie_.Nastepna(linia)) {
            if (linia.isEmpty())
                continue;
            if (!JestSlowem(linia))
                dane(linia);
            else if (!slowo(WpisLinii(linie_, linia)))
                break;
        }
        if (sekcja_ == Sekcja::Wagi)
            wagi_->SprawdzKompletna(linie_);
        if (!naglowek_.MaTypWag())
            BrakKlucza(linie_, "EDGE_WEIGHT_TYPE");
        return instancja_.TypWag == TypWagTsp::Jawne ? zWag() : zWspolrzednych();
    }

private:
    enum class Sekcja { Zadna, Wspolrzedne, Wyswietlanie, Wagi, Inna };

    void dane(QByteArrayView linia) {
        switch (sekcja_) {
        case Sekcja::Zadna:
            DanePozaSekcja(linie_);
        case Sekcja::Wspolrzedne:
            wspolrzedne_.Czytaj(linie_, linia);
            break;
        case Sekcja::Wyswietlanie:
            wyswietlanie_.Czytaj(linie_, linia);
            break;
        case Sekcja::Wagi:
            wagi_->Czytaj(linie_, linia);
            break;
        case Sekcja::Inna:
            break;
        }
    }

    // False at EOF.
    bool slowo(const WpisTsp& wpis) {
        if (sekcja_ == Sekcja::Wagi)
            wagi_->SprawdzKompletna(linie_);
        sekcja_ = Sekcja::Zadna;
        if (wpis.klucz == "EOF")
            return false;
        if (wpis.klucz == "NODE_COORD_SECTION") {
            wspolrzedne_.Otworz(linie_);
            sekcja_ = Sekcja::Wspolrzedne;
        } else if (wpis.klucz == "DISPLAY_DATA_SECTION") {
            wyswietlanie_.Otworz(linie_);
            sekcja_ = Sekcja::Wyswietlanie;
        } else if (wpis.klucz == "EDGE_WEIGHT_SECTION") {
            if (wagi_)
                DrugiRaz(linie_, "EDGE_WEIGHT_SECTION");
            naglowek_.SprawdzPrzedWagami(linie_);
            wagi_.emplace(linie_, int(*naglowek_.Wymiar()), *naglowek_.Format(), naglowek_.NazwaFormatu());
            sekcja_ = Sekcja::Wagi;
        } else if (JestSekcja(wpis.klucz)) {
            sekcja_ = Sekcja::Inna;
        } else {
            naglowek_.Czytaj(linie_, wpis, instancja_);
        }
        return true;
    }

    InstancjaTsp zWspolrzednych() {
        if (!wspolrzedne_.Byla())
            BrakKlucza(linie_, "NODE_COORD_SECTION");
        const std::vector<SekcjaMiast::Miasto>& miasta = wspolrzedne_.Miasta();
        if (miasta.size() < 2)
            ZaMaloMiast(linie_, miasta.size());
        if (naglowek_.Wymiar())
            wspolrzedne_.SprawdzWymiar(linie_, *naglowek_.Wymiar(), naglowek_.LiniaWymiaru());
        instancja_.Ids.reserve(miasta.size());
        instancja_.X.reserve(miasta.size());
        instancja_.Y.reserve(miasta.size());
        for (const SekcjaMiast::Miasto& m : miasta) {
            instancja_.Ids.push_back(m.id);
            instancja_.X.push_back(m.x);
            instancja_.Y.push_back(m.y);
        }
        return std::move(instancja_);
    }

    // Explicit weights number the cities 1..n; coordinates, when given, are
    // only for showing them.
    InstancjaTsp zWag() {
        if (!wagi_)
            BrakKlucza(linie_, "EDGE_WEIGHT_SECTION");
        const int n = int(*naglowek_.Wymiar());
        if (n < 2)
            ZaMaloMiast(linie_, std::size_t(n));
        const SekcjaMiast& miejsca = wspolrzedne_.Byla() ? wspolrzedne_ : wyswietlanie_;
        if (miejsca.Byla()) {
            miejsca.SprawdzWymiar(linie_, n, naglowek_.LiniaWymiaru());
            instancja_.X.resize(std::size_t(n));
            instancja_.Y.resize(std::size_t(n));
            for (const SekcjaMiast::Miasto& m : miejsca.Miasta()) {
                instancja_.X[std::size_t(m.id - 1)] = m.x;
                instancja_.Y[std::size_t(m.id - 1)] = m.y;
            }
        }
        instancja_.Ids.resize(std::size_t(n));
        for (int k = 0; k < n; ++k)
            instancja_.Ids[std::size_t(k)] = k + 1;
        instancja_.Wagi = std::move(*wagi_).Wagi();
        return std::move(instancja_);
    }

    CzytnikLinii& linie_;
    InstancjaTsp instancja_;
    NaglowekTsp naglowek_;
    SekcjaMiast wspolrzedne_{"NODE_COORD_SECTION"};
    SekcjaMiast wyswietlanie_{"DISPLAY_DATA_SECTION"};
    std::optional<SekcjaWag> wagi_;
    Sekcja sekcja_ = Sekcja::Zadna;
};

} // namespace

InstancjaTsp CzytajInstancjeTsp(CzytnikLinii& linie) {
    return CzytanieTsp(linie).Czytaj();
}
