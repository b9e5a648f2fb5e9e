#include "ui/TObliczForm.h"

#include "grid/CMatryca.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/TSzukajTraseForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {

const QString WstrzymajTekst = QStringLiteral("Wstrzymaj");
const QString WznowTekst = QStringLiteral("Wznów");

} // namespace

TObliczForm::TObliczForm(OknoGlowne& oknoGlowne, QWidget* parent) : TOknoObliczen(parent), oknoGlowne_(oknoGlowne) {
    setWindowTitle(QStringLiteral("Obliczanie"));
    setFont(formFont());

    Label1 = new QLabel(QStringLiteral("Procent zaawansowania : "), this);
    ProcentLabel = new QLabel(QStringLiteral("ProcentLabel"), this);
    WstrzymajButton = new QPushButton(WstrzymajTekst, this);
    ZakonczButton = new QPushButton(QStringLiteral("Zakończ"), this);

    auto* postep = new QHBoxLayout;
    postep->addWidget(Label1);
    postep->addWidget(ProcentLabel, 1);
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(WstrzymajButton);
    przyciski->addStretch(1);
    przyciski->addWidget(ZakonczButton);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(postep);
    uklad->addStretch(1);
    uklad->addLayout(przyciski);
    resize(320, 110);

    Timer.setInterval(100);
    connect(&Timer, &QTimer::timeout, this, handler([this] { TimerTimer(); }));
    connect(WstrzymajButton, &QPushButton::clicked, this, handler([this] { WstrzymajButtonClick(); }));
    connect(ZakonczButton, &QPushButton::clicked, this, handler([this] { ZakonczButtonClick(); }));
}

TObliczForm::~TObliczForm() {
    FormDestroy();
}

void TObliczForm::PoNieudanymPokazie() {
    Timer.stop();
    Trwa = false;
    Watek.reset();
}

void TObliczForm::FormShow() {
    ProcentLabel->clear();
    WstrzymajButton->setText(WstrzymajTekst);
    // A run finished early leaves Trwa set; it must not outlive that run.
    Trwa = false;

    Watek.reset();
    Watek = std::make_unique<TObliczThread>();
    Watek->Odleglosci = &oknoGlowne_.SlotOdleglosci();
    Watek->IloscMiast = oknoGlowne_.Matryca().GetPointCount();
    if (Tryb == 2) {
        if (!SzukajTraseForm)
            throw std::logic_error("TObliczForm: no search dialog to read the number of draws from");
        Watek->IleLosowan = StrToInt(SzukajTraseForm->IleLosowanEdit->text());
    }
    Watek->Tryb = Tryb;

    Trwa = true;
    Watek->release();
    Timer.start();
}

QString TObliczForm::TekstProcentu(std::uint32_t zrobione, std::uint32_t wszystkie) {
    if (wszystkie == 0)
        return QStringLiteral("Trudno powiedzieć!!!");
    // Exact in 64 bits: 100 times any 32-bit count fits.
    const std::uint64_t procent = std::uint64_t(zrobione) * 100u / wszystkie;
    return QString::number(procent) + QStringLiteral(" % ");
}

void TObliczForm::TimerTimer() {
    if (!Watek) {
        Timer.stop();
        return;
    }
    // Holds nest, so a tick inside the user's pause leaves the worker paused.
    Watek->hold();
    if (Tryb == 1) {
        ProcentLabel->setText(TekstProcentu(Watek->NrPermutacji.load(), Watek->IlePermutacji.load()));
    } else if (Tryb == 2) {
        const auto zrobione = static_cast<std::uint32_t>(std::max(0, Watek->NrLosowania.load()));
        const auto wszystkie = static_cast<std::uint32_t>(std::max(0, Watek->IleLosowan));
        ProcentLabel->setText(TekstProcentu(zrobione, wszystkie));
    }
    if (Watek->Zakonczony.load()) {
        // The search is over; the worker is left held and reclaimed when it
        // is destroyed.
        Trwa = false;
        done(1);
    } else {
        Watek->release();
    }
}

void TObliczForm::WstrzymajButtonClick() {
    if (!Watek || !Trwa)
        return;
    if (WstrzymajButton->text() == WstrzymajTekst) {
        WstrzymajButton->setText(WznowTekst);
        Watek->hold();
    } else {
        WstrzymajButton->setText(WstrzymajTekst);
        Watek->release();
    }
}

void TObliczForm::ZakonczButtonClick() {
    close();
}

void TObliczForm::FormClose(int& wynik, bool& zamknij) {
    if (Trwa) {
        QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Pytanie"),
                            QStringLiteral("Czy na pewno chcesz zakończyć obliczanie?"),
                            QMessageBox::Yes | QMessageBox::No, this);
        if (pytanie.exec() != QMessageBox::Yes) {
            zamknij = false;
            return;
        }
        // No tick while the window waits for the worker.
        Timer.stop();
        if (Watek) {
            // The request comes first, so that a paused worker, once
            // released, stops at its next check without evaluating more.
            Watek->requestFinish();
            if (Watek->isHeld())
                Watek->release();
            Watek->waitForEnd();
        }
        wynik = 7;
    }
    Timer.stop();
}

void TObliczForm::FormDestroy() {
    Timer.stop();
    Watek.reset();
}



