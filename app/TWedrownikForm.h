#pragma once

#include "app/EdycjaMiast.h"
#include "ui/OknoGlowne.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <vector>

class BlokadaEdycji;
struct WynikSesji;
class CMatryca;
class MiastaOkna;
class OknaProgramu;
class PlikiMatrycy;
class WidokMatrycy;
class WlasnaTrasa;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QUndoStack;
class WidokPunktow;

// The main window: the city grid in a scroll box, or an opened file's cities
// as points in its place; random placement, the route search command and
// the menus.
class TWedrownikForm : public QMainWindow, public OknoGlowne {
    Q_OBJECT

public:
    explicit TWedrownikForm(QWidget* parent = nullptr);
    ~TWedrownikForm() override;

    // The other windows, created after this one.
    void PolaczOkna(OknaProgramu* okna);

    // Shows the grid's scroll box or the view of points.
    QStackedWidget* Srodek = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    CMatryca* MatrycaMiast = nullptr;
    WidokPunktow* PunktyMiast = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    // The opened file and its metric.
    QLabel* StatusPanel2 = nullptr;
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
    QAction* ZapiszCertyfikat1 = nullptr;
    QAction* ZapiszObraz1 = nullptr;
    QAction* Zakocz1 = nullptr;
    QMenu* Edycja1 = nullptr;
    QAction* Cofnij1 = nullptr;
    QAction* Ponow1 = nullptr;
    QAction* NarysujTrase1 = nullptr;
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

    // The window's cities: the grid's, or an opened file's.
    std::unique_ptr<MiastaOkna> Miasta;
    // The cities of the current search, from its start to its end.
    std::shared_ptr<const ZestawMiast> Szukane;

    // The user's own route while it is drawn.
    WlasnaTrasa* Wlasna = nullptr;

    // Every change of the cities, to undo and redo.
    QUndoStack* Historia = nullptr;
    // How the history changes the cities.
    std::unique_ptr<EdycjaMiast> Edycja;
    // The history keeps at least this many changes.
    static constexpr int LimitCofania = 100;

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
    // A file's cities have replaced the window's.
    void PlikOtwarty();
    // A click on the view of points, where no city is placed.
    void PunktyMiastKlikniete();
    // A click on a cell of the grid.
    void KomorkaKliknieta(int wiersz, int kolumna);
    // "Narysuj własną trasę": the clicks on cities take them in turn.
    void NarysujTrase1Click();

    // The status bar's text after a click on the view of points.
    static const QString PodpowiedzPunktow;

    // A search runs: its progress window blocks no other window, so that
    // the view of the cities still zooms and drags, and this window refuses
    // every change of the cities and every other command meanwhile.
    bool Szukanie() const { return szukanie_; }

    // OknoGlowne: the search's cities, or the window's between searches.
    std::shared_ptr<const ZestawMiast> ZestawSzukania() const override;
    void RysujTrase(const std::vector<int>& trasa) override;
    void RysujBadane(const std::vector<std::pair<int, int>>& odcinki) override;
    std::vector<QPointF> PunktyWidoku() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UtworzKontrolki();
    void UtworzMenu();
    // Shows the grid or the points, whichever holds the window's cities,
    // and says in the status bar what they are.
    void PokazMiasta();
    // The grid's own cities again, after a command that places them.
    void WrocDoMatrycy();
    void ZerujPodsumowanie();
    // The view of points takes the opened file's cities.
    void PokazPunkty();
    // The history has put other cities in place.
    void PoZmianieMiast();
    // A change already made goes into the history, if it changed anything.
    void Zapamietaj(const EdycjaMiast::Stan& przed, const QString& nazwa);
    // "Cofnij" and "Ponów" offered only where there is something to undo or
    // redo, and no search runs.
    void UstawEdycje();
    // The own route as it grows, closed, and left with Esc.
    void WlasnaZmieniona(const std::vector<int>& trasa);
    void WlasnaZamknieta(const std::vector<int>& trasa);
    void WlasnaPrzerwana();
    // Writes a search's answer into the summary, by the method the dialog ran.
    void Podsumuj(int metoda, const WynikSesji& wynik);
    // A proof of a file's cities leaves its certificate for "Zapisz
    // certyfikat…".
    void ZapamietajCertyfikat(const WynikSesji& wynik);
    void UstawSzukanie(bool trwa);

    OknaProgramu* okna_ = nullptr;
    bool pokazane_ = false;
    bool szukanie_ = false;
    BlokadaEdycji* blokadaMatrycy_ = nullptr;
    // The window's cities before the file being opened replaced them.
    std::optional<EdycjaMiast::Stan> przedOtwarciem_;
    // The cities the own route is drawn through, and the route drawn before
    // it, which Esc brings back.
    std::shared_ptr<const ZestawMiast> zestawWlasnej_;
    std::vector<int> trasaPrzedWlasna_;
};
