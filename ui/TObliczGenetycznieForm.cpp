#include "ui/TObliczGenetycznieForm.h"

#include "search/ZestawMiast.h"
#include "search/sesja/SesjaSzukania.h"
#include "toolkit/core/DecimalConvert.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/TekstDlugosci.h"
#include "ui/WykresZbieznosci.h"

#include <QCheckBox>
#include <QLabel>

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
    : TOknoObliczen(oknoGlowne, parent, OkresWyswietlania) {
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
    connect(RysujTraseCheck, &QCheckBox::toggled, this, handler([this] { RysujTraseCheckClick(); }));
}

int TObliczGenetycznieForm::Uruchom(const UstawieniaGenetyczne& tekst) {
    return TOknoObliczen::Uruchom([tekst] {
        UstawieniaSesji u;
        u.metoda = MetodaSesji::Genetycznie;
        u.populacja = StrToInt(tekst.LicznoscPopulacji);
        u.krzyzowanie = StrToFloat(tekst.PKrzyzowania);
        u.mutacja = StrToFloat(tekst.PMutacji);
        u.pokolenia = StrToInt(tekst.IlePokolen);
        return u;
    });
}

void TObliczGenetycznieForm::Wyczysc(const UstawieniaSesji& /*ustawienia*/) {
    IlePokolenLabel->clear();
    NrPokoleniaLabel->clear();
    NajkrotszaDrogaLabel->clear();
    Wykres->Wyczysc();
    odswiezenieWykresu_.invalidate();
    OstatniaDroga = -1.0;
}

void TObliczGenetycznieForm::Wyswietl(const StanGenetyka& stan) {
    IlePokolenLabel->setText(QString::number(stan.IlePokolen));
    NrPokoleniaLabel->setText(QString::number(stan.NrPokolenia));
    if (stan.Droga < OstatniaDroga || OstatniaDroga == -1.0) {
        OstatniaDroga = stan.Droga;
        NajkrotszaDrogaLabel->setText(TekstDlugosci(stan.Droga, Calkowita()));
        if (RysujTraseCheck->isChecked() && int(stan.Geny.size()) == oknoGlowne_.ZestawSzukania()->Ilosc())
            oknoGlowne_.RysujTrase(stan.Geny);
    }
    if (!odswiezenieWykresu_.isValid() || odswiezenieWykresu_.elapsed() >= OkresWykresu || stan.Wstrzymany) {
        Wykres->Pokaz(stan.Zbieznosc);
        odswiezenieWykresu_.start();
    }
}

void TObliczGenetycznieForm::Pokaz(const MigawkaSesji& m, bool koniec) {
    const auto& g = std::get<MigawkaGenetyki>(m.metoda);
    if (!koniec) {
        if (g.stan)
            Wyswietl(*g.stan);
        else if (m.procentBudowy)
            NrPokoleniaLabel->setText(TekstBudowy(*m.procentBudowy));
        return;
    }
    // The first state, if no tick came to show it, and then the last, each
    // with its whole chart.
    std::optional<StanGenetyka> stan = g.stan;
    while (stan) {
        odswiezenieWykresu_.invalidate();
        Wyswietl(*stan);
        const MigawkaSesji nastepna = Sesja()->Migawka();
        stan = std::get<MigawkaGenetyki>(nastepna.metoda).stan;
    }
}

void TObliczGenetycznieForm::RysujTraseCheckClick() {
    // The next display step then draws the current best route even without
    // an improvement.
    if (RysujTraseCheck->isChecked())
        OstatniaDroga = -1.0;
}
