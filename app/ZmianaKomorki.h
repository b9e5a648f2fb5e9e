#pragma once

#include "app/MiastaOkna.h"

#include <QUndoCommand>

class EdycjaMiast;

// A click on a cell of the grid: a city placed or taken away. Its record is
// the cell, and the file whose cities the grid held before, which undoing
// the click brings back.
class ZmianaKomorki : public QUndoCommand {
public:
    ZmianaKomorki(EdycjaMiast& edycja, int wiersz, int kolumna, PlikOkna plikPrzed);

    void redo() override;
    void undo() override;

private:
    EdycjaMiast& edycja_;
    int wiersz_;
    int kolumna_;
    PlikOkna plikPrzed_;
};
