#include "app/EdycjaMiast.h"

#include "grid/CMatryca.h"
#include "toolkit/gui/Handler.h"

#include <QScopedValueRollback>

#include <utility>

EdycjaMiast::EdycjaMiast(CMatryca& matryca, MiastaOkna& miasta, std::function<void()> poZmianie)
    : matryca_(matryca), miasta_(miasta), poZmianie_(std::move(poZmianie)) {}

EdycjaMiast::Stan EdycjaMiast::Teraz() const {
    if (!zapis_ || wersjaZapisu_ != matryca_.WersjaMiast()) {
        zapis_ = std::make_shared<const MiastaMatrycy>(MiastaMatrycy::Z(matryca_));
        wersjaZapisu_ = matryca_.WersjaMiast();
    }
    return {zapis_, miasta_.StanPliku()};
}

void EdycjaMiast::Przywroc(const Stan& stan) {
    Zmien([&] {
        if (stan.matryca && stan.matryca != Teraz().matryca) {
            stan.matryca->Przywroc(matryca_);
            zapis_ = stan.matryca;
            wersjaZapisu_ = matryca_.WersjaMiast();
        }
        miasta_.PrzywrocPlik(stan.plik);
    });
}

void EdycjaMiast::PrzelaczKomorke(int wiersz, int kolumna, const PlikOkna& plik) {
    Zmien([&] {
        // A cell alone is repainted: the route it ends needs the whole grid.
        const bool trasa = matryca_.GetBestPunkty()->Count() != 0;
        matryca_.SetCell(wiersz, kolumna, !matryca_.GetCell(wiersz, kolumna));
        if (trasa)
            matryca_.Paint();
        miasta_.PrzywrocPlik(plik);
    });
}

void EdycjaMiast::Zmien(const std::function<void()>& zmiana) {
    {
        QScopedValueRollback<bool> trwa(trwa_, true);
        runHandler(zmiana);
    }
    runHandler(poZmianie_);
}
