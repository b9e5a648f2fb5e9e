#include "ui/TObliczGenetycznieForm.h"

#include "grid/CPunkty.h"
#include "toolkit/core/DecimalConvert.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/TSzukajTraseForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

const QString WstrzymajTekst = QStringLiteral("Wstrzymaj");
const QString WznowTekst = QStringLiteral("Wznów");

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
    WstrzymajButton = new QPushButton(WstrzymajTekst, this);
    ZakonczButton = new QPushButton(QStringLiteral("Zakończ"), this);

    auto* wartosci = new QGridLayout;
    wartosci->addWidget(Label2, 0, 0);
    wartosci->addWidget(IlePokolenLabel, 0, 1);
    wartosci->addWidget(Label1, 1, 0);
    wartosci->addWidget(NrPokoleniaLabel, 1, 1);
    wartosci->addWidget(Label3, 2, 0);
    wartosci->addWidget(NajkrotszaDrogaLabel, 2, 1);
    wartosci->setColumnStretch(1, 1);
    wartosci->setColumnMinimumWidth(1, 120);
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(WstrzymajButton);
    przyciski->addStretch(1);
    przyciski->addWidget(ZakonczButton);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(wartosci);
    uklad->addWidget(RysujTraseCheck);
    uklad->addStretch(1);
    uklad->addLayout(przyciski);
    // Fixed border: the size is taken once, so that growing numbers do not
    // resize the window.
    setFixedSize(sizeHint().expandedTo(QSize(300, 160)));

    connect(RysujTraseCheck, &QCheckBox::toggled, this, handler([this] { RysujTraseCheckClick(); }));
    connect(WstrzymajButton, &QPushButton::clicked, this, handler([this] { WstrzymajButtonClick(); }));
    connect(ZakonczButton, &QPushButton::clicked, this, handler([this] { ZakonczButtonClick(); }));
}

TObliczGenetycznieForm::~TObliczGenetycznieForm() {
    FormDestroy();
}

void TObliczGenetycznieForm::PoNieudanymPokazie() {
    Trwa = false;
    Genetyk.reset();
}

void TObliczGenetycznieForm::FormShow() {
    IlePokolenLabel->clear();
    NrPokoleniaLabel->clear();
    NajkrotszaDrogaLabel->clear();
    WstrzymajButton->setText(WstrzymajTekst);
    Trwa = false;

    Genetyk.reset();
    if (!SzukajTraseForm)
        throw std::logic_error("TObliczGenetycznieForm: no search dialog to read the settings from");
    const TSzukajTraseForm& dialog = *SzukajTraseForm;
    Genetyk = std::make_unique<CGenetyk>();
    Genetyk->Odleglosci = &oknoGlowne_.SlotOdleglosci();
    Genetyk->UstawRozmiar(StrToInt(dialog.LicznoscPopulacjiEdit->text()), oknoGlowne_.ListaMiast().Count());
    Genetyk->PKrzyzowania = StrToFloat(dialog.PKrzyzowaniaEdit->text());
    Genetyk->PMutacji = StrToFloat(dialog.PMutacjiEdit->text());
    Genetyk->IlePokolen = StrToInt(dialog.IlePokolenEdit->text());
    Genetyk->Wyswietl = [this] { Wyswietl(); };
    connect(Genetyk.get(), &QThread::finished, this, &TObliczGenetycznieForm::PoZakonczeniuThreada);

    OstatniaDroga = -1.0;
    Trwa = true;
    Genetyk->release();
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
    done(1);
}

void TObliczGenetycznieForm::RysujTraseCheckClick() {
    // The next display step then draws the current best route even without
    // an improvement.
    if (RysujTraseCheck->isChecked())
        OstatniaDroga = -1.0;
}

void TObliczGenetycznieForm::WstrzymajButtonClick() {
    // Without a running search (its settings failed to convert) there is
    // nothing to pause, and a never-started search must stay unstarted.
    if (!Genetyk || !Trwa)
        return;
    if (!Genetyk->isHeld()) {
        WstrzymajButton->setText(WznowTekst);
        Genetyk->hold();
    } else {
        WstrzymajButton->setText(WstrzymajTekst);
        Genetyk->release();
    }
}

void TObliczGenetycznieForm::ZakonczButtonClick() {
    close();
}

void TObliczGenetycznieForm::FormClose(int& wynik, bool& zamknij) {
    if (!Trwa) {
        // Only the end notification closes with 1; any other close without
        // a running search is a cancel.
        if (wynik != 1)
            wynik = 2;
        return;
    }
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Pytanie"),
                        QStringLiteral("Czy na pewno chcesz zakończyć obliczanie?"),
                        QMessageBox::Yes | QMessageBox::No, this);
    if (pytanie.exec() != QMessageBox::Yes) {
        zamknij = false;
        return;
    }
    if (Genetyk) {
        // The request comes first, so that a paused search, once released,
        // stops at its next check instead of running one more generation.
        Genetyk->requestFinish();
        if (Genetyk->isHeld())
            Genetyk->release();
        // Serves the pending display step and the end notification meanwhile.
        Genetyk->waitForEnd();
    }
    // The search has ended; its notification, if still queued, is stale.
    Trwa = false;
    wynik = 7;
}

void TObliczGenetycznieForm::FormDestroy() {
    Trwa = false;
    if (Genetyk)
        disconnect(Genetyk.get(), nullptr, this, nullptr);
    Genetyk.reset();
}



