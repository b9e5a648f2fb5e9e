#pragma once

#include "app/MiastaMatrycy.h"
#include "app/MiastaOkna.h"

#include <cstdint>
#include <functional>
#include <memory>

class CMatryca;

// The one way the edit history changes the window's cities: the grid and
// the opened file are set together, the grid's own notifications held back
// meanwhile, and the window told once at the end, so that the route and the
// summary go as after any other change.
class EdycjaMiast {
public:
    // The window's cities at one moment. Records of the same grid share one
    // copy of its cities.
    struct Stan {
        std::shared_ptr<const MiastaMatrycy> matryca;
        PlikOkna plik;
    };

    EdycjaMiast(CMatryca& matryca, MiastaOkna& miasta, std::function<void()> poZmianie);

    // The grid is read again only when its cities have changed since.
    Stan Teraz() const;
    void Przywroc(const Stan& stan);
    // A city placed or taken away, and the file that holds after it.
    void PrzelaczKomorke(int wiersz, int kolumna, const PlikOkna& plik);

    // A change is being applied: the window waits for its end.
    bool Trwa() const { return trwa_; }

private:
    // An error is shown in the standard box: none may unwind through the
    // undo stack, which is Qt's code.
    void Zmien(const std::function<void()>& zmiana);

    CMatryca& matryca_;
    MiastaOkna& miasta_;
    std::function<void()> poZmianie_;
    bool trwa_ = false;
    mutable std::shared_ptr<const MiastaMatrycy> zapis_;
    mutable std::uint64_t wersjaZapisu_ = 0;
};
