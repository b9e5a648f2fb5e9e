#include "ui/TObliczLokalnieForm.h"

#include "search/ZestawMiast.h"
#include "search/sesja/SesjaSzukania.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/TekstDlugosci.h"
#include "ui/WykresPrzeszukiwania.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

// Ten displays a second: the labels and the chart follow the search closely
// at a small share of the interface thread.
constexpr int OkresWyswietlania = 100;
// A route of tens of thousands of cities costs a repaint of the whole grid:
// drawn at most twice a second, however often the search improves it.
constexpr int OkresTrasy = 500;
constexpr int WysokoscWykresu = 240;
// The lower bound after the search, for the summary's gap: a tenth of the
// search's time.
constexpr double CzescNaOgraniczenie = 0.1;

} // namespace

TObliczLokalnieForm::TObliczLokalnieForm(OknoGlowne& oknoGlowne, QWidget* parent)
    : TOknoObliczen(oknoGlowne, parent, OkresWyswietlania) {
    setWindowTitle(QStringLiteral("Przeszukiwanie lokalne"));
    setFont(formFont());

    Label1 = new QLabel(QStringLiteral("Czas szukania : "), this);
    CzasLabel = new QLabel(this);
    Label2 = new QLabel(QStringLiteral("Ilość rund : "), this);
    RundyLabel = new QLabel(this);
    Label3 = new QLabel(QStringLiteral("Najkrótsza droga : "), this);
    NajkrotszaDrogaLabel = new QLabel(this);
    RysujTraseCheck = new QCheckBox(QStringLiteral("Rysuj trasę"), this);

    Wykres = new WykresPrzeszukiwania(this);
    UlozZWykresem({{{Label1, CzasLabel}, {Label2, RundyLabel}, {Label3, NajkrotszaDrogaLabel}}},
                  RysujTraseCheck, Wykres, WysokoscWykresu);
    connect(RysujTraseCheck, &QCheckBox::toggled, this, handler([this] { RysujTraseCheckClick(); }));
}

int TObliczLokalnieForm::Uruchom(int czasSzukania) {
    return TOknoObliczen::Uruchom([czasSzukania] {
        UstawieniaSesji u;
        u.metoda = MetodaSesji::Lokalnie;
        u.limitSekund = czasSzukania;
        u.sekundyGranicy = CzescNaOgraniczenie * czasSzukania;
        return u;
    });
}

void TObliczLokalnieForm::Wyczysc(const UstawieniaSesji& ustawienia) {
    czasSzukania_ = int(ustawienia.limitSekund);
    CzasLabel->clear();
    RundyLabel->clear();
    NajkrotszaDrogaLabel->clear();
    Wykres->Wyczysc(ustawienia.limitSekund);
    najlepsza_.clear();
    nowaTrasa_ = false;
    ostatnieRysowanie_.invalidate();
}

void TObliczLokalnieForm::Pokaz(const MigawkaSesji& m, bool koniec) {
    const auto& l = std::get<MigawkaLokalna>(m.metoda);
    // The search's own clock: the figure its limit and its chart read; it
    // stops at the limit while the bound after the search runs.
    const double sekundy = koniec ? m.sekundy : std::min(m.sekundy, double(czasSzukania_));
    CzasLabel->setText(TekstCzasu(sekundy, czasSzukania_));
    RundyLabel->setText(QString::number(l.rundy));
    if (std::isfinite(l.najlepsza))
        NajkrotszaDrogaLabel->setText(TekstDlugosci(l.najlepsza, Calkowita()));
    Wykres->Pokaz(l.zbieznosc, sekundy);
    if (m.trasa) {
        najlepsza_ = *m.trasa;
        nowaTrasa_ = true;
    }
    if (RysujTraseCheck->isChecked())
        RysujNajlepsza();
    // The search's running figure is summed move by move; the route's own
    // length, as the summary gives it, has the last word.
    if (koniec && Wynik().najkrotsza)
        NajkrotszaDrogaLabel->setText(TekstDlugosci(Wynik().najkrotsza->dlugosc, Calkowita()));
}

void TObliczLokalnieForm::RysujNajlepsza() {
    if (!nowaTrasa_ || (ostatnieRysowanie_.isValid() && ostatnieRysowanie_.elapsed() < OkresTrasy))
        return;
    if (int(najlepsza_.size()) != Miasta().Ilosc())
        return;
    oknoGlowne_.RysujTrase(najlepsza_);
    nowaTrasa_ = false;
    ostatnieRysowanie_.start();
}

void TObliczLokalnieForm::RysujTraseCheckClick() {
    // The next tick draws the best route so far even without an improvement.
    if (RysujTraseCheck->isChecked()) {
        nowaTrasa_ = !najlepsza_.empty();
        ostatnieRysowanie_.invalidate();
    }
}
