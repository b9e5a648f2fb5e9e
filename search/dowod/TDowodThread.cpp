#include "search/dowod/TDowodThread.h"

#include "toolkit/core/UserError.h"

#include <utility>

TDowodThread::TDowodThread() = default;

TDowodThread::~TDowodThread() {
    finishAndWait();
}

void TDowodThread::UstawMiasta(Metryka metryka) {
    metryka_.emplace(std::move(metryka));
}

const PostepDowodu& TDowodThread::Postep(CelDowodu cel) const {
    return cel == CelDowodu::Najkrotsza ? postepNajkrotszej_ : postepNajdluzszej_;
}

PostepDowodu& TDowodThread::Postep(CelDowodu cel) {
    return cel == CelDowodu::Najkrotsza ? postepNajkrotszej_ : postepNajdluzszej_;
}

void TDowodThread::Execute() {
    if (!metryka_ || metryka_->Ilosc() < 1)
        throw UserError(
            BilingualText{QStringLiteral("Brak miast do przeszukania"), QStringLiteral("no cities to search")});
    const auto przerwij = [this] { return checkpoint(); };
    UstawieniaDowodu u = Ustawienia;
    if (Najkrotsza) {
        biezacy_.store(CelDowodu::Najkrotsza, std::memory_order_relaxed);
        if (Najdluzsza)
            u.limitSekund = Ustawienia.limitSekund / 2.0;
        wynikNajkrotszej_ = Udowodnij(*metryka_, CelDowodu::Najkrotsza, u, przerwij, runningClock(), &postepNajkrotszej_);
    }
    if (Najdluzsza) {
        biezacy_.store(CelDowodu::Najdluzsza, std::memory_order_relaxed);
        u.limitSekund = Ustawienia.limitSekund;
        wynikNajdluzszej_ = Udowodnij(*metryka_, CelDowodu::Najdluzsza, u, przerwij, runningClock(), &postepNajdluzszej_);
    }
}
