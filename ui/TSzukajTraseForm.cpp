#include "ui/TSzukajTraseForm.h"

#include "search/sesja/PlanSesji.h"
#include "search/sesja/Przeszkoda.h"
#include "storage/CPamiec.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/Pytanie.h"
#include "ui/TObliczDowodForm.h"
#include "ui/TObliczForm.h"
#include "ui/TObliczGenetycznieForm.h"
#include "ui/TObliczLokalnieForm.h"
#include "ui/TekstLiczby.h"
#include "ui/WynikModalny.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

QString tekstRozmiaru(double bajty) {
    const char* jednostki[] = {"B", "KiB", "MiB", "GiB", "TiB"};
    int j = 0;
    while (bajty >= 1024.0 && j < 4) {
        bajty /= 1024.0;
        ++j;
    }
    return (j == 0 ? QString::number(bajty, 'f', 0) : TekstLiczby(bajty)) + QLatin1Char(' ')
           + QLatin1String(jednostki[j]);
}

QString nazwaMetody(MetodaSesji metoda) {
    switch (metoda) {
    case MetodaSesji::Permutacje: return QStringLiteral("Metoda permutacji");
    case MetodaSesji::Losowo: return QStringLiteral("Szukanie losowe");
    default: return QStringLiteral("Algorytm genetyczny");
    }
}

QString tekstPrzeszkody(const Przeszkoda& p, MetodaSesji metoda) {
    switch (p.rodzaj) {
    case Przeszkoda::Rodzaj::TablicaPonadPamiec:
        return QStringLiteral("%1: tablica %2 X %2 odległości (%3) nie mieści się w pamięci (%4); "
                              "przeszukiwanie lokalne nie potrzebuje tablicy")
            .arg(nazwaMetody(metoda))
            .arg(p.miasta)
            .arg(tekstRozmiaru(p.bajty), tekstRozmiaru(double(p.budzet)));
    case Przeszkoda::Rodzaj::PopulacjaPonadPamiec:
        return QStringLiteral("Za mało pamięci");
    case Przeszkoda::Rodzaj::ZaDuzoMiastDowodu:
        return QStringLiteral("Dowód optymalności obejmuje co najwyżej %1 miast, nie %2; dobrą trasę da "
                              "przeszukiwanie lokalne")
            .arg(p.najwiecejMiast)
            .arg(p.miasta);
    case Przeszkoda::Rodzaj::CertyfikatBezDowodu:
        return QStringLiteral("Certyfikat daje tylko dowód optymalności");
    }
    return {};
}

} // namespace

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

    SzukajGroup = UtworzMetody();
    UstawieniaLosoweGroup = UtworzUstawienie(QStringLiteral("Ilość losowań :"), QStringLiteral("1000"), Label1,
                                             IleLosowanEdit);
    UstawieniaGenetyczneGroup = UtworzUstawieniaGenetyczne();
    UstawieniaLokalneGroup = UtworzUstawienie(QStringLiteral("Czas szukania (s) : "), QStringLiteral("10"), Label6,
                                              CzasSzukaniaEdit);
    UstawieniaDowoduGroup = UtworzUstawienie(QStringLiteral("Czas szukania (s) : "), QStringLiteral("60"), Label7,
                                             CzasDowoduEdit);
    KrokPoKrokuCheck = new QCheckBox(QStringLiteral("Krok po kroku"), this);
    SzukajButton = new QPushButton(QStringLiteral("Szukaj"), this);
    Uloz();

    connect(SzukajGroupItems, &QButtonGroup::idToggled, this, [this](int, bool zaznaczony) {
        if (zaznaczony)
            runHandler([this] { SzukajGroupClick(); });
    });
    connect(SzukajButton, &QPushButton::clicked, this, handler([this] { SzukajButtonClick(); }));
    SzukajGroupClick();
}

QGroupBox* TSzukajTraseForm::UtworzMetody() {
    auto* grupa = new QGroupBox(QStringLiteral(" Szukaj "), this);
    PermutacjeRadio = new QRadioButton(QStringLiteral("Metodą permutacji"), grupa);
    LosowoRadio = new QRadioButton(QStringLiteral("Losowo"), grupa);
    GenetycznieRadio = new QRadioButton(QStringLiteral("Używając algorytmów genetycznych"), grupa);
    LokalnieRadio = new QRadioButton(QStringLiteral("Przeszukiwaniem lokalnym"), grupa);
    DowodRadio = new QRadioButton(QStringLiteral("Z dowodem optymalności"), grupa);
    SzukajGroupItems = new QButtonGroup(this);
    auto* metody = new QVBoxLayout(grupa);
    const std::pair<QRadioButton*, int> przyciski[] = {{PermutacjeRadio, MetodaSzukania::Permutacje},
                                                       {LosowoRadio, MetodaSzukania::Losowo},
                                                       {GenetycznieRadio, MetodaSzukania::Genetycznie},
                                                       {LokalnieRadio, MetodaSzukania::Lokalnie},
                                                       {DowodRadio, MetodaSzukania::Dowod}};
    for (const auto& [przycisk, id] : przyciski) {
        SzukajGroupItems->addButton(przycisk, id);
        metody->addWidget(przycisk);
    }
    metody->addStretch(1);
    GenetycznieRadio->setChecked(true);
    return grupa;
}

QGroupBox* TSzukajTraseForm::UtworzUstawienie(const QString& etykieta, const QString& tekst, QLabel*& label,
                                              QLineEdit*& edit) {
    auto* grupa = new QGroupBox(QStringLiteral(" Ustawienia "), this);
    label = new QLabel(etykieta, grupa);
    edit = new QLineEdit(tekst, grupa);
    label->setBuddy(edit);
    auto* uklad = new QGridLayout(grupa);
    uklad->addWidget(label, 0, 0);
    uklad->addWidget(edit, 0, 1);
    uklad->setRowStretch(1, 1);
    return grupa;
}

QGroupBox* TSzukajTraseForm::UtworzUstawieniaGenetyczne() {
    auto* grupa = new QGroupBox(QStringLiteral(" Ustawienia "), this);
    Label2 = new QLabel(QStringLiteral("Ilość pokoleń : "), grupa);
    IlePokolenEdit = new QLineEdit(QStringLiteral("1000"), grupa);
    Label3 = new QLabel(QStringLiteral("Liczność populacji : "), grupa);
    LicznoscPopulacjiEdit = new QLineEdit(QStringLiteral("100"), grupa);
    Label4 = new QLabel(QStringLiteral("Prawdopodobieństwo krzyżowania : "), grupa);
    PKrzyzowaniaEdit = new QLineEdit(QStringLiteral("0,3"), grupa);
    Label5 = new QLabel(QStringLiteral("Prawdopodobieństwo mutacji : "), grupa);
    PMutacjiEdit = new QLineEdit(QStringLiteral("0,1"), grupa);
    auto* uklad = new QGridLayout(grupa);
    const std::pair<QLabel*, QLineEdit*> wiersze[] = {
        {Label2, IlePokolenEdit}, {Label3, LicznoscPopulacjiEdit}, {Label4, PKrzyzowaniaEdit}, {Label5, PMutacjiEdit}};
    int wiersz = 0;
    for (const auto& [etykieta, pole] : wiersze) {
        etykieta->setBuddy(pole);
        uklad->addWidget(etykieta, wiersz, 0);
        uklad->addWidget(pole, wiersz, 1);
        ++wiersz;
    }
    uklad->setRowStretch(wiersz, 1);
    return grupa;
}

void TSzukajTraseForm::Uloz() {
    // The settings groups share one place, which stays reserved while none
    // shows.
    auto* gora = new QGridLayout;
    gora->addWidget(SzukajGroup, 0, 0);
    for (QGroupBox* grupa :
         {UstawieniaLosoweGroup, UstawieniaGenetyczneGroup, UstawieniaLokalneGroup, UstawieniaDowoduGroup}) {
        QSizePolicy polityka = grupa->sizePolicy();
        polityka.setRetainSizeWhenHidden(true);
        grupa->setSizePolicy(polityka);
        gora->addWidget(grupa, 0, 1);
    }
    auto* dol = new QHBoxLayout;
    dol->addWidget(KrokPoKrokuCheck);
    dol->addStretch(1);
    dol->addWidget(SzukajButton);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(dol);
    setFixedSize(sizeHint());
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
    const TOknoObliczen* okno = Szukaj(SzukajGroupItemIndex(), wynik);
    if (!okno)
        return;
    wynik_ = wynik == WynikModalny::OK ? okno->Wynik() : WynikSesji{};
    // Hiding ended the dialog's own modal loop; it returns this result.
    done(wynik);
}

TOknoObliczen* TSzukajTraseForm::Szukaj(int metoda, int& wynik) {
    const bool krokPoKroku = KrokPoKrokuCheck->isChecked();
    for (TOknoObliczen* okno : std::initializer_list<TOknoObliczen*>{&obliczForm_, &obliczGenetycznieForm_,
                                                                     &obliczLokalnieForm_, &obliczDowodForm_})
        okno->KrokPoKroku = krokPoKroku;
    UstawieniaSesji u;
    switch (metoda) {
    case MetodaSzukania::Permutacje:
        u.metoda = MetodaSesji::Permutacje;
        SprawdzMetode(u);
        if (!PotwierdzPermutacje())
            return nullptr;
        hide();
        wynik = obliczForm_.Uruchom(MetodaSesji::Permutacje);
        return &obliczForm_;
    case MetodaSzukania::Losowo:
        u.metoda = MetodaSesji::Losowo;
        SprawdzMetode(u);
        if (StrToInt(IleLosowanEdit->text()) < 1)
            throw UserError(QStringLiteral("Zbyt mała ilość losowań"));
        hide();
        wynik = obliczForm_.Uruchom(MetodaSesji::Losowo, IleLosowanEdit->text());
        return &obliczForm_;
    case MetodaSzukania::Genetycznie:
        u.metoda = MetodaSesji::Genetycznie;
        u.populacja = 0;
        SprawdzMetode(u);
        if (StrToInt(IlePokolenEdit->text()) < 1)
            throw UserError(QStringLiteral("Zbyt mała liczba pokoleń"));
        u.populacja = StrToInt(LicznoscPopulacjiEdit->text());
        if (u.populacja < 1)
            throw UserError(QStringLiteral("Zbyta mała liczność populacji"));
        SprawdzMetode(u);
        hide();
        wynik = obliczGenetycznieForm_.Uruchom(UstawieniaGenetyki());
        return &obliczGenetycznieForm_;
    case MetodaSzukania::Lokalnie: {
        const int sekundy = StrToInt(CzasSzukaniaEdit->text());
        if (sekundy < 1)
            throw UserError(QStringLiteral("Zbyt mały czas szukania"));
        hide();
        wynik = obliczLokalnieForm_.Uruchom(sekundy);
        return &obliczLokalnieForm_;
    }
    case MetodaSzukania::Dowod: {
        const int sekundy = StrToInt(CzasDowoduEdit->text());
        if (sekundy < 1)
            throw UserError(QStringLiteral("Zbyt mały czas szukania"));
        u.metoda = MetodaSesji::Dowod;
        SprawdzMetode(u);
        hide();
        wynik = obliczDowodForm_.Uruchom(sekundy);
        return &obliczDowodForm_;
    }
    default:
        return nullptr;
    }
}

void TSzukajTraseForm::SprawdzMetode(const UstawieniaSesji& ustawienia) const {
    UstawieniaSesji u = ustawienia;
    u.budzetPamieci = BudzetPamieci;
    if (const std::optional<Przeszkoda> p = Sprawdz(Zaplanuj(u, IloscMiast), u, IloscMiast))
        throw UserError(tekstPrzeszkody(*p, u.metoda));
}

bool TSzukajTraseForm::PotwierdzPermutacje() {
    UstawieniaSesji u;
    u.metoda = MetodaSesji::Permutacje;
    if (!Zaplanuj(u, IloscMiast).mozeNieSkonczyc)
        return true;
    return Zapytaj(this, QStringLiteral("Metoda permutacji kończy się na pewno do %1 miast; dla %2 miast może nie "
                                        "skończyć się w rozsądnym czasie (najlepszą trasę w krótkim czasie da "
                                        "przeszukiwanie lokalne).\nCzy mimo to szukać metodą permutacji?")
                           .arg(Zasiegi().permutacjeKonczaSieDo)
                           .arg(IloscMiast));
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
