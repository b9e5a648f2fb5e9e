#include "app/TWedrownikForm.h"

#include "app/BlokadaEdycji.h"
#include "app/MiastaOkna.h"
#include "app/OknaProgramu.h"
#include "app/PlikiMatrycy.h"
#include "app/SkrotyCofania.h"
#include "app/WidokMatrycy.h"
#include "app/WlasnaTrasa.h"
#include "app/ZmianaKomorki.h"
#include "app/ZmianaMiast.h"
#include "grid/CMatryca.h"
#include "grid/WidokPunktow.h"
#include "search/ZestawMiast.h"
#include "search/sesja/CertyfikatSesji.h"
#include "search/sesja/Przebieg.h"
#include "search/sesja/WynikSesji.h"
#include "storage/CPamiec.h"
#include "storage/MetrykaTsp.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/Application.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/TekstDlugosci.h"
#include "ui/WynikModalny.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Offset of the search dialog's texts in the settings record: after the
// checksum and the grid's nine values.
constexpr int PoczatekTekstowUstawien = 4 + 9 * 4;
constexpr int LiczbaTekstowUstawien = 5;

// A record cut short is not applied at all, even when its checksum matches:
// missing values would read as zeros and empty the grid's colours and sizes.
bool rekordCaly(const CPamiec& pamiec) {
    if (pamiec.Size() < PoczatekTekstowUstawien)
        return false;
    const std::uint8_t* dane = pamiec.Memory();
    return std::count(dane + PoczatekTekstowUstawien, dane + pamiec.Size(), 0) >= LiczbaTekstowUstawien;
}

} // namespace

TWedrownikForm::TWedrownikForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Rozwiązywanie problemu Wedrownika"));
    setFont(formFont());
    resize(734, 508);

    UtworzKontrolki();
    Miasta = std::make_unique<MiastaOkna>(*MatrycaMiast);
    Pliki = new PlikiMatrycy(*MatrycaMiast, *Miasta, *PunktyMiast, *this);
    Widok = new WidokMatrycy(*MatrycaMiast, *ScrollBox1, *PunktyMiast, *Srodek);
    Edycja = std::make_unique<EdycjaMiast>(*MatrycaMiast, *Miasta, [this] { PoZmianieMiast(); });
    Historia = new QUndoStack(this);
    Historia->setUndoLimit(LimitCofania);
    connect(Pliki, &PlikiMatrycy::Otwierany, this, handler([this] { przedOtwarciem_ = Edycja->Teraz(); }));
    connect(Pliki, &PlikiMatrycy::Otwarty, this, handler([this] { PlikOtwarty(); }));
    Wlasna = new WlasnaTrasa(*this);
    // The click that closes the own route must not be taken for a try to
    // place a city on the view of points.
    connect(PunktyMiast, &WidokPunktow::KliknietyW, this, [this](QPointF miejsce) {
        runHandler([&] {
            if (Wlasna->Trwa())
                Wlasna->Kliknij(PunktyMiast->MiastoPod(miejsce));
            else
                PunktyMiastKlikniete();
        });
    });
    connect(Wlasna, &WlasnaTrasa::Zmieniona, this,
            [this](const std::vector<int>& trasa) { runHandler([&] { WlasnaZmieniona(trasa); }); });
    connect(Wlasna, &WlasnaTrasa::Zamknieta, this,
            [this](const std::vector<int>& trasa) { runHandler([&] { WlasnaZamknieta(trasa); }); });
    connect(Wlasna, &WlasnaTrasa::Przerwana, this, handler([this] { WlasnaPrzerwana(); }));
    UtworzMenu();

    MatrycaMiast->SetColumnCount(25);
    MatrycaMiast->SetRowCount(25);
    MatrycaMiast->SetCellSize(10);
    MatrycaMiast->SetBackgroundColor(rgbColor(0xFF, 0xFF, 0xFF));
    MatrycaMiast->SetGridColor(rgbColor(0xC0, 0xC0, 0xC0));
    MatrycaMiast->SetBestRouteColor(rgbColor(0x00, 0x80, 0x00));
    MatrycaMiast->SetGridWidth(1);
    MatrycaMiast->SetBestRouteWidth(2);
    // The grid raises its notification from inside Qt's mouse handling.
    MatrycaMiast->OnChange = [this](CMatryca* sender) { runHandler([&] { MatrycaMiastChange(sender); }); };
    MatrycaMiast->OnCellClick = [this](int wiersz, int kolumna) {
        runHandler([&] { KomorkaKliknieta(wiersz, kolumna); });
    };

    PlikKonfiguracji = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Config.cfg"));
}

TWedrownikForm::~TWedrownikForm() {
    // The history goes while the window still stands: its commands refer to
    // the window's cities, and emptying it signals a change of what can be
    // undone, which a half-destroyed window must not hear.
    Historia->disconnect(this);
    Historia->clear();
}

void TWedrownikForm::UtworzKontrolki() {
    auto* centrum = new QWidget(this);
    auto* uklad = new QHBoxLayout(centrum);

    ScrollBox1 = new QScrollArea(centrum);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Base);
    QPalette biale = ScrollBox1->palette();
    biale.setColor(QPalette::Base, Qt::white);
    biale.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(biale);
    ScrollBox1->setAutoFillBackground(true);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MatrycaMiast = new CMatryca(ScrollBox1);
    MatrycaMiast->setObjectName(QStringLiteral("MatrycaMiast"));
    ScrollBox1->setWidget(MatrycaMiast);
    blokadaMatrycy_ = new BlokadaEdycji(MatrycaMiast);
    MatrycaMiast->installEventFilter(blokadaMatrycy_);
    PunktyMiast = new WidokPunktow(centrum);
    PunktyMiast->setObjectName(QStringLiteral("PunktyMiast"));
    Srodek = new QStackedWidget(centrum);
    Srodek->addWidget(ScrollBox1);
    Srodek->addWidget(PunktyMiast);
    uklad->addWidget(Srodek, 1);

    auto* prawa = new QVBoxLayout;
    GroupBox1 = new QGroupBox(QStringLiteral("Losowy wybór miast"), centrum);
    auto* grupa = new QVBoxLayout(GroupBox1);
    Label1 = new QLabel(QStringLiteral("Ilość miast"), GroupBox1);
    LosujEdit = new QLineEdit(GroupBox1);
    LosujEdit->setObjectName(QStringLiteral("LosujEdit"));
    LosujButton = new QPushButton(QStringLiteral("Losuj"), GroupBox1);
    LosujButton->setObjectName(QStringLiteral("LosujButton"));
    Label1->setBuddy(LosujEdit);
    grupa->addWidget(Label1);
    grupa->addWidget(LosujEdit);
    grupa->addWidget(LosujButton);
    prawa->addWidget(GroupBox1);

    CzyscMatryceButton = new QPushButton(QStringLiteral("Czyść matryce"), centrum);
    CzyscMatryceButton->setObjectName(QStringLiteral("CzyscMatryceButton"));
    prawa->addWidget(CzyscMatryceButton);
    SzukajEdit = new QPushButton(QStringLiteral("Szukaj trasę"), centrum);
    SzukajEdit->setObjectName(QStringLiteral("SzukajEdit"));
    prawa->addWidget(SzukajEdit);
    prawa->addStretch(1);
    uklad->addLayout(prawa);
    setCentralWidget(centrum);

    StatusPanel0 = new QLabel(this);
    StatusPanel1 = new QLabel(this);
    StatusPanel2 = new QLabel(this);
    StatusPanel0->setFixedWidth(300);
    StatusPanel1->setFixedWidth(300);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1);
    statusBar()->addWidget(StatusPanel2, 1);

    connect(LosujButton, &QPushButton::clicked, this, handler([this] { LosujButtonClick(); }));
    connect(CzyscMatryceButton, &QPushButton::clicked, this, handler([this] { CzyscMatryceButtonClick(); }));
    connect(SzukajEdit, &QPushButton::clicked, this, handler([this] { SzukajEditClick(); }));
}

void TWedrownikForm::UtworzMenu() {
    Plik1 = menuBar()->addMenu(QStringLiteral("&Plik"));
    Otworz1 = Plik1->addAction(QStringLiteral("Otwórz…"));
    Otworz1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ZapiszJako1 = Plik1->addAction(QStringLiteral("Zapisz jako…"));
    ZapiszJako1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ZapiszTrase1 = Plik1->addAction(QStringLiteral("Zapisz trasę…"));
    ZapiszCertyfikat1 = Plik1->addAction(QStringLiteral("Zapisz certyfikat…"));
    ZapiszObraz1 = Plik1->addAction(QStringLiteral("Zapisz obraz…"));
    Plik1->addSeparator();
    Zakocz1 = Plik1->addAction(QStringLiteral("&Zakończ"));
    Edycja1 = menuBar()->addMenu(QStringLiteral("&Edycja"));
    Cofnij1 = Edycja1->addAction(QStringLiteral("Cofnij"));
    Cofnij1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Ponow1 = Edycja1->addAction(QStringLiteral("Ponów"));
    Ponow1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Edycja1->addSeparator();
    NarysujTrase1 = Edycja1->addAction(QStringLiteral("Narysuj własną trasę"));
    LosujEdit->installEventFilter(new SkrotyCofania(*Cofnij1, *Ponow1, this));
    Widok1 = menuBar()->addMenu(QStringLiteral("&Widok"));
    DopasujDoOkna1 = Widok1->addAction(QStringLiteral("Dopasuj do okna"));
    Powieksz1 = Widok1->addAction(QStringLiteral("Powiększ"));
    Powieksz1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    Pomniejsz1 = Widok1->addAction(QStringLiteral("Pomniejsz"));
    Pomniejsz1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    RzeczywistyRozmiar1 = Widok1->addAction(QStringLiteral("Rzeczywisty rozmiar"));
    Ustawienia1 = menuBar()->addMenu(QStringLiteral("&Ustawienia"));
    Matrycymiast1 = Ustawienia1->addAction(QStringLiteral("&Matrycy miast"));
    Pomoc1 = menuBar()->addMenu(QStringLiteral("P&omoc"));
    Oprogramie1 = Pomoc1->addAction(QStringLiteral("O p&rogramie"));

    connect(Otworz1, &QAction::triggered, this, handler([this] { Pliki->OtworzClick(); }));
    connect(ZapiszJako1, &QAction::triggered, this, handler([this] { Pliki->ZapiszJakoClick(); }));
    connect(ZapiszTrase1, &QAction::triggered, this, handler([this] { Pliki->ZapiszTraseClick(); }));
    connect(ZapiszCertyfikat1, &QAction::triggered, this, handler([this] { Pliki->ZapiszCertyfikatClick(); }));
    // Offered only after a proof of the cities now shown.
    connect(Plik1, &QMenu::aboutToShow, this,
            [this] { ZapiszCertyfikat1->setEnabled(!szukanie_ && Miasta->CertyfikatDowodu() != nullptr); });
    connect(ZapiszObraz1, &QAction::triggered, this, handler([this] { Pliki->ZapiszObrazClick(); }));
    connect(Zakocz1, &QAction::triggered, this, handler([this] { Zakocz1Click(); }));
    connect(Cofnij1, &QAction::triggered, this, handler([this] {
                if (!szukanie_)
                    Historia->undo();
            }));
    connect(Ponow1, &QAction::triggered, this, handler([this] {
                if (!szukanie_)
                    Historia->redo();
            }));
    connect(Historia, &QUndoStack::canUndoChanged, this, [this] { UstawEdycje(); });
    connect(Historia, &QUndoStack::canRedoChanged, this, [this] { UstawEdycje(); });
    UstawEdycje();
    connect(NarysujTrase1, &QAction::triggered, this, handler([this] { NarysujTrase1Click(); }));
    connect(DopasujDoOkna1, &QAction::triggered, this, handler([this] { Widok->Dopasuj(); }));
    connect(Powieksz1, &QAction::triggered, this, handler([this] { Widok->Powieksz(); }));
    connect(Pomniejsz1, &QAction::triggered, this, handler([this] { Widok->Pomniejsz(); }));
    connect(RzeczywistyRozmiar1, &QAction::triggered, this, handler([this] { Widok->RzeczywistyRozmiar(); }));
    connect(Matrycymiast1, &QAction::triggered, this, handler([this] { Matrycymiast1Click(); }));
    connect(Oprogramie1, &QAction::triggered, this, handler([this] { Oprogramie1Click(); }));
}

void TWedrownikForm::PolaczOkna(OknaProgramu* okna) {
    okna_ = okna;
}

const QString TWedrownikForm::PodpowiedzPunktow =
    QStringLiteral("Miast pliku nie zmienia się tutaj. Do matrycy miast wracają „Czyść matryce”, „Losuj” "
                   "i ustawienia matrycy.");

void TWedrownikForm::MatrycaMiastChange(CMatryca* /*Sender*/) {
    // The history says when its change is complete.
    if (Edycja->Trwa())
        return;
    // Whatever changed the grid's cities brings the grid back in place of
    // a file's points.
    if (Miasta->NaPunktach())
        Miasta->PorzucPlik();
    PokazMiasta();
    ZerujPodsumowanie();
}

void TWedrownikForm::PokazMiasta() {
    const ZestawMiast* plik = Miasta->Plik();
    const WidokPliku* widok = Miasta->Widok();
    const bool punkty = plik && plik->komorki.empty();
    if (punkty) {
        // The circle goes in the first panel: the third one is cut short by
        // a long file name.
        StatusPanel0->setText(widok->naOkregu ? QStringLiteral("  Miasta z pliku na okręgu")
                                              : QStringLiteral("  Miasta z pliku jako punkty"));
        StatusPanel1->setText(QStringLiteral("  Ilość miast : %1").arg(plik->Ilosc()));
    } else {
        StatusPanel0->setText(QStringLiteral("  Wielkość matrycy miast : %1 X %2")
                                  .arg(MatrycaMiast->GetRowCount())
                                  .arg(MatrycaMiast->GetColumnCount()));
        StatusPanel1->setText(QStringLiteral("  Ilość miast na matrycy : %1").arg(MatrycaMiast->GetPointCount()));
    }
    StatusPanel2->setText(plik ? QStringLiteral("  %1, %2").arg(QFileInfo(widok->sciezka).fileName(),
                                                                NazwaTsplib(plik->metryka.Rodzaj()))
                               : QString());
    StatusPanel0->setToolTip(widok && widok->naOkregu
                                 ? QStringLiteral("Plik nie podaje położenia miast: stoją na okręgu w kolejności pliku.")
                                 : QString());
    Srodek->setCurrentWidget(punkty ? static_cast<QWidget*>(PunktyMiast) : ScrollBox1);
}

void TWedrownikForm::ZerujPodsumowanie() {
    // Whatever empties the summary has changed the cities: a route being
    // drawn through them ends.
    Wlasna->Porzuc();
    if (!okna_)
        return;
    TPodsumowanieForm& podsumowanie = okna_->PodsumowanieForm;
    podsumowanie.PermutacjeNajkrotsza = -1.0;
    podsumowanie.PermutacjeNajdluzsza = -1.0;
    podsumowanie.PermutacjeOptimumCoNajmniej = -1.0;
    podsumowanie.PermutacjeUdowodniona = false;
    podsumowanie.WlasnaTrasa = -1.0;
    podsumowanie.LosowoNajkrotsza = -1.0;
    podsumowanie.GenetycznieNajkrotsza = -1.0;
    podsumowanie.GenetycznieZbieznosc = SeriaZbieznosci();
    podsumowanie.LokalnieNajkrotsza = -1.0;
    podsumowanie.LokalnieCzas = -1.0;
    podsumowanie.LokalnieLuka = -1.0;
    podsumowanie.DowodNajkrotsza = {};
    podsumowanie.DowodNajdluzsza = {};
}

void TWedrownikForm::PokazPunkty() {
    const WidokPliku& widok = *Miasta->Widok();
    PunktyMiast->UstawKolorTla(MatrycaMiast->GetBackgroundColor());
    PunktyMiast->UstawKolorMiast(MatrycaMiast->GetSelectedColor());
    PunktyMiast->UstawKolorTrasy(MatrycaMiast->GetBestRouteColor());
    PunktyMiast->UstawGruboscTrasy(MatrycaMiast->GetBestRouteWidth());
    PunktyMiast->UstawMiasta(widok.x, widok.y, OsY::WGore);
}

void TWedrownikForm::PlikOtwarty() {
    if (Miasta->NaPunktach())
        PokazPunkty();
    statusBar()->clearMessage();
    PokazMiasta();
    // An opened instance is shown whole, however large.
    Widok->Dopasuj();
    ZerujPodsumowanie();
    if (przedOtwarciem_) {
        const EdycjaMiast::Stan przed = std::move(*przedOtwarciem_);
        przedOtwarciem_.reset();
        Zapamietaj(przed, QStringLiteral("Otwórz"));
    }
}

void TWedrownikForm::PoZmianieMiast() {
    // No route stays drawn over cities it was not found for.
    MatrycaMiast->GetBestPunkty()->Clear();
    MatrycaMiast->Paint();
    PunktyMiast->UstawTrase({});
    Miasta->UstawTrase({}, {});
    if (Miasta->NaPunktach())
        PokazPunkty();
    statusBar()->clearMessage();
    PokazMiasta();
    ZerujPodsumowanie();
}

void TWedrownikForm::Zapamietaj(const EdycjaMiast::Stan& przed, const QString& nazwa) {
    EdycjaMiast::Stan po = Edycja->Teraz();
    if (ZmianaMiast::Rozne(przed, po))
        Historia->push(new ZmianaMiast(*Edycja, przed, std::move(po), nazwa));
}

void TWedrownikForm::KomorkaKliknieta(int wiersz, int kolumna) {
    if (Wlasna->Trwa()) {
        // A cell that is no city takes nothing.
        const std::vector<TPunkt>& komorki = zestawWlasnej_->komorki;
        const auto miasto = std::find(komorki.begin(), komorki.end(), TPunkt{kolumna, wiersz});
        if (miasto != komorki.end())
            Wlasna->Kliknij(static_cast<int>(miasto - komorki.begin()));
        return;
    }
    Historia->push(new ZmianaKomorki(*Edycja, wiersz, kolumna, Miasta->StanPliku()));
}

void TWedrownikForm::UstawEdycje() {
    Cofnij1->setEnabled(!szukanie_ && Historia->canUndo());
    Ponow1->setEnabled(!szukanie_ && Historia->canRedo());
}

void TWedrownikForm::WrocDoMatrycy() {
    if (!Miasta->NaPunktach())
        return;
    Miasta->PorzucPlik();
    statusBar()->clearMessage();
    PokazMiasta();
    ZerujPodsumowanie();
}

void TWedrownikForm::PunktyMiastKlikniete() {
    statusBar()->showMessage(PodpowiedzPunktow, 15000);
}

void TWedrownikForm::UstawSzukanie(bool trwa) {
    szukanie_ = trwa;
    for (QWidget* kontrolka : {static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(CzyscMatryceButton),
                               static_cast<QWidget*>(SzukajEdit)})
        kontrolka->setEnabled(!trwa);
    for (QAction* polecenie :
         {Otworz1, ZapiszJako1, ZapiszTrase1, ZapiszCertyfikat1, ZapiszObraz1, Zakocz1, Matrycymiast1, Oprogramie1,
          NarysujTrase1})
        polecenie->setEnabled(!trwa);
    blokadaMatrycy_->Aktywna = trwa;
    UstawEdycje();
    Pliki->Zablokowane = trwa;
}

void TWedrownikForm::LosujButtonClick() {
    const int ilosc = StrToInt(LosujEdit->text());
    const EdycjaMiast::Stan przed = Edycja->Teraz();
    MatrycaMiast->Losuj(ilosc);
    // As many cities as before move without a change notification.
    WrocDoMatrycy();
    Zapamietaj(przed, QStringLiteral("Losuj"));
}

void TWedrownikForm::CzyscMatryceButtonClick() {
    const EdycjaMiast::Stan przed = Edycja->Teraz();
    MatrycaMiast->Losuj(0);
    // An empty grid does not notify.
    WrocDoMatrycy();
    Zapamietaj(przed, QStringLiteral("Czyść matryce"));
}

void TWedrownikForm::Zakocz1Click() {
    close();
}

void TWedrownikForm::Matrycymiast1Click() {
    const EdycjaMiast::Stan przed = Edycja->Teraz();
    // A size the dialog set before a later value of it was refused is a
    // change of the cities as well.
    if (okna_->UstawieniaMatrycyForm.exec() == WynikModalny::OK)
        WrocDoMatrycy();
    Zapamietaj(przed, QStringLiteral("Matrycy miast"));
}

void TWedrownikForm::Oprogramie1Click() {
    okna_->FormOProgramie.exec();
}

std::shared_ptr<const ZestawMiast> TWedrownikForm::ZestawSzukania() const {
    return Szukane ? Szukane : Miasta->Zestaw();
}

std::vector<QPointF> TWedrownikForm::PunktyWidoku() const {
    std::vector<QPointF> punkty;
    if (const WidokPliku* widok = Miasta->NaPunktach() ? Miasta->Widok() : nullptr)
        for (std::size_t k = 0; k < std::min(widok->x.size(), widok->y.size()); ++k)
            punkty.emplace_back(widok->x[k], widok->y[k]);
    return punkty;
}

void TWedrownikForm::RysujTrase(const std::vector<int>& trasa) {
    std::shared_ptr<const ZestawMiast> zestaw = ZestawSzukania();
    const int n = zestaw->Ilosc();
    std::vector<int> miasta;
    miasta.reserve(trasa.size());
    // A route is always a permutation of the current cities; anything else
    // is skipped rather than read out of bounds.
    for (int miasto : trasa)
        if (miasto >= 0 && miasto < n)
            miasta.push_back(miasto);
    if (zestaw->komorki.empty()) {
        PunktyMiast->UstawTrase(miasta);
    } else {
        CPunktyNowe* punkty = MatrycaMiast->GetBestPunkty();
        punkty->Clear();
        for (int miasto : miasta)
            punkty->Add(zestaw->komorki[std::size_t(miasto)]);
        MatrycaMiast->Paint();
    }
    Miasta->UstawTrase(std::move(zestaw), std::move(miasta));
}

void TWedrownikForm::RysujBadane(const std::vector<std::pair<int, int>>& odcinki) {
    std::shared_ptr<const ZestawMiast> zestaw = ZestawSzukania();
    const int n = zestaw->Ilosc();
    const auto miasto = [n](int m) { return m >= 0 && m < n; };
    if (zestaw->komorki.empty()) {
        PunktyMiast->UstawKolorBadanych(MatrycaMiast->GetExaminedColor());
        PunktyMiast->UstawBadane(odcinki);
        return;
    }
    std::vector<std::pair<TPunkt, TPunkt>> komorki;
    for (const auto& [a, b] : odcinki)
        if (miasto(a) && miasto(b))
            komorki.emplace_back(zestaw->komorki[std::size_t(a)], zestaw->komorki[std::size_t(b)]);
    MatrycaMiast->SetExamined(std::move(komorki));
}

void TWedrownikForm::SzukajEditClick() {
    std::shared_ptr<const ZestawMiast> zestaw = Miasta->Zestaw();
    if (zestaw->Ilosc() < 2) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Błąd"), QStringLiteral("Zbyt mała ilość miast!"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    Wlasna->Przerwij();
    // The search's cities stand until the dialog ends, an error included.
    Szukane = zestaw;
    struct Zwolnienie {
        TWedrownikForm& okno;
        ~Zwolnienie() {
            okno.Szukane.reset();
            okno.UstawSzukanie(false);
        }
    } zwolnienie{*this};
    UstawSzukanie(true);

    TSzukajTraseForm& dialog = okna_->SzukajTraseForm;
    dialog.IloscMiast = zestaw->Ilosc();
    if (dialog.exec() != WynikModalny::OK)
        return;
    const WynikSesji& wynik = dialog.Wynik();
    Podsumuj(dialog.SzukajGroupItemIndex(), wynik);
    if (wynik.najkrotsza)
        RysujTrase(wynik.najkrotsza->trasa);
    okna_->PodsumowanieForm.exec();
}

void TWedrownikForm::NarysujTrase1Click() {
    if (szukanie_)
        return;
    std::shared_ptr<const ZestawMiast> zestaw = Miasta->Zestaw();
    if (zestaw->Ilosc() < 2)
        throw UserError(QStringLiteral("Zbyt mała ilość miast!"));
    // Started again while drawing, Esc still brings back the route from
    // before the first start.
    if (!Wlasna->Trwa()) {
        const std::vector<int>* poprzednia = Miasta->Trasa();
        trasaPrzedWlasna_ = poprzednia ? *poprzednia : std::vector<int>();
    }
    zestawWlasnej_ = std::move(zestaw);
    Wlasna->Zacznij(zestawWlasnej_->Ilosc());
}

void TWedrownikForm::WlasnaZmieniona(const std::vector<int>& trasa) {
    RysujTrase(trasa);
    // Not every city yet: no route to save.
    Miasta->UstawTrase({}, {});
    statusBar()->showMessage(QStringLiteral("Własna trasa: %1 z %2 miast. Kliknij kolejne miasto; Backspace "
                                            "cofa ostatnie, Esc kończy rysowanie.")
                                 .arg(trasa.size())
                                 .arg(zestawWlasnej_->Ilosc()));
}

void TWedrownikForm::WlasnaZamknieta(const std::vector<int>& trasa) {
    const std::optional<TrasaSesji> zmierzona = ZmierzTrase(*zestawWlasnej_, trasa);
    if (!zmierzona)
        return;
    RysujTrase(trasa);
    const bool calkowita = zestawWlasnej_->metryka.Calkowita();
    statusBar()->showMessage(
        QStringLiteral("Długość własnej trasy : %1").arg(TekstDlugosci(zmierzona->dlugosc, calkowita)));
    if (!okna_)
        return;
    TPodsumowanieForm& podsumowanie = okna_->PodsumowanieForm;
    podsumowanie.WlasnaTrasa = zmierzona->dlugosc;
    podsumowanie.Calkowite = calkowita;
    podsumowanie.exec();
}

void TWedrownikForm::WlasnaPrzerwana() {
    RysujTrase(trasaPrzedWlasna_);
    statusBar()->clearMessage();
}

void TWedrownikForm::Podsumuj(int metoda, const WynikSesji& wynik) {
    TPodsumowanieForm& p = okna_->PodsumowanieForm;
    const auto dlugosc = [](const std::optional<TrasaSesji>& t) { return t ? t->dlugosc : -1.0; };
    const double najkrotsza = dlugosc(wynik.najkrotsza);
    switch (metoda) {
    case MetodaSzukania::Permutacje:
        p.PermutacjeNajkrotsza = najkrotsza;
        p.PermutacjeNajdluzsza = dlugosc(wynik.najdluzsza);
        p.PermutacjeOptimumCoNajmniej = wynik.optimumCoNajmniej ? double(*wynik.optimumCoNajmniej) : -1.0;
        p.PermutacjeUdowodniona = wynik.najkrotsza && wynik.najkrotsza->udowodniona;
        break;
    case MetodaSzukania::Losowo:
        p.LosowoNajkrotsza = najkrotsza;
        break;
    case MetodaSzukania::Genetycznie:
        p.GenetycznieNajkrotsza = najkrotsza;
        p.GenetycznieZbieznosc = wynik.zbieznosc;
        break;
    case MetodaSzukania::Lokalnie:
        p.LokalnieNajkrotsza = najkrotsza;
        p.LokalnieCzas = wynik.sekundy;
        p.LokalnieLuka = wynik.najkrotsza && wynik.najkrotsza->lukaProcent ? *wynik.najkrotsza->lukaProcent : -1.0;
        break;
    case MetodaSzukania::Dowod:
        p.DowodNajkrotsza = wynik.najkrotsza;
        p.DowodNajdluzsza = wynik.najdluzsza;
        ZapamietajCertyfikat(wynik);
        break;
    default:
        return;
    }
    p.Calkowite = wynik.calkowita;
}

void TWedrownikForm::ZapamietajCertyfikat(const WynikSesji& wynik) {
    Miasta->UstawCertyfikat({}, {});
    const WidokPliku* widok = Miasta->Widok();
    if (!widok || !Szukane || Szukane.get() != Miasta->Plik())
        return;
    try {
        Miasta->UstawCertyfikat(Szukane, ZlozCertyfikat(wynik, *Szukane, widok->nazwa).certyfikat);
    } catch (const UserError&) {
        // Weights past what a certificate holds: the proof stands without one.
    }
}

void TWedrownikForm::FormShow() {
    CPamiec pamiec;
    if (!pamiec.LoadFromFile(PlikKonfiguracji) || !rekordCaly(pamiec))
        return;
    // Settings that the grid refuses (a table too large to hold) must not
    // cost the search settings stored after them.
    std::exception_ptr bladMatrycy;
    try {
        MatrycaMiast->LoadFromCPamiec(&pamiec);
    } catch (const UserError&) {
        bladMatrycy = std::current_exception();
    }
    pamiec.SetPosition(PoczatekTekstowUstawien);
    okna_->SzukajTraseForm.WczytajUstawienia(&pamiec);
    // Added after the texts: a file without it keeps the default colour.
    if (!pamiec.AtEnd())
        MatrycaMiast->SetExaminedColor(static_cast<TColor>(pamiec.ReadInt()));
    if (bladMatrycy)
        std::rethrow_exception(bladMatrycy);
}

void TWedrownikForm::FormClose() {
    CPamiec pamiec;
    MatrycaMiast->SaveToCPamiec(&pamiec);
    okna_->SzukajTraseForm.ZapiszUstawienia(&pamiec);
    // Only a colour of the user's own: the default file stays as it was.
    if (MatrycaMiast->GetExaminedColor() != CMatryca::DefaultExaminedColor)
        pamiec.WriteInt(static_cast<std::int32_t>(MatrycaMiast->GetExaminedColor()));
    pamiec.SaveToFile(PlikKonfiguracji);
}

void TWedrownikForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (pokazane_ || !okna_)
        return;
    pokazane_ = true;
    runHandler([this] { FormShow(); });
}

void TWedrownikForm::closeEvent(QCloseEvent* event) {
    // The search's progress window says when the search may end.
    if (szukanie_) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written is reported, but never keeps
    // the user from closing the program.
    runHandler([this] { FormClose(); });
    event->accept();
}
