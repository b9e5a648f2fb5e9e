#include "ui/TObliczForm.h"

#include "search/ZestawMiast.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/WynikModalny.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TObliczForm::TObliczForm(OknoGlowne& oknoGlowne, QWidget* parent) : TOknoObliczen(parent), oknoGlowne_(oknoGlowne) {
    setWindowTitle(QStringLiteral("Obliczanie"));
    setFont(formFont());

    Label1 = new QLabel(QStringLiteral("Procent zaawansowania : "), this);
    ProcentLabel = new QLabel(QStringLiteral("ProcentLabel"), this);

    auto* postep = new QHBoxLayout;
    postep->addWidget(Label1);
    postep->addWidget(ProcentLabel, 1);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(postep);
    uklad->addStretch(1);
    uklad->addLayout(UkladPrzyciskow());
    resize(320, 110);

    Timer.setInterval(100);
    connect(&Timer, &QTimer::timeout, this, handler([this] { TimerTimer(); }));
}

TObliczForm::~TObliczForm() {
    FormDestroy();
}

int TObliczForm::Uruchom(int tryb, const QString& ileLosowan) {
    Tryb = tryb;
    IleLosowan = ileLosowan;
    return exec();
}

void TObliczForm::PrzygotujObliczenia() {
    ProcentLabel->clear();
    Watek.reset();
    Watek = std::make_unique<TObliczThread>();
    Watek->Odleglosci = &oknoGlowne_.SlotOdleglosci();
    Watek->Budowa.Zamow(&oknoGlowne_.Zestaw().metryka, &oknoGlowne_.SlotOdleglosci());
    Watek->IloscMiast = oknoGlowne_.Zestaw().Ilosc();
    if (Tryb == TrybObliczen::Losowo)
        Watek->IleLosowan = StrToInt(IleLosowan);
    Watek->Tryb = Tryb;
}

void TObliczForm::UsunObliczenia() {
    Watek.reset();
}

void TObliczForm::PoUruchomieniu() {
    Timer.start();
}

void TObliczForm::ZatrzymajWyswietlanie() {
    Timer.stop();
}

WynikObliczen TObliczForm::Wynik() const {
    if (!Watek)
        return {};
    return {Watek->NajlepszaTrasa, double(Watek->NajkrotszaDroga), double(Watek->NajdluzszaDroga), {}, -1.0};
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
    if (const std::optional<int> budowa = Watek->Budowa.Procent()) {
        ProcentLabel->setText(TekstBudowy(*budowa));
    } else if (Tryb == TrybObliczen::Permutacje) {
        const std::optional<int> procent = Watek->ProcentPermutacji();
        ProcentLabel->setText(procent ? TekstProcentu(std::uint32_t(*procent), 100) : TekstProcentu(0, 0));
    } else if (Tryb == TrybObliczen::Losowo) {
        const auto zrobione = static_cast<std::uint32_t>(std::max(0, Watek->NrLosowania.load()));
        const auto wszystkie = static_cast<std::uint32_t>(std::max(0, Watek->IleLosowan));
        ProcentLabel->setText(TekstProcentu(zrobione, wszystkie));
    }
    // Once the search is over, the worker is left held and reclaimed when
    // it is destroyed.
    if (Watek->Zakonczony.load()) {
        Trwa = false;
        done(WynikModalny::OK);
    } else if (PokazNiepowodzenie()) {
        done(WynikModalny::Przerwano);
    } else {
        Watek->release();
    }
}
