#include "ui/TObliczDowodForm.h"

#include "search/JestTrasa.h"
#include "search/ZestawMiast.h"
#include "toolkit/core/DecimalConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/RysunekLP.h"
#include "ui/TekstDlugosci.h"
#include "ui/TekstDowodu.h"
#include "ui/WykresGranic.h"
#include "ui/WynikModalny.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

// Ten displays a second, as the other progress windows.
constexpr int OkresWyswietlania = 100;
constexpr int WysokoscWykresu = 240;
constexpr int BokRysunku = 280;
// One thread for each core of a small machine in the local search that
// gives the first routes; branch and cut itself runs on one.
constexpr int WatkiSzukania = 2;

// A route as an LP solution: each of its edges whole.
std::vector<PostepDowodu::KrawedzLP> krawedzieTrasy(const std::vector<int>& trasa) {
    std::vector<PostepDowodu::KrawedzLP> krawedzie;
    for (std::size_t i = 0; i < trasa.size() && trasa.size() > 1; ++i)
        krawedzie.push_back({trasa[i], trasa[(i + 1) % trasa.size()], 1.0});
    return krawedzie;
}

} // namespace

TObliczDowodForm::TObliczDowodForm(OknoGlowne& oknoGlowne, QWidget* parent)
    : TOknoObliczen(parent), oknoGlowne_(oknoGlowne) {
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
    Wykres = new WykresGranic(this);
    Rysunek = new RysunekLP(this);

    auto* wartosci = new QGridLayout;
    const std::pair<QLabel*, QLabel*> wiersze[] = {
        {Label1, CzasLabel},  {Label2, NajkrotszaLabel}, {Label3, NajdluzszaLabel}, {Label4, DolnaLabel},
        {Label5, GornaLabel}, {Label6, WezlyLabel},      {Label7, CieciaLabel}};
    int wiersz = 0;
    for (const auto& [etykieta, wartosc] : wiersze) {
        wartosci->addWidget(etykieta, wiersz, 0);
        wartosci->addWidget(wartosc, wiersz, 1);
        ++wiersz;
    }
    wartosci->setColumnStretch(1, 1);
    // Room for the longest texts, so that the window never resizes.
    wartosci->setColumnMinimumWidth(
        1, fontMetrics().horizontalAdvance(QStringLiteral("0000000,0 (") + TekstLuki(100.0) + QLatin1Char(')')) + 8);
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

    Timer.setInterval(OkresWyswietlania);
    connect(&Timer, &QTimer::timeout, this, handler([this] { TimerTimer(); }));
}

TObliczDowodForm::~TObliczDowodForm() {
    FormDestroy();
}

int TObliczDowodForm::Uruchom(int czasSzukania) {
    CzasSzukania = czasSzukania;
    return exec();
}

void TObliczDowodForm::PrzygotujObliczenia() {
    for (QLabel* l : {CzasLabel, NajkrotszaLabel, NajdluzszaLabel, DolnaLabel, GornaLabel, WezlyLabel, CieciaLabel})
        l->clear();
    Wykres->Wyczysc(CzasSzukania, CelDowodu::Najkrotsza);
    const ZestawMiast& zestaw = oknoGlowne_.Zestaw();
    Rysunek->UstawMiasta(zestaw, oknoGlowne_.PunktyWidoku());
    pokazany_ = CelDowodu::Najkrotsza;
    narysowanaUdowodniona_ = false;

    UsunObliczenia();
    Watek = std::make_unique<TDowodThread>();
    Watek->UstawMiasta(zestaw.metryka);
    Watek->Najkrotsza = true;
    Watek->Najdluzsza = true;
    Watek->Ustawienia.limitSekund = CzasSzukania;
    Watek->Ustawienia.ziarno = static_cast<std::uint64_t>(std::time(nullptr));
    Watek->Ustawienia.watki = WatkiSzukania;
    connect(Watek.get(), &QThread::finished, this, &TObliczDowodForm::PoZakonczeniuThreada);
}

void TObliczDowodForm::UsunObliczenia() {
    if (Watek)
        disconnect(Watek.get(), nullptr, this, nullptr);
    Watek.reset();
}

void TObliczDowodForm::PoUruchomieniu() {
    Timer.start();
}

void TObliczDowodForm::ZatrzymajWyswietlanie() {
    Timer.stop();
}

int TObliczDowodForm::WynikZakonczenia() const {
    return Watek && Watek->Zakonczony.load() && Najkrotsza().Dlugosc > -1.0 ? int(WynikModalny::OK)
                                                                             : int(WynikModalny::Przerwano);
}

QString TObliczDowodForm::TekstCzasu(double sekundy, int limit) {
    return QStringLiteral("%1 s z %2 s").arg(FormatOneDecimal(sekundy)).arg(limit);
}

DlugoscZDowodem TObliczDowodForm::Najkrotsza() const {
    if (!Watek || !Watek->Zakonczony.load())
        return {};
    const WynikDowodu& w = Watek->WynikNajkrotszej;
    if (!JestTrasa(w.trasa, oknoGlowne_.Zestaw().Ilosc()))
        return {};
    return {w.dlugosc, w.granica, w.udowodniona};
}

DlugoscZDowodem TObliczDowodForm::Najdluzsza() const {
    // A finish while the shortest route was proven ended it there: the
    // longest route was never searched for.
    if (!Watek || !Watek->Zakonczony.load() || Watek->WynikNajkrotszej.przerwana)
        return {};
    const WynikDowodu& w = Watek->WynikNajdluzszej;
    if (!JestTrasa(w.trasa, oknoGlowne_.Zestaw().Ilosc()))
        return {};
    return {w.dlugosc, w.granica, w.udowodniona};
}

WynikObliczen TObliczDowodForm::Wynik() const {
    const DlugoscZDowodem najkrotsza = Najkrotsza();
    if (!(najkrotsza.Dlugosc > -1.0))
        return {};
    return {Watek->WynikNajkrotszej.trasa, najkrotsza.Dlugosc, Najdluzsza().Dlugosc, {}, SekundyPracy()};
}

double TObliczDowodForm::SekundyPracy() const {
    // An ended proof's time is the one it ended at, not the clock's now.
    if (Watek->hasEnded() && Watek->Zakonczony.load())
        return Watek->WynikNajdluzszej.sekundy;
    return Watek->CzasPracy();
}

void TObliczDowodForm::TimerTimer() {
    if (!Watek) {
        Timer.stop();
        return;
    }
    PokazPostep();
}

void TObliczDowodForm::PokazPostep() {
    // The shortest route's last chart and LP solution, its route proven or
    // not, stay until the longest route has something to show.
    if (pokazany_ == CelDowodu::Najkrotsza && Watek->Biezacy() == CelDowodu::Najdluzsza
        && !std::isnan(Watek->Postep(CelDowodu::Najdluzsza).Dlugosc())) {
        pokazany_ = CelDowodu::Najdluzsza;
        Wykres->Wyczysc(CzasSzukania, pokazany_);
        Rysunek->Wyczysc();
        narysowanaUdowodniona_ = false;
    }
    const CelDowodu cel = pokazany_;
    const bool najdluzsza = cel == CelDowodu::Najdluzsza;
    const bool calkowita = oknoGlowne_.Zestaw().metryka.Calkowita();
    PostepDowodu& p = Watek->Postep(cel);
    // The worker's own clock: the figure its limit and the chart read.
    const double sekundy = SekundyPracy();
    CzasLabel->setText(TekstCzasu(sekundy, CzasSzukania));
    NajkrotszaLabel->setText(TekstTrasy(CelDowodu::Najkrotsza));
    NajdluzszaLabel->setText(TekstTrasy(CelDowodu::Najdluzsza));

    const double dlugosc = p.Dlugosc();
    // Proven, the bound is the route's length: in the grid's cells it may
    // stop short of it by the proof's tolerance, which no length shown
    // tells apart.
    const double granica = p.Udowodniona() ? dlugosc : p.Granica();
    const QString tekstTrasy = std::isfinite(dlugosc) ? TekstDlugosci(dlugosc, calkowita) : QString();
    const QString tekstGranicy = std::isfinite(granica) ? TekstGranicy(granica, najdluzsza, calkowita) : QString();
    (najdluzsza ? GornaLabel : DolnaLabel)->setText(tekstGranicy);
    (najdluzsza ? DolnaLabel : GornaLabel)->setText(tekstTrasy);
    WezlyLabel->setText(QStringLiteral("%1 (otwarte : %2)").arg(p.Wezly()).arg(p.Otwarte()));
    CieciaLabel->setText(QString::number(p.Ciecia()));

    Wykres->Pokaz(p.Historia(), sekundy);
    // This thread is the one reader of the solution and of the route. The
    // proven route replaces the last LP solution, which may be a branch's.
    if (p.Udowodniona()) {
        if (!narysowanaUdowodniona_) {
            p.WezTrase();
            Rysunek->UstawRozwiazanie(krawedzieTrasy(p.Trasa().trasa));
            narysowanaUdowodniona_ = true;
        }
    } else if (p.WezRozwiazanie()) {
        Rysunek->UstawRozwiazanie(p.Rozwiazanie().krawedzie);
    }
}

QString TObliczDowodForm::TekstTrasy(CelDowodu cel) const {
    const PostepDowodu& p = Watek->Postep(cel);
    if (std::isnan(p.Dlugosc())) {
        // Before its first route the local search looks for one; a route
        // not yet begun shows nothing.
        return cel == Watek->Biezacy() && !Watek->hasEnded() ? QStringLiteral("szukanie pierwszej trasy") : QString();
    }
    const DlugoscZDowodem d{p.Dlugosc(), p.Granica(), p.Udowodniona()};
    return TekstDowodu(d, cel == CelDowodu::Najdluzsza, oknoGlowne_.Zestaw().metryka.Calkowita());
}

void TObliczDowodForm::PoZakonczeniuThreada() {
    // Only the end of this window's current search counts; a late
    // notification of an earlier run is ignored.
    if (!Watek || sender() != Watek.get() || !Trwa || !Watek->hasEnded())
        return;
    if (PokazNiepowodzenie()) {
        done(WynikModalny::Przerwano);
        return;
    }
    Timer.stop();
    PokazPostep();
    Trwa = false;
    done(WynikModalny::OK);
}
