#include "app/TWedrownikForm.h"

#include "app/OknaProgramu.h"
#include "app/PlikiMatrycy.h"
#include "app/WidokMatrycy.h"
#include "grid/CMatryca.h"
#include "storage/CPamiec.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/Application.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/WynikModalny.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

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
    Pliki = new PlikiMatrycy(*MatrycaMiast, *this);
    Widok = new WidokMatrycy(*MatrycaMiast, *ScrollBox1);
    // An opened instance is shown whole, however large its grid.
    connect(Pliki, &PlikiMatrycy::Otwarty, Widok, &WidokMatrycy::Dopasuj);
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

    PlikKonfiguracji = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Config.cfg"));
}

TWedrownikForm::~TWedrownikForm() = default;

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
    uklad->addWidget(ScrollBox1, 1);

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
    StatusPanel0->setFixedWidth(300);
    StatusPanel1->setFixedWidth(300);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1);

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
    ZapiszObraz1 = Plik1->addAction(QStringLiteral("Zapisz obraz…"));
    Plik1->addSeparator();
    Zakocz1 = Plik1->addAction(QStringLiteral("&Zakończ"));
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
    connect(ZapiszObraz1, &QAction::triggered, this, handler([this] { Pliki->ZapiszObrazClick(); }));
    connect(Zakocz1, &QAction::triggered, this, handler([this] { Zakocz1Click(); }));
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

void TWedrownikForm::MatrycaMiastChange(CMatryca* /*Sender*/) {
    StatusPanel0->setText(QStringLiteral("  Wielkość matrycy miast : %1 X %2")
                              .arg(MatrycaMiast->GetRowCount())
                              .arg(MatrycaMiast->GetColumnCount()));
    StatusPanel1->setText(QStringLiteral("  Ilość miast na matrycy : %1").arg(MatrycaMiast->GetPointCount()));

    if (okna_) {
        TPodsumowanieForm& podsumowanie = okna_->PodsumowanieForm;
        podsumowanie.PermutacjeNajkrotsza = -1.0;
        podsumowanie.PermutacjeNajdluzsza = -1.0;
        podsumowanie.LosowoNajkrotsza = -1.0;
        podsumowanie.GenetycznieNajkrotsza = -1.0;
        podsumowanie.GenetycznieZbieznosc = SeriaZbieznosci();
        podsumowanie.LokalnieNajkrotsza = -1.0;
        podsumowanie.LokalnieCzas = -1.0;
    }
}

void TWedrownikForm::LosujButtonClick() {
    MatrycaMiast->Losuj(StrToInt(LosujEdit->text()));
}

void TWedrownikForm::CzyscMatryceButtonClick() {
    MatrycaMiast->Losuj(0);
}

void TWedrownikForm::Zakocz1Click() {
    close();
}

void TWedrownikForm::Matrycymiast1Click() {
    okna_->UstawieniaMatrycyForm.exec();
}

void TWedrownikForm::Oprogramie1Click() {
    okna_->FormOProgramie.exec();
}

void TWedrownikForm::RysujTrase(const int* trasa) {
    CPunktyNowe* punkty = MatrycaMiast->GetBestPunkty();
    punkty->Clear();
    for (int k = 0; k < Miasta.Count(); ++k) {
        const int miasto = trasa[k];
        // A route is always a permutation of the current cities; anything
        // else is skipped rather than read out of bounds.
        if (miasto >= 0 && miasto < Miasta.Count())
            punkty->Add(Miasta.Punkty[std::size_t(miasto)]);
    }
    MatrycaMiast->Paint();
}

void TWedrownikForm::SzukajEditClick() {
    if (MatrycaMiast->GetPointCount() < 2) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Błąd"), QStringLiteral("Zbyt mała ilość miast!"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }

    // A search that reads the distance table builds it on its own thread,
    // with its progress window already showing (the local search reads
    // none); it is released however the dialog ends, an error included.
    Miasta.LoadFromCMatryca(MatrycaMiast);
    struct Zwolnienie {
        OdleglosciSlot& slot;
        ~Zwolnienie() { slot.reset(); }
    } zwolnienie{Odleglosci};

    TSzukajTraseForm& dialog = okna_->SzukajTraseForm;
    if (dialog.exec() != WynikModalny::OK)
        return;

    TPodsumowanieForm& podsumowanie = okna_->PodsumowanieForm;
    const WynikObliczen& wynik = dialog.Wynik();
    switch (dialog.SzukajGroupItemIndex()) {
    case MetodaSzukania::Permutacje:
        podsumowanie.PermutacjeNajkrotsza = wynik.NajkrotszaDroga;
        podsumowanie.PermutacjeNajdluzsza = wynik.NajdluzszaDroga;
        break;
    case MetodaSzukania::Losowo:
        podsumowanie.LosowoNajkrotsza = wynik.NajkrotszaDroga;
        break;
    case MetodaSzukania::Genetycznie:
        podsumowanie.GenetycznieNajkrotsza = wynik.NajkrotszaDroga;
        podsumowanie.GenetycznieZbieznosc = wynik.Zbieznosc;
        break;
    case MetodaSzukania::Lokalnie:
        podsumowanie.LokalnieNajkrotsza = wynik.NajkrotszaDroga;
        podsumowanie.LokalnieCzas = wynik.Sekundy;
        break;
    default:
        return;
    }
    // A finished search always holds a whole route; anything shorter is not
    // drawn rather than read past its end.
    if (int(wynik.Trasa.size()) == Miasta.Count())
        RysujTrase(wynik.Trasa.data());
    podsumowanie.exec();
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
    if (bladMatrycy)
        std::rethrow_exception(bladMatrycy);
}

void TWedrownikForm::FormClose() {
    CPamiec pamiec;
    MatrycaMiast->SaveToCPamiec(&pamiec);
    okna_->SzukajTraseForm.ZapiszUstawienia(&pamiec);
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
    // A settings file that cannot be written is reported, but never keeps
    // the user from closing the program.
    runHandler([this] { FormClose(); });
    event->accept();
}
