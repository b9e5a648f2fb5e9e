#pragma once

#include "search/genetyczne/SeriaZbieznosci.h"
#include "search/sesja/WynikSesji.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class WykresZbieznosci;

// The summary: the route lengths found by each method since the grid last
// changed. The main window writes the values; -1 marks a method not run.
class TPodsumowanieForm : public QDialog {
    Q_OBJECT

public:
    explicit TPodsumowanieForm(QWidget* parent);

    double PermutacjeNajkrotsza = 0.0;
    double PermutacjeNajdluzsza = 0.0;
    // Where single-precision sums rounded: how short a route could be that
    // the permutation search did not tell apart; -1 when its route is the
    // optimum.
    double PermutacjeOptimumCoNajmniej = -1.0;
    // The permutation search saw every route: its shortest is the optimum.
    bool PermutacjeUdowodniona = false;
    double LosowoNajkrotsza = 0.0;
    double GenetycznieNajkrotsza = 0.0;
    double LokalnieNajkrotsza = 0.0;
    // The seconds the local search took.
    double LokalnieCzas = 0.0;
    // How far above the optimum its route is at most, in per cent, by a
    // lower bound; -1: not known (the row is hidden).
    double LokalnieLuka = -1.0;
    // The convergence of the genetic run whose length GenetycznieNajkrotsza
    // holds; drawn under it while that length is shown.
    SeriaZbieznosci GenetycznieZbieznosc;
    // The proof of optimality's shortest and longest route; its group shows
    // only while there is one.
    std::optional<TrasaSesji> DowodNajkrotsza;
    std::optional<TrasaSesji> DowodNajdluzsza;
    // The route the user drew, and its group; -1: none.
    double WlasnaTrasa = -1.0;
    // The lengths are in a file's metric: whole numbers.
    bool Calkowite = false;

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* PermutacjeNajkrotszaLabel = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* PermutacjeNajdluzszaLabel = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* PermutacjeOptimumLabel = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* LosowoNajkrotszaLabel = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* GenetycznieNajkrotszaLabel = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* LokalnieNajkrotszaLabel = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* LokalnieCzasLabel = nullptr;
    QLabel* LokalnieLukaLabel = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* DowodNajkrotszaLabel = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* DowodNajdluzszaLabel = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* WlasnaTrasaLabel = nullptr;
    QLabel* WlasnaPorownanieLabel = nullptr;
    QPushButton* Button1 = nullptr;
    WykresZbieznosci* GenetycznieWykres = nullptr;

    void FormShow();

    // How the user's route compares with the shortest known: with the
    // proven optimum where there is one, "3,2 % powyżej najkrótszej
    // (udowodnionej)"; else with the best route found; else nothing to
    // compare with. A negative length is none.
    static QString TekstPorownania(double wlasna, double udowodniona, double najlepsza, bool calkowite);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Fills the group of the user's route and shows it while there is one;
    // the height it adds to the window.
    int PokazWlasna();
};
