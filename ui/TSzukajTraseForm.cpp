#include "ui/TSzukajTraseForm.h"

#include "search/TablicaZMetryki.h"
#include "search/dowod/ZasiegDowodu.h"
#include "search/permutacje/ZasiegiPrzegladu.h"
#include "storage/CPamiec.h"
#include "toolkit/core/DecimalConvert.h"
#include "toolkit/core/MemoryBudget.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/TObliczDowodForm.h"
#include "ui/TObliczForm.h"
#include "ui/TObliczGenetycznieForm.h"
#include "ui/TObliczLokalnieForm.h"
#include "ui/WynikModalny.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

TSzukajTraseForm::TSzukajTraseForm(TObliczForm& obliczForm, TObliczGenetycznieForm& obliczGenetycznieForm,
                                   TObliczLokalnieForm& obliczLokalnieForm, TObliczDowodForm& obliczDowodForm,
                                   QWidget* parent)
    : QDialog(parent),
      obliczForm_(obliczForm),
      obliczGenetycznieForm_(obliczGenetycznieForm),
      obliczLokalnieForm_(obliczLokalnieForm),
      obliczDowodForm_(obliczDowodForm) {
    setWindowTitle(QStringLiteral("Szukanie trasy"));
    setFont(formFont());

    SzukajGroup = new QGroupBox(QStringLiteral(" Szukaj "), this);
    PermutacjeRadio = new QRadioButton(QStringLiteral("Metodą permutacji"), SzukajGroup);
    LosowoRadio = new QRadioButton(QStringLiteral("Losowo"), SzukajGroup);
    GenetycznieRadio = new QRadioButton(QStringLiteral("Używając algorytmów genetycznych"), SzukajGroup);
    LokalnieRadio = new QRadioButton(QStringLiteral("Przeszukiwaniem lokalnym"), SzukajGroup);
    DowodRadio = new QRadioButton(QStringLiteral("Z dowodem optymalności"), SzukajGroup);
    SzukajGroupItems = new QButtonGroup(this);
    SzukajGroupItems->addButton(PermutacjeRadio, MetodaSzukania::Permutacje);
    SzukajGroupItems->addButton(LosowoRadio, MetodaSzukania::Losowo);
    SzukajGroupItems->addButton(GenetycznieRadio, MetodaSzukania::Genetycznie);
    SzukajGroupItems->addButton(LokalnieRadio, MetodaSzukania::Lokalnie);
    SzukajGroupItems->addButton(DowodRadio, MetodaSzukania::Dowod);
    GenetycznieRadio->setChecked(true);
    auto* metody = new QVBoxLayout(SzukajGroup);
    metody->addWidget(PermutacjeRadio);
    metody->addWidget(LosowoRadio);
    metody->addWidget(GenetycznieRadio);
    metody->addWidget(LokalnieRadio);
    metody->addWidget(DowodRadio);
    metody->addStretch(1);

    UstawieniaLosoweGroup = new QGroupBox(QStringLiteral(" Ustawienia "), this);
    Label1 = new QLabel(QStringLiteral("Ilość losowań :"), UstawieniaLosoweGroup);
    IleLosowanEdit = new QLineEdit(QStringLiteral("1000"), UstawieniaLosoweGroup);
    auto* losowe = new QGridLayout(UstawieniaLosoweGroup);
    Label1->setBuddy(IleLosowanEdit);
    losowe->addWidget(Label1, 0, 0);
    losowe->addWidget(IleLosowanEdit, 0, 1);
    losowe->setRowStretch(1, 1);

    UstawieniaGenetyczneGroup = new QGroupBox(QStringLiteral(" Ustawienia "), this);
    Label2 = new QLabel(QStringLiteral("Ilość pokoleń : "), UstawieniaGenetyczneGroup);
    IlePokolenEdit = new QLineEdit(QStringLiteral("1000"), UstawieniaGenetyczneGroup);
    Label3 = new QLabel(QStringLiteral("Liczność populacji : "), UstawieniaGenetyczneGroup);
    LicznoscPopulacjiEdit = new QLineEdit(QStringLiteral("100"), UstawieniaGenetyczneGroup);
    Label4 = new QLabel(QStringLiteral("Prawdopodobieństwo krzyżowania : "), UstawieniaGenetyczneGroup);
    PKrzyzowaniaEdit = new QLineEdit(QStringLiteral("0,3"), UstawieniaGenetyczneGroup);
    Label5 = new QLabel(QStringLiteral("Prawdopodobieństwo mutacji : "), UstawieniaGenetyczneGroup);
    PMutacjiEdit = new QLineEdit(QStringLiteral("0,1"), UstawieniaGenetyczneGroup);
    auto* genetyczne = new QGridLayout(UstawieniaGenetyczneGroup);
    const std::pair<QLabel*, QLineEdit*> wiersze[] = {{Label2, IlePokolenEdit},
                                                      {Label3, LicznoscPopulacjiEdit},
                                                      {Label4, PKrzyzowaniaEdit},
                                                      {Label5, PMutacjiEdit}};
    int wiersz = 0;
    for (const auto& [etykieta, pole] : wiersze) {
        etykieta->setBuddy(pole);
        genetyczne->addWidget(etykieta, wiersz, 0);
        genetyczne->addWidget(pole, wiersz, 1);
        ++wiersz;
    }
    genetyczne->setRowStretch(wiersz, 1);

    UstawieniaLokalneGroup = new QGroupBox(QStringLiteral(" Ustawienia "), this);
    Label6 = new QLabel(QStringLiteral("Czas szukania (s) : "), UstawieniaLokalneGroup);
    CzasSzukaniaEdit = new QLineEdit(QStringLiteral("10"), UstawieniaLokalneGroup);
    auto* lokalne = new QGridLayout(UstawieniaLokalneGroup);
    Label6->setBuddy(CzasSzukaniaEdit);
    lokalne->addWidget(Label6, 0, 0);
    lokalne->addWidget(CzasSzukaniaEdit, 0, 1);
    lokalne->setRowStretch(1, 1);

    UstawieniaDowoduGroup = new QGroupBox(QStringLiteral(" Ustawienia "), this);
    Label7 = new QLabel(QStringLiteral("Czas szukania (s) : "), UstawieniaDowoduGroup);
    CzasDowoduEdit = new QLineEdit(QStringLiteral("60"), UstawieniaDowoduGroup);
    auto* dowod = new QGridLayout(UstawieniaDowoduGroup);
    Label7->setBuddy(CzasDowoduEdit);
    dowod->addWidget(Label7, 0, 0);
    dowod->addWidget(CzasDowoduEdit, 0, 1);
    dowod->setRowStretch(1, 1);

    SzukajButton = new QPushButton(QStringLiteral("Szukaj"), this);

    // The settings groups share one place, which stays reserved while none
    // shows.
    for (QGroupBox* grupa :
         {UstawieniaLosoweGroup, UstawieniaGenetyczneGroup, UstawieniaLokalneGroup, UstawieniaDowoduGroup}) {
        QSizePolicy polityka = grupa->sizePolicy();
        polityka.setRetainSizeWhenHidden(true);
        grupa->setSizePolicy(polityka);
    }
    auto* gora = new QGridLayout;
    gora->addWidget(SzukajGroup, 0, 0);
    gora->addWidget(UstawieniaLosoweGroup, 0, 1);
    gora->addWidget(UstawieniaGenetyczneGroup, 0, 1);
    gora->addWidget(UstawieniaLokalneGroup, 0, 1);
    gora->addWidget(UstawieniaDowoduGroup, 0, 1);
    auto* dol = new QHBoxLayout;
    dol->addStretch(1);
    dol->addWidget(SzukajButton);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(dol);
    setFixedSize(sizeHint());

    connect(SzukajGroupItems, &QButtonGroup::idToggled, this, [this](int, bool zaznaczony) {
        if (zaznaczony)
            runHandler([this] { SzukajGroupClick(); });
    });
    connect(SzukajButton, &QPushButton::clicked, this, handler([this] { SzukajButtonClick(); }));

    SzukajGroupClick();
}

int TSzukajTraseForm::SzukajGroupItemIndex() const {
    return SzukajGroupItems->checkedId();
}

void TSzukajTraseForm::SetSzukajGroupItemIndex(int index) {
    if (QAbstractButton* przycisk = SzukajGroupItems->button(index))
        przycisk->setChecked(true);
    SzukajGroupClick();
}

void TSzukajTraseForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
}

void TSzukajTraseForm::FormShow() {
    SzukajGroupClick();
}

void TSzukajTraseForm::SzukajGroupClick() {
    const int item = SzukajGroupItemIndex();
    UstawieniaLosoweGroup->setVisible(item == MetodaSzukania::Losowo);
    UstawieniaGenetyczneGroup->setVisible(item == MetodaSzukania::Genetycznie);
    UstawieniaLokalneGroup->setVisible(item == MetodaSzukania::Lokalnie);
    UstawieniaDowoduGroup->setVisible(item == MetodaSzukania::Dowod);
}

void TSzukajTraseForm::SzukajButtonClick() {
    int wynik = 0;
    TOknoObliczen* okno = nullptr;
    const int metoda = SzukajGroupItemIndex();
    SprawdzPamiec(metoda);
    switch (metoda) {
    case MetodaSzukania::Permutacje:
        if (!PotwierdzPermutacje())
            return;
        hide();
        okno = &obliczForm_;
        wynik = obliczForm_.Uruchom(TrybObliczen::Permutacje);
        break;
    case MetodaSzukania::Losowo:
        if (StrToInt(IleLosowanEdit->text()) < 1)
            throw UserError(QStringLiteral("Zbyt mała ilość losowań"));
        hide();
        okno = &obliczForm_;
        wynik = obliczForm_.Uruchom(TrybObliczen::Losowo, IleLosowanEdit->text());
        break;
    case MetodaSzukania::Genetycznie:
        if (StrToInt(IlePokolenEdit->text()) < 1)
            throw UserError(QStringLiteral("Zbyt mała liczba pokoleń"));
        if (StrToInt(LicznoscPopulacjiEdit->text()) < 1)
            throw UserError(QStringLiteral("Zbyta mała liczność populacji"));
        hide();
        okno = &obliczGenetycznieForm_;
        wynik = obliczGenetycznieForm_.Uruchom(UstawieniaGenetyki());
        break;
    case MetodaSzukania::Lokalnie: {
        const int sekundy = StrToInt(CzasSzukaniaEdit->text());
        if (sekundy < 1)
            throw UserError(QStringLiteral("Zbyt mały czas szukania"));
        hide();
        okno = &obliczLokalnieForm_;
        wynik = obliczLokalnieForm_.Uruchom(sekundy);
        break;
    }
    case MetodaSzukania::Dowod: {
        const int sekundy = StrToInt(CzasDowoduEdit->text());
        if (sekundy < 1)
            throw UserError(QStringLiteral("Zbyt mały czas szukania"));
        if (IloscMiast > kDowodNajwiecejMiast)
            throw UserError(QStringLiteral("Dowód optymalności obejmuje co najwyżej %1 miast, nie %2; dobrą trasę "
                                           "da przeszukiwanie lokalne")
                                .arg(kDowodNajwiecejMiast)
                                .arg(IloscMiast));
        hide();
        okno = &obliczDowodForm_;
        wynik = obliczDowodForm_.Uruchom(sekundy);
        break;
    }
    default:
        return;
    }
    wynik_ = wynik == WynikModalny::OK ? okno->Wynik() : WynikObliczen{};
    // Hiding ended the dialog's own modal loop; it returns this result.
    done(wynik);
}

namespace {

QString tekstRozmiaru(double bajty) {
    const char* jednostki[] = {"B", "KiB", "MiB", "GiB", "TiB"};
    int j = 0;
    while (bajty >= 1024.0 && j < 4) {
        bajty /= 1024.0;
        ++j;
    }
    return (j == 0 ? QString::number(bajty, 'f', 0) : FormatOneDecimal(bajty)) + QLatin1Char(' ')
           + QLatin1String(jednostki[j]);
}

} // namespace

void TSzukajTraseForm::SprawdzPamiec(int metoda) const {
    QString nazwa;
    switch (metoda) {
    case MetodaSzukania::Permutacje: nazwa = QStringLiteral("Metoda permutacji"); break;
    case MetodaSzukania::Losowo: nazwa = QStringLiteral("Szukanie losowe"); break;
    case MetodaSzukania::Genetycznie: nazwa = QStringLiteral("Algorytm genetyczny"); break;
    default: return;  // the local search and the proof read no table
    }
    const double rozmiar = RozmiarTablicy(IloscMiast);
    const std::uint64_t budzet = BudzetPamieci ? *BudzetPamieci : memoryBudget();
    if (rozmiar <= double(budzet))
        return;
    throw UserError(QStringLiteral("%1: tablica %2 X %2 odległości (%3) nie mieści się w pamięci (%4); "
                                   "przeszukiwanie lokalne nie potrzebuje tablicy")
                        .arg(nazwa)
                        .arg(IloscMiast)
                        .arg(tekstRozmiaru(rozmiar), tekstRozmiaru(double(budzet))));
}

bool TSzukajTraseForm::PotwierdzPermutacje() {
    if (IloscMiast <= kPrzegladKonczySieDo)
        return true;
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Pytanie"),
                        QStringLiteral("Metoda permutacji kończy się na pewno do %1 miast; dla %2 miast może nie "
                                       "skończyć się w rozsądnym czasie (najlepszą trasę w krótkim czasie da "
                                       "przeszukiwanie lokalne).\nCzy mimo to szukać metodą permutacji?")
                            .arg(kPrzegladKonczySieDo)
                            .arg(IloscMiast),
                        QMessageBox::Yes | QMessageBox::No, this);
    return pytanie.exec() == QMessageBox::Yes;
}

UstawieniaGenetyczne TSzukajTraseForm::UstawieniaGenetyki() const {
    return {IlePokolenEdit->text(), LicznoscPopulacjiEdit->text(), PKrzyzowaniaEdit->text(), PMutacjiEdit->text()};
}

void TSzukajTraseForm::reject() {
    done(WynikModalny::Anuluj);
}

void TSzukajTraseForm::ZapiszUstawienia(CPamiec* pamiec) const {
    pamiec->WriteString(IleLosowanEdit->text());
    pamiec->WriteString(IlePokolenEdit->text());
    pamiec->WriteString(LicznoscPopulacjiEdit->text());
    pamiec->WriteString(PKrzyzowaniaEdit->text());
    pamiec->WriteString(PMutacjiEdit->text());
}

void TSzukajTraseForm::WczytajUstawienia(CPamiec* pamiec) {
    IleLosowanEdit->setText(pamiec->ReadString());
    IlePokolenEdit->setText(pamiec->ReadString());
    LicznoscPopulacjiEdit->setText(pamiec->ReadString());
    PKrzyzowaniaEdit->setText(pamiec->ReadString());
    PMutacjiEdit->setText(pamiec->ReadString());
}
