#pragma once

#include "toolkit/gui/ColorDialog.h"

#include <QDialog>

class CMatryca;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The grid settings dialog: counts, cell size, line widths and the four
// colours of the main window's grid, and the colour of step mode's lines. Works directly on the grid.
class TUstawieniaMatrycyForm : public QDialog {
    Q_OBJECT

public:
    TUstawieniaMatrycyForm(CMatryca& matryca, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* IleWierszyEdit = nullptr;
    QLineEdit* IleKolumnEdit = nullptr;
    QLineEdit* WielkoscKomorkiEdit = nullptr;
    QLineEdit* SzerokoscTrasyEdit = nullptr;
    QLineEdit* SzerokoscSiatkiEdit = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    // The colour of what a step of step mode looked at.
    QPushButton* BadanaButton = nullptr;
    QPushButton* AnulujButton = nullptr;
    QPushButton* OKButton = nullptr;

    ColorDialog TloColorDialog;
    ColorDialog MiastaColorDialog;
    ColorDialog SiatkaColorDialog;
    ColorDialog TrasaColorDialog;
    ColorDialog BadanaColorDialog;

    void FormShow();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void BadanaButtonClick();
    void OKButtonClick();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UstawWymiary(int wiersze, int kolumny);

    CMatryca& matryca_;
};
