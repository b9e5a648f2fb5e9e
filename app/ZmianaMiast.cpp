#include "app/ZmianaMiast.h"

#include <utility>

ZmianaMiast::ZmianaMiast(EdycjaMiast& edycja, EdycjaMiast::Stan przed, EdycjaMiast::Stan po, const QString& nazwa)
    : edycja_(edycja), przed_(std::move(przed)), po_(std::move(po)) {
    setText(nazwa);
}

void ZmianaMiast::redo() {
    if (zrobiona_) {
        zrobiona_ = false;
        return;
    }
    edycja_.Przywroc(po_);
}

void ZmianaMiast::undo() {
    edycja_.Przywroc(przed_);
}

bool ZmianaMiast::Rozne(const EdycjaMiast::Stan& przed, const EdycjaMiast::Stan& po) {
    return przed.matryca != po.matryca || przed.plik.zestaw != po.plik.zestaw;
}
