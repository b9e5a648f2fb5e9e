#pragma once

#include "search/TablicaOdleglosci.h"

#include <QPointF>

#include <vector>

struct ZestawMiast;

// The main window as the other windows see it: the cities and distance
// table of the current search, and the drawing of a route.
class OknoGlowne {
public:
    // The cities of the current search, with the metric every method
    // measures them in; unchanged while the search runs.
    virtual const ZestawMiast& Zestaw() const = 0;
    // The slot itself: workers look the table up through it, and build the
    // table of Zestaw() into it on their own thread.
    virtual OdleglosciSlot& SlotOdleglosci() = 0;
    // Draws a route of Zestaw().Ilosc() city numbers over the cities.
    virtual void RysujTrase(const int* trasa) = 0;
    // Where the view of points shows each city of Zestaw(), x across and y
    // up; none while the cities stand on the grid.
    virtual std::vector<QPointF> PunktyWidoku() const = 0;

protected:
    ~OknoGlowne() = default;
};
