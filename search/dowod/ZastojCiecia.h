#pragma once

#include <optional>
#include <vector>

// Whether cutting at a node has tailed off: kRundyZastoju solves together
// raised the LP value by less than kWzrostZastoju of it, or by less than
// kWzrostLuki of the gap to the best route, whichever is less. Later rounds
// still find cuts, but they barely move the bound and branching is cheaper
// then. Where the gap is a few units in a value of hundreds of thousands
// (the longest routes), the gap decides.
class ZastojCiecia {
public:
    // The LP value of a solve and the best route's weight so far (none
    // before the first route); true when cutting has tailed off.
    bool Po(double wartosc, std::optional<double> najlepsza);
    // New columns may lower the LP value: the rise is measured from there.
    void OdNowa() { wartosci_.clear(); }

private:
    std::vector<double> wartosci_;
};
