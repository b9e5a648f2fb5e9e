#pragma once

#include "app/EdycjaMiast.h"

#include <QUndoCommand>

// A change of many cities at once, already made when it is recorded:
// "Losuj", "Czyść matryce", a file opened, a new size of the grid. Its
// record is the window's cities before and after, each the list of the
// grid's cities and the file, never the grid's every cell; a change that
// leaves the grid alone shares one record of it between the two.
class ZmianaMiast : public QUndoCommand {
public:
    ZmianaMiast(EdycjaMiast& edycja, EdycjaMiast::Stan przed, EdycjaMiast::Stan po, const QString& nazwa);

    void redo() override;
    void undo() override;

    // Whether anything a user sees as the cities differs between the two.
    static bool Rozne(const EdycjaMiast::Stan& przed, const EdycjaMiast::Stan& po);

private:
    EdycjaMiast& edycja_;
    EdycjaMiast::Stan przed_;
    EdycjaMiast::Stan po_;
    // The change was made before it was recorded: the stack's first redo
    // finds it done.
    bool zrobiona_ = true;
};
