#include "ui/TUstawieniaMatrycyForm.h"

#include "grid/CMatryca.h"
#include "toolkit/core/IntConvert.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/WynikModalny.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdint>

namespace {

QPushButton* przycisk(const QString& tekst, QWidget* rodzic) {
    auto* button = new QPushButton(tekst, rodzic);
    // Neither Enter nor Esc may close the dialog: no button is a default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TUstawieniaMatrycyForm::TUstawieniaMatrycyForm(CMatryca& matryca, QWidget* parent)
    : QDialog(parent), matryca_(matryca) {
    setWindowTitle(QStringLiteral("Ustawienia matrycy miast"));
    setFont(formFont());
    setFixedSize(415, 266);

    Label1 = new QLabel(QStringLiteral("Ilość wierszy : "), this);
    Label2 = new QLabel(QStringLiteral("Ilość kolumn : "), this);
    Label3 = new QLabel(QStringLiteral("Wielkość komórki : "), this);
    Label4 = new QLabel(QStringLiteral("Szerokość linii trasy : "), this);
    Label6 = new QLabel(QStringLiteral("Szerokość siatki : "), this);
    IleWierszyEdit = new QLineEdit(this);
    IleKolumnEdit = new QLineEdit(this);
    WielkoscKomorkiEdit = new QLineEdit(this);
    SzerokoscTrasyEdit = new QLineEdit(this);
    SzerokoscSiatkiEdit = new QLineEdit(this);

    auto* pola = new QGridLayout;
    const std::pair<QLabel*, QLineEdit*> wiersze[] = {{Label1, IleWierszyEdit},
                                                      {Label2, IleKolumnEdit},
                                                      {Label3, WielkoscKomorkiEdit},
                                                      {Label4, SzerokoscTrasyEdit},
                                                      {Label6, SzerokoscSiatkiEdit}};
    int wiersz = 0;
    for (const auto& [etykieta, pole] : wiersze) {
        etykieta->setBuddy(pole);
        pola->addWidget(etykieta, wiersz, 0);
        pola->addWidget(pole, wiersz, 1);
        ++wiersz;
    }
    pola->setRowStretch(wiersz, 1);

    GroupBox1 = new QGroupBox(QStringLiteral(" Kolor "), this);
    Button1 = przycisk(QStringLiteral("Tła"), GroupBox1);
    Button2 = przycisk(QStringLiteral("Miast"), GroupBox1);
    Button3 = przycisk(QStringLiteral("Siatki"), GroupBox1);
    Button4 = przycisk(QStringLiteral("Trasy"), GroupBox1);
    BadanaButton = przycisk(QStringLiteral("Badanej trasy"), GroupBox1);
    auto* kolory = new QVBoxLayout(GroupBox1);
    kolory->addWidget(Button1);
    kolory->addWidget(Button2);
    kolory->addWidget(Button3);
    kolory->addWidget(Button4);
    kolory->addWidget(BadanaButton);
    kolory->addStretch(1);

    AnulujButton = przycisk(QStringLiteral("Anuluj"), this);
    OKButton = przycisk(QStringLiteral("OK"), this);

    auto* gora = new QHBoxLayout;
    gora->addLayout(pola, 1);
    gora->addWidget(GroupBox1);
    auto* dol = new QHBoxLayout;
    dol->addStretch(1);
    dol->addWidget(AnulujButton);
    dol->addWidget(OKButton);
    dol->addStretch(1);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora, 1);
    uklad->addLayout(dol);

    setTabOrder(IleWierszyEdit, IleKolumnEdit);
    setTabOrder(IleKolumnEdit, WielkoscKomorkiEdit);
    setTabOrder(WielkoscKomorkiEdit, SzerokoscTrasyEdit);
    setTabOrder(SzerokoscTrasyEdit, SzerokoscSiatkiEdit);
    setTabOrder(SzerokoscSiatkiEdit, Button1);
    setTabOrder(Button1, Button3);
    setTabOrder(Button3, Button4);
    setTabOrder(Button4, Button2);
    setTabOrder(Button2, AnulujButton);
    setTabOrder(AnulujButton, OKButton);

    connect(Button1, &QPushButton::clicked, this, handler([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, handler([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, handler([this] { Button3Click(); }));
    connect(Button4, &QPushButton::clicked, this, handler([this] { Button4Click(); }));
    connect(BadanaButton, &QPushButton::clicked, this, handler([this] { BadanaButtonClick(); }));
    connect(AnulujButton, &QPushButton::clicked, this, &TUstawieniaMatrycyForm::reject);
    connect(OKButton, &QPushButton::clicked, this, handler([this] { OKButtonClick(); }));
}

void TUstawieniaMatrycyForm::FormShow() {
    IleWierszyEdit->setText(QString::number(matryca_.GetRowCount()));
    IleKolumnEdit->setText(QString::number(matryca_.GetColumnCount()));
    WielkoscKomorkiEdit->setText(QString::number(matryca_.GetCellSize()));
    SzerokoscTrasyEdit->setText(QString::number(matryca_.GetBestRouteWidth()));
    SzerokoscSiatkiEdit->setText(QString::number(matryca_.GetGridWidth()));
    TloColorDialog.Color = matryca_.GetBackgroundColor();
    MiastaColorDialog.Color = matryca_.GetSelectedColor();
    SiatkaColorDialog.Color = matryca_.GetGridColor();
    TrasaColorDialog.Color = matryca_.GetBestRouteColor();
    BadanaColorDialog.Color = matryca_.GetExaminedColor();
}

void TUstawieniaMatrycyForm::Button1Click() {
    TloColorDialog.Execute(this);
}

void TUstawieniaMatrycyForm::Button2Click() {
    MiastaColorDialog.Execute(this);
}

void TUstawieniaMatrycyForm::Button3Click() {
    SiatkaColorDialog.Execute(this);
}

void TUstawieniaMatrycyForm::Button4Click() {
    TrasaColorDialog.Execute(this);
}

void TUstawieniaMatrycyForm::BadanaButtonClick() {
    BadanaColorDialog.Execute(this);
}

void TUstawieniaMatrycyForm::OKButtonClick() {
    // Each value reaches the grid before the next text is converted, so a
    // bad text stops here with the earlier values already applied.
    const int wiersze = StrToInt(IleWierszyEdit->text());
    int kolumny = 0;
    try {
        kolumny = StrToInt(IleKolumnEdit->text());
    } catch (const UserError&) {
        matryca_.SetRowCount(wiersze);
        throw;
    }
    UstawWymiary(wiersze, kolumny);
    matryca_.SetCellSize(StrToInt(WielkoscKomorkiEdit->text()));
    matryca_.SetBestRouteWidth(StrToInt(SzerokoscTrasyEdit->text()));
    matryca_.SetGridWidth(StrToInt(SzerokoscSiatkiEdit->text()));
    matryca_.SetBackgroundColor(TloColorDialog.Color);
    matryca_.SetSelectedColor(MiastaColorDialog.Color);
    matryca_.SetGridColor(SiatkaColorDialog.Color);
    matryca_.SetBestRouteColor(TrasaColorDialog.Color);
    matryca_.SetExaminedColor(BadanaColorDialog.Color);
    done(WynikModalny::OK);
}

void TUstawieniaMatrycyForm::UstawWymiary(int wiersze, int kolumny) {
    // The size typed is checked as a whole, so a refusal names it and leaves
    // both counts as they were; a count that is not positive keeps the
    // grid's own.
    const int noweWiersze = wiersze > 0 ? wiersze : matryca_.GetRowCount();
    const int noweKolumny = kolumny > 0 ? kolumny : matryca_.GetColumnCount();
    CMatryca::SprawdzRozmiar(noweWiersze, noweKolumny);
    // Rows first, unless the new rows with the old columns would be too
    // large on the way: then the new columns with the old rows are not.
    if (std::int64_t(noweWiersze) * matryca_.GetColumnCount() > CMatryca::MaksLiczbaKomorek) {
        matryca_.SetColumnCount(kolumny);
        matryca_.SetRowCount(wiersze);
    } else {
        matryca_.SetRowCount(wiersze);
        matryca_.SetColumnCount(kolumny);
    }
}

void TUstawieniaMatrycyForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TUstawieniaMatrycyForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TUstawieniaMatrycyForm::reject() {
    // "Anuluj" and the close box both end with the result Cancel.
    done(WynikModalny::Anuluj);
}
