#include "search/sesja/SesjaSzukania.h"

#include "search/BramkaKrokow.h"
#include "search/ZestawMiast.h"
#include "search/sesja/GranicaBezpieczna.h"
#include "search/sesja/GranicaTrasy.h"
#include "search/sesja/LukaProcent.h"
#include "search/sesja/Przeszkoda.h"
#include "search/sesja/PrzebiegDowodu.h"
#include "search/sesja/PrzebiegGenetyczny.h"
#include "search/sesja/PrzebiegLokalny.h"
#include "search/sesja/PrzebiegPermutacji.h"
#include "toolkit/core/HoldableThread.h"

#include <stdexcept>

namespace {

std::unique_ptr<Przebieg> przebieg(const ZestawMiast& miasta, OdleglosciSlot& odleglosci, const UstawieniaSesji& u,
                                   const PlanSesji& plan) {
    switch (plan.metoda) {
    case MetodaSesji::Permutacje:
        return std::make_unique<PrzebiegPermutacji>(miasta, odleglosci, false, u, plan.limitSekund);
    case MetodaSesji::Losowo:
        return std::make_unique<PrzebiegPermutacji>(miasta, odleglosci, true, u);
    case MetodaSesji::Genetycznie:
        return std::make_unique<PrzebiegGenetyczny>(miasta, odleglosci, u);
    case MetodaSesji::Dowod:
        return std::make_unique<PrzebiegDowodu>(miasta, u, plan);
    default:
        return std::make_unique<PrzebiegLokalny>(miasta, u, plan.limitSekund);
    }
}

void dodajLuke(std::optional<TrasaSesji>& trasa, bool calkowita) {
    if (trasa && trasa->granica)
        trasa->lukaProcent = LukaProcent(trasa->dlugosc, *trasa->granica, calkowita);
}

} // namespace

SesjaSzukania::SesjaSzukania(std::shared_ptr<const ZestawMiast> miasta, const UstawieniaSesji& ustawienia)
    : miasta_(std::move(miasta)), ustawienia_(ustawienia), plan_(Zaplanuj(ustawienia, *miasta_)) {
    if (Sprawdz(plan_, ustawienia_, miasta_->Ilosc()))
        throw std::logic_error("a session for a method that cannot run");
    przebieg_ = przebieg(*miasta_, odleglosci_, ustawienia_, plan_);
    HoldableThread& watek = przebieg_->Watek();
    if (ustawienia_.krokPoKroku) {
        kroki_ = std::make_unique<BramkaKrokow>();
        kroki_->Podlacz(watek.gate());
        przebieg_->UstawKroki(*kroki_);
    }
    watek.setEpilogue([this] { poSzukaniu(); });
    connect(&watek, &QThread::finished, this, &SesjaSzukania::Skonczyla);
}

SesjaSzukania::~SesjaSzukania() {
    // The worker's last step writes the answer: it ends before the members
    // it writes go. A worker waiting for its step must hear the finish.
    przebieg_->Watek().requestFinish();
    if (kroki_)
        kroki_->Obudz();
    przebieg_->Watek().finishAndWait();
}

void SesjaSzukania::Uruchom() {
    przebieg_->Watek().release();
}

void SesjaSzukania::Wstrzymaj() {
    przebieg_->Watek().hold();
    // A worker waiting for its step goes to wait at the hold instead.
    if (kroki_)
        kroki_->Obudz();
}

void SesjaSzukania::Krok() {
    if (kroki_)
        kroki_->Pozwol();
}

void SesjaSzukania::UstawTempo(int tempo) {
    if (kroki_)
        kroki_->UstawTempo(tempo);
}

void SesjaSzukania::Wznow() {
    przebieg_->Watek().release();
}

bool SesjaSzukania::Wstrzymana() const {
    return przebieg_->Watek().isHeld();
}

int SesjaSzukania::ZatrzymaneWatki() const {
    return przebieg_->Watek().parkedThreads();
}

void SesjaSzukania::Zakoncz() {
    HoldableThread& watek = przebieg_->Watek();
    // The request comes first, so that a held search, once released, stops
    // at its next poll without doing more.
    watek.requestFinish();
    if (kroki_)
        kroki_->Obudz();
    while (watek.isHeld())
        watek.release();
}

bool SesjaSzukania::Skonczona() const {
    return przebieg_->Watek().hasEnded();
}

void SesjaSzukania::CzekajNaKoniec() {
    przebieg_->Watek().waitForEnd();
}

std::optional<BilingualText> SesjaSzukania::Niepowodzenie() const {
    return przebieg_->Watek().failure();
}

double SesjaSzukania::Sekundy() const {
    if (metodaSkonczona_.load(std::memory_order_acquire))
        return sekundy_.load(std::memory_order_relaxed);
    return przebieg_->Watek().runningClock().seconds();
}

MigawkaSesji SesjaSzukania::Migawka() {
    MigawkaSesji m;
    m.sekundy = Sekundy();
    m.liczyGranice = liczyGranice_.load(std::memory_order_relaxed);
    przebieg_->Pokaz(m);
    if (kroki_)
        m.krok = MigawkaKroku{kroki_->Kroki(), kroki_->Nowy()};
    return m;
}

bool SesjaSzukania::WynikPoZakonczeniu() const {
    return plan_.metoda == MetodaSesji::Lokalnie || plan_.metoda == MetodaSesji::Dowod;
}

void SesjaSzukania::poSzukaniu() {
    HoldableThread& watek = przebieg_->Watek();
    sekundy_.store(watek.runningClock().seconds(), std::memory_order_relaxed);
    metodaSkonczona_.store(true, std::memory_order_release);
    WynikSesji w;
    w.calkowita = miasta_->metryka.Calkowita();
    w.przerwany = watek.finishRequested();
    przebieg_->Wynik(*miasta_, w.przerwany, w);
    w.sekundy = sekundy_.load(std::memory_order_relaxed);
    // Nothing reads the table any more.
    odleglosci_.reset();
    if (!w.przerwany && w.najkrotsza && !w.najkrotsza->udowodniona && !w.najkrotsza->granica
        && plan_.sekundyGranicy > 0.0)
        granica(w);
    // A method that proves both routes answers only what was asked.
    if (!plan_.najkrotsza)
        w.najkrotsza.reset();
    if (!plan_.najdluzsza)
        w.najdluzsza.reset();
    dodajLuke(w.najkrotsza, w.calkowita);
    dodajLuke(w.najdluzsza, w.calkowita);
    wynik_ = std::move(w);
}

void SesjaSzukania::granica(WynikSesji& w) {
    HoldableThread& watek = przebieg_->Watek();
    liczyGranice_.store(true, std::memory_order_relaxed);
    std::optional<double> g;
    try {
        g = GranicaTrasy(miasta_->metryka, w.najkrotsza->trasa, w.najkrotsza->dlugosc, plan_.sekundyGranicy,
                         [&watek] { return watek.gate().checkpoint(); }, watek.runningClock());
    } catch (...) {
        // The route stands without a bound: it is worth more than the bound.
        // (Clp's errors derive from no standard exception.)
    }
    if (g)
        w.najkrotsza->granica = GranicaSumPojedynczych(*g, false, miasta_->Ilosc(), w.calkowita);
    w.przerwany = w.przerwany || watek.finishRequested();
}
