#include "ui/TObliczDowodForm.h"

#include "search/ZestawMiast.h"
#include "search/sesja/SesjaSzukania.h"
#include "toolkit/gui/FormFont.h"
#include "ui/OknoGlowne.h"
#include "ui/RysunekLP.h"
#include "ui/TekstDlugosci.h"
#include "ui/TekstDowodu.h"
#include "ui/WykresGranic.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Ten displays a second, as the other progress windows.
constexpr int OkresWyswietlania = 100;
constexpr int WysokoscWykresu = 240;
constexpr int BokRysunku = 280;

// A route as an LP solution: each of its edges whole.
std::vector<PostepDowodu::KrawedzLP> krawedzieTrasy(const std::vector<int>& trasa) {
    std::vector<PostepDowodu::KrawedzLP> krawedzie;
    for (std::size_t i = 0; i < trasa.size() && trasa.size() > 1; ++i)
        krawedzie.push_back({trasa[i], trasa[(i + 1) % trasa.size()], 1.0});
    return krawedzie;
}

} // namespace

TObliczDowodForm::TObliczDowodForm(OknoGlowne& oknoGlowne, QWidget* parent)
    : TOknoObliczen(oknoGlowne, parent, OkresWyswietlania) {
    setWindowTitle(QStringLiteral("Dowód optymalności"));
    setFont(formFont());

    Label1 = new QLabel(QStringLiteral("Czas szukania : "), this);
    CzasLabel = new QLabel(this);
    Label2 = new QLabel(QStringLiteral("Najkrótsza trasa : "), this);
    NajkrotszaLabel = new QLabel(this);
    Label3 = new QLabel(QStringLiteral("Najdłuższa trasa : "), this);
    NajdluzszaLabel = new QLabel(this);
    Label4 = new QLabel(QStringLiteral("Dolna granica : "), this);
    DolnaLabel = new QLabel(this);
    Label5 = new QLabel(QStringLiteral("Górna granica : "), this);
    GornaLabel = new QLabel(this);
    Label6 = new QLabel(QStringLiteral("Węzły : "), this);
    WezlyLabel = new QLabel(this);
    Label7 = new QLabel(QStringLiteral("Cięcia : "), this);
    CieciaLabel = new QLabel(this);
    Label8 = new QLabel(QStringLiteral("Luka : "), this);
    LukaLabel = new QLabel(this);
    Wykres = new WykresGranic(this);
    Rysunek = new RysunekLP(this);

    auto* wartosci = new QGridLayout;
    const std::pair<QLabel*, QLabel*> wiersze[] = {
        {Label1, CzasLabel},  {Label2, NajkrotszaLabel}, {Label3, NajdluzszaLabel}, {Label4, DolnaLabel},
        {Label5, GornaLabel}, {Label8, LukaLabel},       {Label6, WezlyLabel},      {Label7, CieciaLabel}};
    int wiersz = 0;
    for (const auto& [etykieta, wartosc] : wiersze) {
        wartosci->addWidget(etykieta, wiersz, 0);
        wartosci->addWidget(wartosc, wiersz, 1);
        ++wiersz;
    }
    wartosci->setColumnStretch(1, 1);
    // Room for the longest texts, so that the window never resizes.
    MigawkaCeluDowodu duzo;
    duzo.ciecia = 100000;
    duzo.podcykleWLP = duzo.kwiatyWLP = duzo.grzebienieWLP = 1000;
    int najszerszy = 0;
    for (const QString& tekst : {TekstDowodu(1e6, false, 100.0, false, false),
                                 TekstDowodu(1e6, true, std::nullopt, false, true), TekstCiec(duzo)})
        najszerszy = std::max(najszerszy, fontMetrics().horizontalAdvance(tekst));
    wartosci->setColumnMinimumWidth(1, najszerszy + 8);
    auto* lewa = new QVBoxLayout;
    lewa->addLayout(wartosci);
    lewa->addStretch(1);
    lewa->addLayout(UkladPrzyciskow());
    auto* gora = new QHBoxLayout;
    gora->addLayout(lewa, 1);
    Rysunek->setFixedSize(BokRysunku, BokRysunku);
    gora->addWidget(Rysunek);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    Wykres->setFixedHeight(WysokoscWykresu);
    uklad->addWidget(Wykres);
    setFixedSize(sizeHint());
}

int TObliczDowodForm::Uruchom(int czasSzukania) {
    // A file's whole distances make a certificate that anyone can check;
    // recording it costs the proof little.
    const bool certyfikat = oknoGlowne_.ZestawSzukania()->metryka.Calkowita();
    return TOknoObliczen::Uruchom([czasSzukania, certyfikat] {
        UstawieniaSesji u;
        u.metoda = MetodaSesji::Dowod;
        u.limitSekund = czasSzukania;
        u.certyfikat = certyfikat;
        return u;
    });
}

void TObliczDowodForm::Wyczysc(const UstawieniaSesji& ustawienia) {
    for (QLabel* l :
         {CzasLabel, NajkrotszaLabel, NajdluzszaLabel, DolnaLabel, GornaLabel, LukaLabel, WezlyLabel, CieciaLabel})
        l->clear();
    czasSzukania_ = int(ustawienia.limitSekund);
    Wykres->Wyczysc(ustawienia.limitSekund, CelDowodu::Najkrotsza);
    Rysunek->UstawMiasta(*oknoGlowne_.ZestawSzukania(), oknoGlowne_.PunktyWidoku());
    pokazany_ = CelDowodu::Najkrotsza;
    trasy_ = {};
    rozwiazania_ = {};
    noweRozwiazanie_ = {};
    narysowanaUdowodniona_ = false;
}

void TObliczDowodForm::Zapamietaj(const MigawkaDowodu& d) {
    for (CelDowodu cel : {CelDowodu::Najkrotsza, CelDowodu::Najdluzsza}) {
        const MigawkaCeluDowodu& c = d.Cel(cel);
        if (c.trasa)
            trasy_[Indeks(cel)] = *c.trasa;
        if (c.rozwiazanie) {
            rozwiazania_[Indeks(cel)] = *c.rozwiazanie;
            noweRozwiazanie_[Indeks(cel)] = true;
        }
    }
    // The shortest route's last chart and LP solution, its route proven or
    // not, stay until the longest route has something to show.
    if (pokazany_ == CelDowodu::Najkrotsza && d.biezacy == CelDowodu::Najdluzsza
        && !std::isnan(d.Cel(CelDowodu::Najdluzsza).dlugosc)) {
        pokazany_ = CelDowodu::Najdluzsza;
        Wykres->Wyczysc(czasSzukania_, pokazany_);
        Rysunek->Wyczysc();
        narysowanaUdowodniona_ = false;
    }
}

void TObliczDowodForm::Pokaz(const MigawkaSesji& m, bool /*koniec*/) {
    const auto& d = std::get<MigawkaDowodu>(m.metoda);
    Zapamietaj(d);
    const bool najdluzsza = pokazany_ == CelDowodu::Najdluzsza;
    const bool calkowita = Calkowita();
    const MigawkaCeluDowodu& p = d.Cel(pokazany_);
    CzasLabel->setText(TekstCzasu(m.sekundy, czasSzukania_));
    NajkrotszaLabel->setText(TekstTrasy(d, CelDowodu::Najkrotsza));
    NajdluzszaLabel->setText(TekstTrasy(d, CelDowodu::Najdluzsza));

    // Proven, the bound is the route's length: in the grid's cells it may
    // stop short of it by the proof's tolerance, which no length shown
    // tells apart.
    const double granica = p.udowodniona ? p.dlugosc : p.granica;
    const QString tekstTrasy = std::isfinite(p.dlugosc) ? TekstDlugosci(p.dlugosc, calkowita) : QString();
    const QString tekstGranicy = std::isfinite(granica) ? TekstGranicy(granica, najdluzsza, calkowita) : QString();
    (najdluzsza ? GornaLabel : DolnaLabel)->setText(tekstGranicy);
    (najdluzsza ? DolnaLabel : GornaLabel)->setText(tekstTrasy);
    LukaLabel->setText(p.udowodniona ? TekstLuki(0.0) : p.lukaProcent ? TekstLuki(*p.lukaProcent) : QString());
    WezlyLabel->setText(TekstWezlow(p));
    CieciaLabel->setText(TekstCiec(p));
    Wykres->Pokaz(p.historia, m.sekundy);
    Rysuj(p);
}

QString TObliczDowodForm::TekstWezlow(const MigawkaCeluDowodu& p) {
    QString tekst = QStringLiteral("%1 (otwarte : %2").arg(p.wezly).arg(p.otwarte);
    if (p.nierozwiazane > 0)
        tekst += QStringLiteral(", nierozwiązane : %1").arg(p.nierozwiazane);
    return tekst + QLatin1Char(')');
}

QString TObliczDowodForm::TekstCiec(const MigawkaCeluDowodu& p) {
    return QStringLiteral("%1 (w LP : podcykle %2, kwiaty %3, grzebienie %4)")
        .arg(p.ciecia)
        .arg(p.podcykleWLP)
        .arg(p.kwiatyWLP)
        .arg(p.grzebienieWLP);
}

void TObliczDowodForm::Rysuj(const MigawkaCeluDowodu& p) {
    // The proven route replaces the last LP solution, which may be a
    // branch's.
    const int i = Indeks(pokazany_);
    if (p.udowodniona) {
        if (!narysowanaUdowodniona_ && !trasy_[std::size_t(i)].empty()) {
            Rysunek->UstawRozwiazanie(krawedzieTrasy(trasy_[std::size_t(i)]));
            narysowanaUdowodniona_ = true;
        }
    } else if (noweRozwiazanie_[std::size_t(i)]) {
        Rysunek->UstawRozwiazanie(rozwiazania_[std::size_t(i)]);
        noweRozwiazanie_[std::size_t(i)] = false;
    }
}

QString TObliczDowodForm::TekstTrasy(const MigawkaDowodu& d, CelDowodu cel) const {
    const MigawkaCeluDowodu& c = d.Cel(cel);
    if (std::isnan(c.dlugosc)) {
        // Before its first route the local search looks for one; a route
        // not yet begun shows nothing.
        return cel == d.biezacy && !Sesja()->Skonczona() ? QStringLiteral("szukanie pierwszej trasy") : QString();
    }
    // Branch and cut proves the cells' routes to within a millionth.
    return TekstDowodu(c.dlugosc, c.udowodniona, c.lukaProcent, Calkowita(), !Calkowita());
}
