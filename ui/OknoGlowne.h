#pragma once

#include "search/TablicaOdleglosci.h"

class CMatryca;
class CPunkty;

// The main window as the other windows see it: its grid, the city list and
// distance table of the current search, and the drawing of a route.
class OknoGlowne {
public:
    virtual CMatryca& Matryca() = 0;
    virtual const CPunkty& ListaMiast() const = 0;
    // The slot itself: workers look the table up through it, and build the
    // table of ListaMiast() into it on their own thread.
    virtual OdleglosciSlot& SlotOdleglosci() = 0;
    // Draws a route of ListaMiast().Count() city numbers over the grid.
    virtual void RysujTrase(const int* trasa) = 0;

protected:
    ~OknoGlowne() = default;
};
