#include "ui/TObliczGenetycznieForm.h"

#include "grid/CPunkty.h"
#include "toolkit/core/DecimalConvert.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/WynikModalny.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

    auto* wartosci = new QGridLayout;
    wartosci->addWidget(Label2, 0, 0);
    wartosci->addWidget(IlePokolenLabel, 0, 1);
    wartosci->addWidget(Label1, 1, 0);
    wartosci->addWidget(NrPokoleniaLabel, 1, 1);
    wartosci->addWidget(Label3, 2, 0);
    wartosci->addWidget(NajkrotszaDrogaLabel, 2, 1);
    wartosci->setColumnStretch(1, 1);
    wartosci->setColumnMinimumWidth(1, 120);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(wartosci);
    uklad->addWidget(RysujTraseCheck);
    uklad->addStretch(1);
    uklad->addLayout(UkladPrzyciskow());
    // Fixed border: the size is taken once, so that growing numbers do not
    // resize the window.
    setFixedSize(sizeHint().expandedTo(QSize(300, 160)));

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

    UsunObliczenia();
    Genetyk = std::make_unique<CGenetyk>();
    Genetyk->Odleglosci = &oknoGlowne_.SlotOdleglosci();
    Genetyk->UstawRozmiar(StrToInt(Ustawienia.LicznoscPopulacji), oknoGlowne_.ListaMiast().Count());
    Genetyk->PKrzyzowania = StrToFloat(Ustawienia.PKrzyzowania);
    Genetyk->PMutacji = StrToFloat(Ustawienia.PMutacji);
    Genetyk->IlePokolen = StrToInt(Ustawienia.IlePokolen);
    Genetyk->Wyswietl = [this] { Wyswietl(); };
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
    return {Genetyk->Najlepszy.Geny, Genetyk->Najlepszy.Droga, -1.0, Genetyk->Zbieznosc};
}

void TObliczGenetycznieForm::Wyswietl() {
    if (!Genetyk)
        return;
    const CGenetyk& genetyk = *Genetyk;
    IlePokolenLabel->setText(QString::number(genetyk.IlePokolen));
    NrPokoleniaLabel->setText(QString::number(genetyk.NrPokolenia));
    if (genetyk.Najlepszy.Droga < OstatniaDroga || OstatniaDroga == -1.0) {
        OstatniaDroga = genetyk.Najlepszy.Droga;
        NajkrotszaDrogaLabel->setText(FormatOneDecimal(genetyk.Najlepszy.Droga));
        if (RysujTraseCheck->isChecked())
            oknoGlowne_.RysujTrase(genetyk.Najlepszy.Geny.data());
    }
}

void TObliczGenetycznieForm::PoZakonczeniuThreada() {
    // Only the end of the search this window is waiting for counts; a late
    // notification of an earlier run is ignored.
    if (!Genetyk || sender() != Genetyk.get() || !Trwa || !Genetyk->hasEnded())
        return;
    Trwa = false;
    done(WynikModalny::OK);
}

void TObliczGenetycznieForm::RysujTraseCheckClick() {
    // The next display step then draws the current best route even without
    // an improvement.
    if (RysujTraseCheck->isChecked())
        OstatniaDroga = -1.0;
}
