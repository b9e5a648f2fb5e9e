#include "ui/TObliczLokalnieForm.h"

#include "search/ZestawMiast.h"
#include "search/dolne/LukaDoOptimum.h"
#include "toolkit/core/DecimalConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/TekstDlugosci.h"
#include "ui/WykresPrzeszukiwania.h"
#include "ui/WynikModalny.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

// Ten displays a second: the labels and the chart follow the search closely
// at a small share of the interface thread.
constexpr int OkresWyswietlania = 100;
// A route of tens of thousands of cities costs a repaint of the whole grid:
// drawn at most twice a second, however often the search improves it.
constexpr int OkresTrasy = 500;
constexpr int WysokoscWykresu = 240;
// One search thread per core of a small machine, the interface left its own.
constexpr int WatkiSzukania = 2;
// The lower bound after the search, for the summary's gap: a tenth of the
// search's time.
constexpr double CzescNaOgraniczenie = 0.1;

} // namespace

TObliczLokalnieForm::TObliczLokalnieForm(OknoGlowne& oknoGlowne, QWidget* parent)
    : TOknoObliczen(parent), oknoGlowne_(oknoGlowne) {
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

    Timer.setInterval(OkresWyswietlania);
    connect(&Timer, &QTimer::timeout, this, handler([this] { TimerTimer(); }));
    connect(RysujTraseCheck, &QCheckBox::toggled, this, handler([this] { RysujTraseCheckClick(); }));
}

TObliczLokalnieForm::~TObliczLokalnieForm() {
    FormDestroy();
}

int TObliczLokalnieForm::Uruchom(int czasSzukania) {
    CzasSzukania = czasSzukania;
    return exec();
}

void TObliczLokalnieForm::PrzygotujObliczenia() {
    CzasLabel->clear();
    RundyLabel->clear();
    NajkrotszaDrogaLabel->clear();
    Wykres->Wyczysc(CzasSzukania);
    ostatnieRysowanie_.invalidate();
    rysujBiezaca_ = RysujTraseCheck->isChecked();

    UsunObliczenia();
    Watek = std::make_unique<TObliczLokalnieThread>();
    // Distances are computed from the metric as the search needs them: no
    // table of n x n, which for tens of thousands of cities would not fit.
    Watek->UstawMiasta(oknoGlowne_.Zestaw().metryka);
    Watek->Ustawienia.limitSekund = CzasSzukania;
    Watek->Ustawienia.limitRund = -1;
    Watek->Ustawienia.ziarno = static_cast<std::uint64_t>(std::time(nullptr));
    Watek->Ustawienia.watki = WatkiSzukania;
    const double naOgraniczenie = CzescNaOgraniczenie * CzasSzukania;
    Watek->Ocena = [naOgraniczenie](const Metryka& d, const std::vector<int>& trasa, double dlugosc,
                                    const std::function<bool()>& przerwij, const RunningClock& zegar) {
        return LukaTrasy(d, trasa, dlugosc, naOgraniczenie, przerwij, zegar);
    };
    connect(Watek.get(), &QThread::finished, this, &TObliczLokalnieForm::PoZakonczeniuThreada);
}

void TObliczLokalnieForm::UsunObliczenia() {
    if (Watek)
        disconnect(Watek.get(), nullptr, this, nullptr);
    Watek.reset();
}

void TObliczLokalnieForm::PoUruchomieniu() {
    Timer.start();
}

void TObliczLokalnieForm::ZatrzymajWyswietlanie() {
    Timer.stop();
}

int TObliczLokalnieForm::WynikZakonczenia() const {
    return Watek && Watek->Zakonczony.load() && !Watek->NajlepszaTrasa.empty() ? int(WynikModalny::OK)
                                                                               : int(WynikModalny::Przerwano);
}

WynikObliczen TObliczLokalnieForm::Wynik() const {
    if (!Watek || !Watek->Zakonczony.load())
        return {};
    return {Watek->NajlepszaTrasa, Watek->Dlugosc, -1.0, {}, Watek->Sekundy, Watek->Luka.value_or(-1.0)};
}

QString TObliczLokalnieForm::TekstCzasu(double sekundy, int limit) {
    return QStringLiteral("%1 s z %2 s").arg(FormatOneDecimal(sekundy)).arg(limit);
}

void TObliczLokalnieForm::TimerTimer() {
    if (!Watek) {
        Timer.stop();
        return;
    }
    PokazPostep();
}

void TObliczLokalnieForm::PokazPostep() {
    const PostepPrzeszukiwania* postep = Watek->Postep();
    if (!postep)
        return;
    // The search's own clock: the figure its limit and its chart read.
    // The lower bound that follows the search runs on the same clock: the
    // figure stops at the limit meanwhile.
    const double sekundy = Watek->hasEnded() ? Watek->Sekundy : std::min(Watek->CzasPracy(), double(CzasSzukania));
    CzasLabel->setText(TekstCzasu(sekundy, CzasSzukania));
    RundyLabel->setText(QString::number(postep->Rundy()));
    const double dlugosc = postep->NajlepszaDlugosc();
    if (std::isfinite(dlugosc))
        NajkrotszaDrogaLabel->setText(TekstDlugosci(dlugosc, oknoGlowne_.Zestaw().metryka.Calkowita()));
    Wykres->Pokaz(postep->Zbieznosc(), sekundy);
    if (RysujTraseCheck->isChecked())
        RysujNajlepsza();
}

void TObliczLokalnieForm::RysujNajlepsza() {
    if (ostatnieRysowanie_.isValid() && ostatnieRysowanie_.elapsed() < OkresTrasy)
        return;
    // This thread is the route's one reader.
    PostepPrzeszukiwania* postep = Watek->Postep();
    if (!postep->WezTrase() && !rysujBiezaca_)
        return;
    const std::vector<int>& trasa = postep->Trasa().trasa;
    if (int(trasa.size()) != oknoGlowne_.Zestaw().Ilosc())
        return;
    oknoGlowne_.RysujTrase(trasa.data());
    rysujBiezaca_ = false;
    ostatnieRysowanie_.start();
}

void TObliczLokalnieForm::RysujTraseCheckClick() {
    // The next tick draws the best route so far even without an improvement.
    if (RysujTraseCheck->isChecked()) {
        rysujBiezaca_ = true;
        ostatnieRysowanie_.invalidate();
    }
}

void TObliczLokalnieForm::PoZakonczeniuThreada() {
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
    // The search's running figure is summed move by move; the route's own
    // length, as the summary gives it, has the last word.
    if (!Watek->NajlepszaTrasa.empty())
        NajkrotszaDrogaLabel->setText(TekstDlugosci(Watek->Dlugosc, oknoGlowne_.Zestaw().metryka.Calkowita()));
    Trwa = false;
    done(WynikModalny::OK);
}
