#include "search/lokalne/TObliczLokalnieThread.h"

#include "toolkit/core/UserError.h"

#include <algorithm>
#include <utility>

TObliczLokalnieThread::TObliczLokalnieThread() = default;

TObliczLokalnieThread::~TObliczLokalnieThread() {
    finishAndWait();
}

void TObliczLokalnieThread::UstawMiasta(Metryka metryka) {
    metryka_.emplace(std::move(metryka));
    szukanie_ = std::make_unique<PrzeszukiwanieLokalne>(*metryka_);
}

const PostepPrzeszukiwania* TObliczLokalnieThread::Postep() const {
    return szukanie_ ? &szukanie_->Postep() : nullptr;
}

PostepPrzeszukiwania* TObliczLokalnieThread::Postep() {
    return szukanie_ ? &szukanie_->Postep() : nullptr;
}

void TObliczLokalnieThread::Execute() {
    najlepsza_.clear();
    if (!szukanie_ || metryka_->Ilosc() < 1)
        throw UserError(
            BilingualText{QStringLiteral("Brak miast do przeszukania"), QStringLiteral("no cities to search")});
    szukanie_->Szukaj(Ustawienia, [this] { return checkpoint(); }, &runningClock());
    // From city 0, as the other searches give their routes, in the direction
    // that sums shorter: in the window's single-precision sums the two
    // directions may differ in the last bits, and the exact search reports
    // the shorter one.
    std::vector<int> trasa = szukanie_->Trasa();
    const auto zero = std::find(trasa.begin(), trasa.end(), 0);
    if (zero != trasa.end())
        std::rotate(trasa.begin(), zero, trasa.end());
    std::vector<int> odwrotna(trasa.size());
    if (!trasa.empty()) {
        odwrotna[0] = trasa[0];
        std::reverse_copy(trasa.begin() + 1, trasa.end(), odwrotna.begin() + 1);
    }
    najlepsza_ = metryka_->Dlugosc(odwrotna) < metryka_->Dlugosc(trasa) ? std::move(odwrotna) : std::move(trasa);
}
