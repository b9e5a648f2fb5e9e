#pragma once

#include "ui/TOknoObliczen.h"

#include <array>
#include <vector>

class QLabel;
class RysunekLP;
class WykresGranic;

// The progress window of the proof of optimality. Shown modally by the
// search dialog; it proves the shortest route and then the longest on the
// current cities within the dialog's time limit (the shortest may take half
// of it), shows the bounds of the route being proven closing in on one chart
// and the current LP solution over the cities (the route itself once it is
// proven), and closes with OK when both
// are proven, when the time is up, or when the user has finished it early:
// the best routes so far, with their bounds, are the result.
class TObliczDowodForm : public TOknoObliczen {
    Q_OBJECT

public:
    TObliczDowodForm(OknoGlowne& oknoGlowne, QWidget* parent);

    // Runs a proof of czasSzukania seconds modally and returns the window's
    // modal result.
    int Uruchom(int czasSzukania);

    QLabel* Label1 = nullptr;
    QLabel* CzasLabel = nullptr;
    // Each route: its length so far and what the proof says of it.
    QLabel* Label2 = nullptr;
    QLabel* NajkrotszaLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* NajdluzszaLabel = nullptr;
    // The bounds and the branch and cut's nodes of the route being proven,
    // which the chart's title names.
    QLabel* Label4 = nullptr;
    QLabel* DolnaLabel = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* GornaLabel = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* WezlyLabel = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* CieciaLabel = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* LukaLabel = nullptr;
    WykresGranic* Wykres = nullptr;
    RysunekLP* Rysunek = nullptr;

protected:
    void Wyczysc(const UstawieniaSesji& ustawienia) override;
    void Pokaz(const MigawkaSesji& migawka, bool koniec) override;

private:
    static int Indeks(CelDowodu cel) { return cel == CelDowodu::Najkrotsza ? 0 : 1; }
    void Zapamietaj(const MigawkaDowodu& dowod);
    void Rysuj(const MigawkaCeluDowodu& cel);
    QString TekstTrasy(const MigawkaDowodu& dowod, CelDowodu cel) const;
    static QString TekstWezlow(const MigawkaCeluDowodu& p);
    static QString TekstCiec(const MigawkaCeluDowodu& p);

    int czasSzukania_ = 60;
    // The route the bounds, the chart and the drawing are of: they start
    // afresh when the proof of the longest route has its first route.
    CelDowodu pokazany_ = CelDowodu::Najkrotsza;
    // Each goal's newest route and LP solution, and whether the solution
    // is yet to be drawn.
    std::array<std::vector<int>, 2> trasy_;
    std::array<std::vector<PostepDowodu::KrawedzLP>, 2> rozwiazania_;
    std::array<bool, 2> noweRozwiazanie_{};
    // The proven route of the shown goal is drawn in place of its LP
    // solution.
    bool narysowanaUdowodniona_ = false;
};
