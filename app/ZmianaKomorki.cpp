#include "app/ZmianaKomorki.h"

#include "app/EdycjaMiast.h"

#include <utility>

ZmianaKomorki::ZmianaKomorki(EdycjaMiast& edycja, int wiersz, int kolumna, PlikOkna plikPrzed)
    : edycja_(edycja), wiersz_(wiersz), kolumna_(kolumna), plikPrzed_(std::move(plikPrzed)) {
    setText(QStringLiteral("Kliknięcie komórki"));
}

void ZmianaKomorki::redo() {
    edycja_.PrzelaczKomorke(wiersz_, kolumna_, {});
}

void ZmianaKomorki::undo() {
    edycja_.PrzelaczKomorke(wiersz_, kolumna_, plikPrzed_);
}
