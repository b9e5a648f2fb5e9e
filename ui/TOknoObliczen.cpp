#include "ui/TOknoObliczen.h"

#include "search/BramkaKrokow.h"
#include "search/ZestawMiast.h"
#include "search/sesja/SesjaSzukania.h"
#include "toolkit/gui/Application.h"
#include "toolkit/gui/Handler.h"
#include "ui/OknoGlowne.h"
#include "ui/Pytanie.h"
#include "ui/TekstKroku.h"
#include "ui/TekstLiczby.h"
#include "ui/WynikModalny.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <optional>

namespace {

const QString WstrzymajTekst = QStringLiteral("Wstrzymaj");
const QString WznowTekst = QStringLiteral("Wznów");

} // namespace

TOknoObliczen::TOknoObliczen(OknoGlowne& oknoGlowne, QWidget* parent, int okresWyswietlania)
    : QDialog(parent), oknoGlowne_(oknoGlowne) {
    // Modal to its own window hierarchy only: shown without a parent, it
    // blocks no other window, and the main window's view of the cities can
    // be zoomed and dragged while the search runs.
    setWindowModality(Qt::WindowModal);
    WstrzymajButton = new QPushButton(WstrzymajTekst, this);
    ZakonczButton = new QPushButton(QStringLiteral("Zakończ"), this);
    connect(WstrzymajButton, &QPushButton::clicked, this, handler([this] { WstrzymajButtonClick(); }));
    connect(ZakonczButton, &QPushButton::clicked, this, handler([this] { ZakonczButtonClick(); }));
    PanelKrokow = UtworzPanelKrokow();
    Timer.setInterval(okresWyswietlania);
    connect(&Timer, &QTimer::timeout, this, handler([this] { TimerTimer(); }));
}

TOknoObliczen::~TOknoObliczen() {
    FormDestroy();
}

QWidget* TOknoObliczen::UtworzPanelKrokow() {
    auto* panel = new QWidget(this);
    KrokButton = new QPushButton(QStringLiteral("Krok"), panel);
    TempoSlider = new QSlider(Qt::Horizontal, panel);
    TempoSlider->setRange(0, BramkaKrokow::kPelneTempo);
    TempoSlider->setPageStep(1);
    TempoSlider->setAccessibleName(QStringLiteral("Tempo"));
    auto* tempo = new QLabel(QStringLiteral("Tempo"), panel);
    KrokLabel = new QLabel(QStringLiteral("Krok: 0"), panel);
    // Room for a count of millions, so that the row keeps its place.
    KrokLabel->setMinimumWidth(KrokLabel->fontMetrics().horizontalAdvance(QStringLiteral("Krok: 00000000")));
    OpisKrokuLabel = new QLabel(panel);
    OpisKrokuLabel->setWordWrap(true);
    // Two lines' room, so that a longer sentence does not move the buttons.
    OpisKrokuLabel->setMinimumHeight(2 * OpisKrokuLabel->fontMetrics().lineSpacing());
    OpisKrokuLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* wiersz = new QHBoxLayout;
    wiersz->addWidget(KrokButton);
    wiersz->addWidget(tempo);
    wiersz->addWidget(TempoSlider, 1);
    wiersz->addWidget(KrokLabel);
    auto* uklad = new QVBoxLayout(panel);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addLayout(wiersz);
    uklad->addWidget(OpisKrokuLabel);
    panel->setMinimumWidth(std::max(360, wiersz->minimumSize().width() + 120));
    panel->hide();
    connect(KrokButton, &QPushButton::clicked, this, handler([this] { KrokButtonClick(); }));
    connect(TempoSlider, &QSlider::valueChanged, this, handler([this] { TempoSliderChange(TempoSlider->value()); }));
    return panel;
}

QLayout* TOknoObliczen::UkladPrzyciskow() {
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(WstrzymajButton);
    przyciski->addStretch(1);
    przyciski->addWidget(ZakonczButton);
    auto* uklad = new QVBoxLayout;
    uklad->addWidget(PanelKrokow);
    uklad->addLayout(przyciski);
    return uklad;
}

void TOknoObliczen::PokazPanelKrokow(bool widoczny) {
    if (widoczny == panelWidoczny_)
        return;
    panelWidoczny_ = widoczny;
    const int wysokosc = PanelKrokow->sizeHint().height() + (layout() ? layout()->spacing() : 0);
    const bool staly = minimumSize() == maximumSize();
    PanelKrokow->setVisible(widoczny);
    if (!staly)
        return;
    if (widoczny)
        szerokoscBezKrokow_ = minimumWidth();
    const QMargins marginesy = layout() ? layout()->contentsMargins() : QMargins();
    const int szerokosc = widoczny ? std::max(minimumWidth(), PanelKrokow->minimumWidth() + marginesy.left()
                                                                  + marginesy.right())
                                   : szerokoscBezKrokow_;
    setFixedSize(szerokosc, minimumHeight() + (widoczny ? wysokosc : -wysokosc));
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

int TOknoObliczen::Uruchom(std::function<UstawieniaSesji()> ustawienia) {
    ustawienia_ = std::move(ustawienia);
    return exec();
}

const ZestawMiast& TOknoObliczen::Miasta() const {
    return sesja_->Miasta();
}

bool TOknoObliczen::Calkowita() const {
    return sesja_ && sesja_->Miasta().metryka.Calkowita();
}

const WynikSesji& TOknoObliczen::Wynik() const {
    static const WynikSesji brak;
    if (!sesja_ || !sesja_->Skonczona() || sesja_->Niepowodzenie())
        return brak;
    return sesja_->Wynik();
}

void TOknoObliczen::FormShow() {
    WstrzymajButton->setText(WstrzymajTekst);
    // A run finished early must not leave its flag to the next one.
    Trwa = false;
    niepowodzenie_ = false;
    sesja_.reset();
    // A text that does not convert still leaves the window's values empty.
    UstawieniaSesji ustawienia;
    std::exception_ptr blad;
    try {
        if (ustawienia_)
            ustawienia = ustawienia_();
    } catch (...) {
        blad = std::current_exception();
    }
    Wyczysc(ustawienia);
    if (blad)
        std::rethrow_exception(blad);
    ustawienia.krokPoKroku = KrokPoKroku;
    PokazPanelKrokow(KrokPoKroku);
    KrokLabel->setText(QStringLiteral("Krok: 0"));
    OpisKrokuLabel->clear();
    sesja_ = std::make_unique<SesjaSzukania>(oknoGlowne_.ZestawSzukania(), ustawienia);
    sesja_->UstawTempo(TempoSlider->value());
    connect(sesja_.get(), &SesjaSzukania::Skonczyla, this, handler([this] { PoZakonczeniuThreada(); }));
    Trwa = true;
    sesja_->Uruchom();
    Timer.start();
}

QString TOknoObliczen::TekstBudowy(int procent) {
    return QStringLiteral("liczenie odległości, %1 % ").arg(procent);
}

QString TOknoObliczen::TekstCzasu(double sekundy, int limit) {
    return QStringLiteral("%1 s z %2 s").arg(TekstLiczby(sekundy)).arg(limit);
}

void TOknoObliczen::WstrzymajButtonClick() {
    // Without a running search (its settings failed to convert) there is
    // nothing to pause, and a never-started worker must stay unstarted.
    if (!sesja_ || !Trwa)
        return;
    if (!sesja_->Wstrzymana()) {
        WstrzymajButton->setText(WznowTekst);
        sesja_->Wstrzymaj();
    } else {
        WstrzymajButton->setText(WstrzymajTekst);
        sesja_->Wznow();
    }
}

void TOknoObliczen::ZakonczButtonClick() {
    close();
}

void TOknoObliczen::KrokButtonClick() {
    if (sesja_ && Trwa)
        sesja_->Krok();
}

void TOknoObliczen::TempoSliderChange(int tempo) {
    if (sesja_)
        sesja_->UstawTempo(tempo);
}

void TOknoObliczen::PokazMigawke(const MigawkaSesji& migawka, bool koniec) {
    PokazKrok(migawka);
    Pokaz(migawka, koniec);
}

void TOknoObliczen::PokazKrok(const MigawkaSesji& m) {
    if (!m.krok)
        return;
    KrokLabel->setText(QStringLiteral("Krok: %1").arg(m.krok->kroki));
    if (!m.krok->opis)
        return;
    const OpisKroku& opis = *m.krok->opis;
    OpisKrokuLabel->setText(TekstKroku(opis, sesja_->Miasta().ids));
    if (!opis.najlepszaTrasa.empty())
        oknoGlowne_.RysujTrase(opis.najlepszaTrasa);
    oknoGlowne_.RysujBadane(OdcinkiKroku(opis));
}

void TOknoObliczen::TimerTimer() {
    if (!sesja_) {
        Timer.stop();
        return;
    }
    if (!TrzymajPrzyOdczycie()) {
        PokazMigawke(sesja_->Migawka(), false);
        return;
    }
    // Holds nest, so a tick inside the user's pause leaves the search
    // paused. The tick that sees the end closes the window, also after a
    // question about finishing was refused meanwhile; the search, being
    // over, is left held and reclaimed when it is destroyed.
    sesja_->Wstrzymaj();
    PokazMigawke(sesja_->Migawka(), false);
    if (!sesja_->Skonczona()) {
        sesja_->Wznow();
    } else if (PokazNiepowodzenie()) {
        done(WynikModalny::Przerwano);
    } else {
        Trwa = false;
        done(WynikModalny::OK);
    }
}

void TOknoObliczen::PoZakonczeniuThreada() {
    // A window whose ticks hold the search learns of its end at a tick.
    if (!TrzymajPrzyOdczycie())
        Koniec();
}

void TOknoObliczen::Koniec() {
    // Only the end of this window's current search counts, once.
    if (!sesja_ || !Trwa || !sesja_->Skonczona())
        return;
    if (PokazNiepowodzenie()) {
        done(WynikModalny::Przerwano);
        return;
    }
    Timer.stop();
    PokazMigawke(sesja_->Migawka(), true);
    Trwa = false;
    done(WynikModalny::OK);
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
        Timer.stop();
        return;
    }
    // A search that failed while the question was open has nothing to go
    // back to, whatever the answer.
    if (!Zapytaj(this, QStringLiteral("Czy na pewno chcesz zakończyć obliczanie?")) && !niepowodzenie_) {
        zamknij = false;
        return;
    }
    Timer.stop();
    if (sesja_) {
        sesja_->Zakoncz();
        // Serves the worker's end notification meanwhile.
        sesja_->CzekajNaKoniec();
    }
    const bool nieudane = PokazNiepowodzenie();
    // The search has ended; an end notification still queued is stale.
    Trwa = false;
    const bool zTrasa = sesja_ && sesja_->WynikPoZakonczeniu() && Wynik().najkrotsza;
    if (zTrasa)
        PokazMigawke(sesja_->Migawka(), true);
    wynik = !nieudane && zTrasa ? int(WynikModalny::OK) : int(WynikModalny::Przerwano);
}

bool TOknoObliczen::PokazNiepowodzenie() {
    if (niepowodzenie_)
        return true;
    const std::optional<BilingualText> blad = sesja_ && sesja_->Skonczona() ? sesja_->Niepowodzenie() : std::nullopt;
    if (!blad)
        return false;
    niepowodzenie_ = true;
    Trwa = false;
    Timer.stop();
    Application::reportError(blad->pl);
    return true;
}

void TOknoObliczen::FormDestroy() {
    Trwa = false;
    Timer.stop();
    sesja_.reset();
}

void TOknoObliczen::done(int wynik) {
    if (zamykanie_ || !isVisible())
        return;
    bool zamknij = true;
    {
        QScopedValueRollback<bool> zamykanie(zamykanie_, true);
        FormClose(wynik, zamknij);
    }
    if (!zamknij)
        return;
    // What the last step looked at goes with the window; the best route stays.
    if (sesja_ && sesja_->KrokPoKroku())
        oknoGlowne_.RysujBadane({});
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
