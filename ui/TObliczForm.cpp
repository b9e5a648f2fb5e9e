#include "ui/TObliczForm.h"

#include "toolkit/core/IntConvert.h"
#include "toolkit/gui/FormFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

TObliczForm::TObliczForm(OknoGlowne& oknoGlowne, QWidget* parent) : TOknoObliczen(oknoGlowne, parent, 100) {
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
}

int TObliczForm::Uruchom(MetodaSesji metoda, const QString& ileLosowan) {
    return TOknoObliczen::Uruchom([metoda, ileLosowan] {
        UstawieniaSesji u;
        u.metoda = metoda;
        if (metoda == MetodaSesji::Losowo)
            u.losowania = StrToInt(ileLosowan);
        return u;
    });
}

void TObliczForm::Wyczysc(const UstawieniaSesji& /*ustawienia*/) {
    ProcentLabel->clear();
}

QString TObliczForm::TekstProcentu(std::uint32_t zrobione, std::uint32_t wszystkie) {
    if (wszystkie == 0)
        return QStringLiteral("Trudno powiedzieć!!!");
    // Exact in 64 bits: 100 times any 32-bit count fits.
    const std::uint64_t procent = std::uint64_t(zrobione) * 100u / wszystkie;
    return QString::number(procent) + QStringLiteral(" % ");
}

void TObliczForm::Pokaz(const MigawkaSesji& m, bool /*koniec*/) {
    if (m.procentBudowy) {
        ProcentLabel->setText(TekstBudowy(*m.procentBudowy));
    } else if (const auto* permutacje = std::get_if<MigawkaPermutacji>(&m.metoda)) {
        ProcentLabel->setText(permutacje->procent ? TekstProcentu(std::uint32_t(*permutacje->procent), 100)
                                                  : TekstProcentu(0, 0));
    } else if (const auto* losowanie = std::get_if<MigawkaLosowania>(&m.metoda)) {
        ProcentLabel->setText(TekstProcentu(std::uint32_t(std::max(0, losowanie->wylosowane)),
                                            std::uint32_t(std::max(0, losowanie->wszystkie))));
    }
}
