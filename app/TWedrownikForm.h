#pragma once

#include "search/CPunkty.h"
#include "search/TablicaOdleglosci.h"
#include "ui/OknoGlowne.h"

#include <QMainWindow>

class CMatryca;
class OknaProgramu;
class PlikiMatrycy;
class WidokMatrycy;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

// The main window: the city grid in a scroll box, random placement, the
// route search command and the menus.
class TWedrownikForm : public QMainWindow, public OknoGlowne {
    Q_OBJECT

public:
    explicit TWedrownikForm(QWidget* parent = nullptr);
    ~TWedrownikForm() override;

    // The other windows, created after this one.
    void PolaczOkna(OknaProgramu* okna);

    QScrollArea* ScrollBox1 = nullptr;
    CMatryca* MatrycaMiast = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QPushButton* SzukajEdit = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* LosujEdit = nullptr;
    QPushButton* LosujButton = nullptr;
    QPushButton* CzyscMatryceButton = nullptr;
    QMenu* Plik1 = nullptr;
    QAction* Otworz1 = nullptr;
    QAction* ZapiszJako1 = nullptr;
    QAction* ZapiszTrase1 = nullptr;
    QAction* ZapiszObraz1 = nullptr;
    QAction* Zakocz1 = nullptr;
    QMenu* Widok1 = nullptr;
    QAction* DopasujDoOkna1 = nullptr;
    QAction* Powieksz1 = nullptr;
    QAction* Pomniejsz1 = nullptr;
    QAction* RzeczywistyRozmiar1 = nullptr;
    QMenu* Ustawienia1 = nullptr;
    QAction* Matrycymiast1 = nullptr;
    QMenu* Pomoc1 = nullptr;
    QAction* Oprogramie1 = nullptr;

    // Opening and saving the cities, the route and the picture.
    PlikiMatrycy* Pliki = nullptr;
    // The grid's zoom in the scroll box.
    WidokMatrycy* Widok = nullptr;

    // The snapshot of the current search.
    CPunkty Miasta;
    OdleglosciSlot Odleglosci;

    // Where the settings are kept; next to the executable.
    QString PlikKonfiguracji;

    void MatrycaMiastChange(CMatryca* Sender);
    void LosujButtonClick();
    void CzyscMatryceButtonClick();
    void Zakocz1Click();
    void SzukajEditClick();
    void Matrycymiast1Click();
    void Oprogramie1Click();
    void FormShow();
    void FormClose();

    // OknoGlowne
    CMatryca& Matryca() override { return *MatrycaMiast; }
    const CPunkty& ListaMiast() const override { return Miasta; }
    OdleglosciSlot& SlotOdleglosci() override { return Odleglosci; }
    void RysujTrase(const int* trasa) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UtworzKontrolki();
    void UtworzMenu();

    OknaProgramu* okna_ = nullptr;
    bool pokazane_ = false;
};
