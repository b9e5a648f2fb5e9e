#pragma once

#include <QPointF>

#include <memory>
#include <utility>
#include <vector>

struct ZestawMiast;

// The main window as the progress windows see it: the cities of the search
// and the drawing of a route over them.
class OknoGlowne {
public:
    // The cities of the current search, with the metric every method
    // measures them in; unchanged while the search runs.
    virtual std::shared_ptr<const ZestawMiast> ZestawSzukania() const = 0;
    // Draws a route of the search's cities over them.
    virtual void RysujTrase(const std::vector<int>& trasa) = 0;
    // Draws what a step of step mode looked at, city to city, in a colour
    // of its own beside the route; none clears it.
    virtual void RysujBadane(const std::vector<std::pair<int, int>>& odcinki) { (void)odcinki; }
    // Where the view of points shows each city of the search, x across and
    // y up; none while the cities stand on the grid.
    virtual std::vector<QPointF> PunktyWidoku() const = 0;

protected:
    ~OknoGlowne() = default;
};
