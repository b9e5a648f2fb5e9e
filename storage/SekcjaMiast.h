#pragma once

#include "storage/CzytnikLinii.h"

#include <QByteArrayView>

#include <unordered_set>
#include <vector>

// The cities of one section of "id x y" lines of a .tsp file
// (NODE_COORD_SECTION or DISPLAY_DATA_SECTION), as they come.
class SekcjaMiast {
public:
    struct Miasto {
        int id;
        double x;
        double y;
        int linia;
    };

    explicit SekcjaMiast(const char* nazwa) : nazwa_(nazwa) {}

    // The section's name line; a second one is an error.
    void Otworz(const CzytnikLinii& linie);
    void Czytaj(const CzytnikLinii& linie, QByteArrayView linia);
    // Every id within the DIMENSION given, and as many cities as it says.
    void SprawdzWymiar(const CzytnikLinii& linie, long long wymiar, int liniaWymiaru) const;

    bool Byla() const { return byla_; }
    const std::vector<Miasto>& Miasta() const { return miasta_; }

private:
    const char* nazwa_;
    bool byla_ = false;
    std::vector<Miasto> miasta_;
    std::unordered_set<int> ids_;
};
