#pragma once

#include "app/WidokPliku.h"
#include "search/ZestawMiast.h"
#include "search/certyfikat/Certyfikat.h"

#include <cstdint>
#include <memory>
#include <vector>

class CMatryca;

// An opened file's cities and their view, or none: what undoing a change of
// the cities puts back. Shared, so that a record of it costs two pointers.
struct PlikOkna {
    std::shared_ptr<const ZestawMiast> zestaw;
    std::shared_ptr<const WidokPliku> widok;
};

// The cities the main window shows and its searches read: an opened file's
// set, in the file's metric, for as long as its cities stand untouched;
// otherwise the grid's own cities, measured in cells.
class MiastaOkna {
public:
    explicit MiastaOkna(const CMatryca& matryca) : matryca_(matryca) {}

    // The current set. The grid's is made again only after its cities have
    // changed, so that the same cities are the same set.
    std::shared_ptr<const ZestawMiast> Zestaw() const;

    // An opened file's set and how the window shows it. One with cells
    // stands on the grid, which must hold exactly those cities now, and
    // holds until they change; one without is shown as points and holds
    // until PorzucPlik.
    void UstawPlik(std::shared_ptr<const ZestawMiast> zestaw, WidokPliku widok);
    void PorzucPlik();
    // The opened file's set, and its view, while it holds; none otherwise.
    const ZestawMiast* Plik() const;
    const WidokPliku* Widok() const { return Plik() ? widok_.get() : nullptr; }
    // The file while it holds, and the same put back: a grid file must find
    // the grid holding exactly its cities again.
    PlikOkna StanPliku() const;
    void PrzywrocPlik(const PlikOkna& plik);
    // The file's set holds and is shown as points, not on the grid.
    bool NaPunktach() const { return Plik() && Plik()->komorki.empty(); }

    // The route last drawn, as city numbers of the set it was found for.
    void UstawTrase(std::shared_ptr<const ZestawMiast> zestaw, std::vector<int> trasa);
    // That route while its set is still the current one; none otherwise.
    const std::vector<int>* Trasa() const;

    // The certificate of the last proof, of a file's set; like the route,
    // it holds while that set is the current one.
    void UstawCertyfikat(std::shared_ptr<const ZestawMiast> zestaw, std::shared_ptr<const Certyfikat> certyfikat);
    const Certyfikat* CertyfikatDowodu() const;

private:
    const CMatryca& matryca_;
    std::shared_ptr<const ZestawMiast> plik_;
    std::shared_ptr<const WidokPliku> widok_;
    std::uint64_t wersjaPliku_ = 0;
    // The grid's set as last made, and the grid's cities it was made of.
    mutable std::shared_ptr<const ZestawMiast> siatki_;
    mutable std::uint64_t wersjaSiatki_ = 0;
    std::shared_ptr<const ZestawMiast> zestawTrasy_;
    std::vector<int> trasa_;
    std::shared_ptr<const ZestawMiast> zestawCertyfikatu_;
    std::shared_ptr<const Certyfikat> certyfikat_;
};
