#include "search/sesja/PrzebiegLokalny.h"

#include "search/ZestawMiast.h"

#include <QDateTime>

PrzebiegLokalny::PrzebiegLokalny(const ZestawMiast& miasta, const UstawieniaSesji& u, double limitSekund) {
    watek_.UstawMiasta(miasta.metryka);
    watek_.Ustawienia.limitSekund = limitSekund;
    watek_.Ustawienia.limitRund = u.rundy.value_or(-1);
    watek_.Ustawienia.ziarno = u.ziarno.value_or(std::uint32_t(QDateTime::currentSecsSinceEpoch()));
    watek_.Ustawienia.watki = u.watki;
}

void PrzebiegLokalny::Pokaz(MigawkaSesji& m) {
    PostepPrzeszukiwania* postep = watek_.Postep();
    MigawkaLokalna l;
    l.rundy = postep->Rundy();
    l.najlepsza = postep->NajlepszaDlugosc();
    l.zbieznosc = postep->Zbieznosc();
    if (postep->WezTrase())
        m.trasa = postep->Trasa().trasa;
    m.metoda = std::move(l);
}

void PrzebiegLokalny::Wynik(const ZestawMiast& miasta, bool /*przerwany*/, WynikSesji& wynik) {
    wynik.metoda = MetodaSesji::Lokalnie;
    wynik.najkrotsza = ZmierzTrase(miasta, watek_.NajlepszaTrasa());
    wynik.rundy = watek_.Postep()->Rundy();
}
