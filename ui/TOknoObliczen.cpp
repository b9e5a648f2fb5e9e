#include "ui/TOknoObliczen.h"

#include "toolkit/core/HoldableThread.h"
#include "toolkit/gui/Application.h"
#include "toolkit/gui/Handler.h"
#include "ui/WynikModalny.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QVBoxLayout>

#include <exception>
#include <optional>

namespace {

const QString WstrzymajTekst = QStringLiteral("Wstrzymaj");
const QString WznowTekst = QStringLiteral("Wznów");

} // namespace

TOknoObliczen::TOknoObliczen(QWidget* parent) : QDialog(parent) {
    // Modal to its own window hierarchy only: shown without a parent, it
    // blocks no other window, and the main window's view of the cities can
    // be zoomed and dragged while the search runs.
    setWindowModality(Qt::WindowModal);
    WstrzymajButton = new QPushButton(WstrzymajTekst, this);
    ZakonczButton = new QPushButton(QStringLiteral("Zakończ"), this);
    connect(WstrzymajButton, &QPushButton::clicked, this, handler([this] { WstrzymajButtonClick(); }));
    connect(ZakonczButton, &QPushButton::clicked, this, handler([this] { ZakonczButtonClick(); }));
}

QLayout* TOknoObliczen::UkladPrzyciskow() {
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(WstrzymajButton);
    przyciski->addStretch(1);
    przyciski->addWidget(ZakonczButton);
    return przyciski;
}

void TOknoObliczen::UlozZWykresem(const std::array<std::pair<QLabel*, QLabel*>, 3>& wiersze,
                                  QCheckBox* rysujTrase, QWidget* wykres, int wysokoscWykresu) {
    auto* wartosci = new QGridLayout;
    for (int w = 0; w < int(wiersze.size()); ++w) {
        wartosci->addWidget(wiersze[std::size_t(w)].first, w, 0);
        wartosci->addWidget(wiersze[std::size_t(w)].second, w, 1);
    }
    wartosci->setColumnStretch(1, 1);
    wartosci->setColumnMinimumWidth(1, 120);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(wartosci);
    uklad->addWidget(rysujTrase);
    uklad->addStretch(1);
    uklad->addLayout(UkladPrzyciskow());
    const QSize gora = sizeHint().expandedTo(QSize(300, 160));
    // The chart goes below everything else, which keeps its place.
    wykres->setFixedHeight(wysokoscWykresu);
    uklad->addWidget(wykres);
    setFixedSize(gora.width(), gora.height() + wysokoscWykresu + uklad->spacing());
}

void TOknoObliczen::FormShow() {
    WstrzymajButton->setText(WstrzymajTekst);
    // A run finished early must not leave its flag to the next one.
    Trwa = false;
    niepowodzenie_ = false;
    PrzygotujObliczenia();
    Trwa = true;
    BiezacyWatek()->release();
    PoUruchomieniu();
}

QString TOknoObliczen::TekstBudowy(int procent) {
    return QStringLiteral("liczenie odległości, %1 % ").arg(procent);
}

void TOknoObliczen::WstrzymajButtonClick() {
    // Without a running search (its settings failed to convert) there is
    // nothing to pause, and a never-started worker must stay unstarted.
    HoldableThread* watek = BiezacyWatek();
    if (!watek || !Trwa)
        return;
    if (!watek->isHeld()) {
        WstrzymajButton->setText(WznowTekst);
        watek->hold();
    } else {
        WstrzymajButton->setText(WstrzymajTekst);
        watek->release();
    }
}

void TOknoObliczen::ZakonczButtonClick() {
    close();
}

void TOknoObliczen::FormClose(int& wynik, bool& zamknij) {
    if (!Trwa) {
        // Only the search's own end closes with OK; a failed search closes
        // as a finished one, any other close without a running search is a
        // cancel.
        if (niepowodzenie_)
            wynik = WynikModalny::Przerwano;
        else if (wynik != WynikModalny::OK)
            wynik = WynikModalny::Anuluj;
        ZatrzymajWyswietlanie();
        return;
    }
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Pytanie"),
                        QStringLiteral("Czy na pewno chcesz zakończyć obliczanie?"),
                        QMessageBox::Yes | QMessageBox::No, this);
    // A search that failed while the question was open has nothing to go
    // back to, whatever the answer.
    if (pytanie.exec() != QMessageBox::Yes && !niepowodzenie_) {
        zamknij = false;
        return;
    }
    ZatrzymajWyswietlanie();
    if (HoldableThread* watek = BiezacyWatek()) {
        // The request comes first, so that a paused worker, once released,
        // stops at its next poll without doing more.
        watek->requestFinish();
        if (watek->isHeld())
            watek->release();
        // Serves the worker's pending calls and its end notification meanwhile.
        watek->waitForEnd();
    }
    const bool nieudane = PokazNiepowodzenie();
    // The search has ended; an end notification still queued is stale.
    Trwa = false;
    wynik = nieudane ? int(WynikModalny::Przerwano) : WynikZakonczenia();
}

bool TOknoObliczen::PokazNiepowodzenie() {
    if (niepowodzenie_)
        return true;
    HoldableThread* watek = BiezacyWatek();
    const std::optional<QString> blad = watek ? watek->failure() : std::nullopt;
    if (!blad)
        return false;
    niepowodzenie_ = true;
    Trwa = false;
    ZatrzymajWyswietlanie();
    Application::reportError(*blad);
    return true;
}

void TOknoObliczen::FormDestroy() {
    Trwa = false;
    ZatrzymajWyswietlanie();
    UsunObliczenia();
}

void TOknoObliczen::done(int wynik) {
    if (zamykanie_ || !isVisible())
        return;
    bool zamknij = true;
    {
        QScopedValueRollback<bool> zamykanie(zamykanie_, true);
        FormClose(wynik, zamknij);
    }
    if (zamknij)
        QDialog::done(wynik);
}

void TOknoObliczen::reject() {
    done(WynikModalny::Anuluj);
}

void TOknoObliczen::closeEvent(QCloseEvent* event) {
    if (isVisible())
        done(WynikModalny::Anuluj);
    event->setAccepted(!isVisible());
}

void TOknoObliczen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    try {
        FormShow();
    } catch (...) {
        FormDestroy();
        Application::reportException(std::current_exception());
    }
}

int TOknoObliczen::WynikZakonczenia() const {
    return WynikModalny::Przerwano;
}
