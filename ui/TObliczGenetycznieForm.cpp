#include "ui/TObliczGenetycznieForm.h"

#include "search/ZestawMiast.h"
#include "toolkit/core/DecimalConvert.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/TekstDlugosci.h"
#include "ui/WykresZbieznosci.h"
#include "ui/WynikModalny.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

// 33 displays a second: as fast as the eye follows, a small share of the
// interface thread.
constexpr int OkresWyswietlania = 30;
// The chart is redrawn at most 10 times a second: enough to watch the curve
// fall, while each redraw of its 4,000 points costs the interface thread far
// more than the labels do.
constexpr int OkresWykresu = 100;
constexpr int WysokoscWykresu = 240;

} // namespace

TObliczGenetycznieForm::TObliczGenetycznieForm(OknoGlowne& oknoGlowne, QWidget* parent)
    : TOknoObliczen(parent), oknoGlowne_(oknoGlowne) {
    setWindowTitle(QStringLiteral("Rozwiązanie genetyczne"));
    setFont(formFont());

    Label2 = new QLabel(QStringLiteral("Ilość pokoleń : "), this);
    IlePokolenLabel = new QLabel(this);
    Label1 = new QLabel(QStringLiteral("Aktualne pokolenie : "), this);
    NrPokoleniaLabel = new QLabel(this);
    Label3 = new QLabel(QStringLiteral("Najkrótsza droga : "), this);
    NajkrotszaDrogaLabel = new QLabel(this);
    RysujTraseCheck = new QCheckBox(QStringLiteral("Rysuj trasę"), this);

    Wykres = new WykresZbieznosci(this);
    UlozZWykresem({{{Label2, IlePokolenLabel}, {Label1, NrPokoleniaLabel}, {Label3, NajkrotszaDrogaLabel}}},
                  RysujTraseCheck, Wykres, WysokoscWykresu);

    Timer.setInterval(OkresWyswietlania);
    connect(&Timer, &QTimer::timeout, this, handler([this] { TimerTimer(); }));

    connect(RysujTraseCheck, &QCheckBox::toggled, this, handler([this] { RysujTraseCheckClick(); }));
}

TObliczGenetycznieForm::~TObliczGenetycznieForm() {
    FormDestroy();
}

int TObliczGenetycznieForm::Uruchom(const UstawieniaGenetyczne& ustawienia) {
    Ustawienia = ustawienia;
    return exec();
}

void TObliczGenetycznieForm::PrzygotujObliczenia() {
    IlePokolenLabel->clear();
    NrPokoleniaLabel->clear();
    NajkrotszaDrogaLabel->clear();
    Wykres->Wyczysc();
    odswiezenieWykresu_.invalidate();

    UsunObliczenia();
    Genetyk = std::make_unique<CGenetyk>();
    Genetyk->Odleglosci = &oknoGlowne_.SlotOdleglosci();
    Genetyk->Budowa.Zamow(&oknoGlowne_.Zestaw().metryka, &oknoGlowne_.SlotOdleglosci());
    Genetyk->ZamowRozmiar(StrToInt(Ustawienia.LicznoscPopulacji), oknoGlowne_.Zestaw().Ilosc());
    Genetyk->PKrzyzowania = StrToFloat(Ustawienia.PKrzyzowania);
    Genetyk->PMutacji = StrToFloat(Ustawienia.PMutacji);
    Genetyk->IlePokolen = StrToInt(Ustawienia.IlePokolen);
    connect(Genetyk.get(), &QThread::finished, this, &TObliczGenetycznieForm::PoZakonczeniuThreada);
    OstatniaDroga = -1.0;
}

void TObliczGenetycznieForm::UsunObliczenia() {
    if (Genetyk)
        disconnect(Genetyk.get(), nullptr, this, nullptr);
    Genetyk.reset();
}

WynikObliczen TObliczGenetycznieForm::Wynik() const {
    if (!Genetyk)
        return {};
    return {Genetyk->Najlepszy().Geny, Genetyk->Najlepszy().Droga, -1.0, Genetyk->Zbieznosc(), -1.0};
}

void TObliczGenetycznieForm::PoUruchomieniu() {
    Timer.start();
}

void TObliczGenetycznieForm::ZatrzymajWyswietlanie() {
    Timer.stop();
}

void TObliczGenetycznieForm::Wyswietl(const StanGenetyka& stan) {
    IlePokolenLabel->setText(QString::number(stan.IlePokolen));
    NrPokoleniaLabel->setText(QString::number(stan.NrPokolenia));
    if (stan.Droga < OstatniaDroga || OstatniaDroga == -1.0) {
        OstatniaDroga = stan.Droga;
        NajkrotszaDrogaLabel->setText(TekstDlugosci(stan.Droga, oknoGlowne_.Zestaw().metryka.Calkowita()));
        if (RysujTraseCheck->isChecked() && int(stan.Geny.size()) == oknoGlowne_.Zestaw().Ilosc())
            oknoGlowne_.RysujTrase(stan.Geny.data());
    }
    if (!odswiezenieWykresu_.isValid() || odswiezenieWykresu_.elapsed() >= OkresWykresu || stan.Wstrzymany) {
        Wykres->Pokaz(stan.Zbieznosc);
        odswiezenieWykresu_.start();
    }
}

void TObliczGenetycznieForm::TimerTimer() {
    if (!Genetyk) {
        Timer.stop();
        return;
    }
    if (const StanGenetyka* stan = Genetyk->NowyStan())
        Wyswietl(*stan);
    else if (const std::optional<int> budowa = Genetyk->Budowa.Procent())
        NrPokoleniaLabel->setText(TekstBudowy(*budowa));
}

void TObliczGenetycznieForm::PokazKoniec() {
    Timer.stop();
    if (!Genetyk || !Genetyk->hasEnded())
        return;
    // The first state, if no tick came to show it, and then the last, each
    // with its whole chart.
    while (const StanGenetyka* stan = Genetyk->NowyStan()) {
        odswiezenieWykresu_.invalidate();
        Wyswietl(*stan);
    }
}

void TObliczGenetycznieForm::PoZakonczeniuThreada() {
    // Only the end of the search this window is waiting for counts; a late
    // notification of an earlier run is ignored.
    if (!Genetyk || sender() != Genetyk.get() || !Trwa || !Genetyk->hasEnded())
        return;
    // A failed search shows nothing more than it showed while it ran.
    if (PokazNiepowodzenie()) {
        done(WynikModalny::Przerwano);
        return;
    }
    PokazKoniec();
    Trwa = false;
    done(WynikModalny::OK);
}

void TObliczGenetycznieForm::RysujTraseCheckClick() {
    // The next display step then draws the current best route even without
    // an improvement.
    if (RysujTraseCheck->isChecked())
        OstatniaDroga = -1.0;
}
