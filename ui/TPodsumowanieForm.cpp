#include "ui/TPodsumowanieForm.h"

#include "search/sesja/LukaProcent.h"
#include "toolkit/gui/FormFont.h"
#include "toolkit/gui/Handler.h"
#include "ui/TekstDlugosci.h"
#include "ui/TekstDowodu.h"
#include "ui/TekstLiczby.h"
#include "ui/WykresZbieznosci.h"
#include "ui/WynikModalny.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr QSize Rozmiar(424, 334);
constexpr int WysokoscWykresu = 260;

// A value above -1 is a length; -1, anything below it and NaN show nothing.
QString TekstWartosci(double wartosc, bool calkowita) {
    return wartosc > -1.0 ? TekstDlugosci(wartosc, calkowita) : QString();
}

QString TekstCzasu(double sekundy) {
    return sekundy > -1.0 ? TekstLiczby(sekundy) + QStringLiteral(" s") : QString();
}

QGridLayout* wiersze(QGroupBox* grupa, std::initializer_list<std::pair<QLabel*, QLabel*>> pary) {
    auto* uklad = new QGridLayout(grupa);
    int wiersz = 0;
    for (const auto& [etykieta, wartosc] : pary) {
        uklad->addWidget(etykieta, wiersz, 0);
        uklad->addWidget(wartosc, wiersz, 1);
        ++wiersz;
    }
    uklad->setColumnStretch(1, 1);
    return uklad;
}

} // namespace

TPodsumowanieForm::TPodsumowanieForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Podsumowanie"));
    setFont(formFont());

    GroupBox1 = new QGroupBox(QStringLiteral(" Metoda permutacji "), this);
    Label1 = new QLabel(QStringLiteral("Najkrótsza trasa : "), GroupBox1);
    PermutacjeNajkrotszaLabel = new QLabel(QStringLiteral("PermutacjeNajkrotszaLabel"), GroupBox1);
    Label2 = new QLabel(QStringLiteral("Najdłuższa trasa :"), GroupBox1);
    PermutacjeNajdluzszaLabel = new QLabel(QStringLiteral("Label3"), GroupBox1);
    Label7 = new QLabel(QStringLiteral("Optimum co najmniej : "), GroupBox1);
    PermutacjeOptimumLabel = new QLabel(GroupBox1);
    wiersze(GroupBox1, {{Label1, PermutacjeNajkrotszaLabel},
                        {Label2, PermutacjeNajdluzszaLabel},
                        {Label7, PermutacjeOptimumLabel}});
    Label7->hide();
    PermutacjeOptimumLabel->hide();

    GroupBox2 = new QGroupBox(QStringLiteral(" Losowo "), this);
    Label3 = new QLabel(QStringLiteral("Najkrótsza trasa : "), GroupBox2);
    LosowoNajkrotszaLabel = new QLabel(QStringLiteral("PermutacjeNajkrotszaLabel"), GroupBox2);
    wiersze(GroupBox2, {{Label3, LosowoNajkrotszaLabel}});

    GroupBox3 = new QGroupBox(QStringLiteral(" Genetycznie "), this);
    Label4 = new QLabel(QStringLiteral("Najkrótsza trasa : "), GroupBox3);
    GenetycznieNajkrotszaLabel = new QLabel(QStringLiteral("PermutacjeNajkrotszaLabel"), GroupBox3);
    wiersze(GroupBox3, {{Label4, GenetycznieNajkrotszaLabel}});

    GroupBox4 = new QGroupBox(QStringLiteral(" Lokalnie "), this);
    Label5 = new QLabel(QStringLiteral("Najkrótsza trasa : "), GroupBox4);
    LokalnieNajkrotszaLabel = new QLabel(GroupBox4);
    Label6 = new QLabel(QStringLiteral("Czas szukania : "), GroupBox4);
    LokalnieCzasLabel = new QLabel(GroupBox4);
    // A sentence of its own across the group: "co najwyżej 0,83 % od
    // optimum" does not fit beside a label.
    LokalnieLukaLabel = new QLabel(GroupBox4);
    wiersze(GroupBox4, {{Label5, LokalnieNajkrotszaLabel}, {Label6, LokalnieCzasLabel}})
        ->addWidget(LokalnieLukaLabel, 2, 0, 1, 2);

    GroupBox5 = new QGroupBox(QStringLiteral(" Z dowodem optymalności "), this);
    Label8 = new QLabel(QStringLiteral("Najkrótsza trasa : "), GroupBox5);
    DowodNajkrotszaLabel = new QLabel(GroupBox5);
    Label9 = new QLabel(QStringLiteral("Najdłuższa trasa : "), GroupBox5);
    DowodNajdluzszaLabel = new QLabel(GroupBox5);
    wiersze(GroupBox5, {{Label8, DowodNajkrotszaLabel}, {Label9, DowodNajdluzszaLabel}});
    GroupBox5->hide();

    GroupBox6 = new QGroupBox(QStringLiteral(" Własna trasa "), this);
    Label10 = new QLabel(QStringLiteral("Długość trasy : "), GroupBox6);
    WlasnaTrasaLabel = new QLabel(GroupBox6);
    WlasnaPorownanieLabel = new QLabel(GroupBox6);
    wiersze(GroupBox6, {{Label10, WlasnaTrasaLabel}})->addWidget(WlasnaPorownanieLabel, 1, 0, 1, 2);
    GroupBox6->hide();

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    GenetycznieWykres = new WykresZbieznosci(this);
    GenetycznieWykres->setFixedHeight(WysokoscWykresu);
    GenetycznieWykres->hide();

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(GroupBox1, 0, 0);
    uklad->addWidget(GroupBox2, 1, 0);
    uklad->addWidget(GroupBox3, 2, 0);
    uklad->addWidget(GroupBox4, 3, 0);
    uklad->addWidget(Button1, 1, 1, Qt::AlignVCenter);
    // The proof's texts are long: its group takes the width of the window.
    uklad->addWidget(GroupBox5, 4, 0, 1, 2);
    uklad->addWidget(GroupBox6, 5, 0, 1, 2);
    uklad->addWidget(GenetycznieWykres, 6, 0, 1, 2);
    uklad->setColumnStretch(0, 1);
    setFixedSize(Rozmiar);

    connect(Button1, &QPushButton::clicked, this, [this] { done(WynikModalny::OK); });
}

void TPodsumowanieForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
}

QString TPodsumowanieForm::TekstPorownania(double wlasna, double udowodniona, double najlepsza, bool calkowite) {
    const bool zDowodem = udowodniona >= 0.0;
    const double wzor = zDowodem ? udowodniona : najlepsza;
    const std::optional<double> luka = wzor >= 0.0 ? LukaProcent(wlasna, wzor, calkowite) : std::nullopt;
    if (!luka)
        return QStringLiteral("Brak trasy do porównania");
    const QString czego = zDowodem ? QStringLiteral("najkrótszej (udowodnionej)")
                                   : QStringLiteral("najlepszej znalezionej");
    if (*luka <= 0.0)
        return QStringLiteral("Równa ") + czego;
    const QString strona = wlasna < wzor ? QStringLiteral(" % poniżej ") : QStringLiteral(" % powyżej ");
    return TekstLiczby(*luka) + strona + czego;
}

int TPodsumowanieForm::PokazWlasna() {
    const bool jest = WlasnaTrasa > -1.0;
    GroupBox6->setVisible(jest);
    if (!jest)
        return 0;
    double udowodniona = -1.0;
    if (DowodNajkrotsza && DowodNajkrotsza->udowodniona)
        udowodniona = DowodNajkrotsza->dlugosc;
    else if (PermutacjeUdowodniona && PermutacjeNajkrotsza > -1.0)
        udowodniona = PermutacjeNajkrotsza;
    double najlepsza = -1.0;
    for (double dlugosc : {PermutacjeNajkrotsza, LosowoNajkrotsza, GenetycznieNajkrotsza, LokalnieNajkrotsza,
                           DowodNajkrotsza ? DowodNajkrotsza->dlugosc : -1.0})
        // Only a positive length has a gap to measure against it.
        if (dlugosc > 0.0 && (najlepsza < 0.0 || dlugosc < najlepsza))
            najlepsza = dlugosc;
    WlasnaTrasaLabel->setText(TekstDlugosci(WlasnaTrasa, Calkowite));
    WlasnaPorownanieLabel->setText(TekstPorownania(WlasnaTrasa, udowodniona, najlepsza, Calkowite));
    return GroupBox6->sizeHint().height() + std::max(0, layout()->spacing());
}

void TPodsumowanieForm::FormShow() {
    PermutacjeNajkrotszaLabel->setText(TekstWartosci(PermutacjeNajkrotsza, Calkowite));
    PermutacjeNajdluzszaLabel->setText(TekstWartosci(PermutacjeNajdluzsza, Calkowite));
    PermutacjeOptimumLabel->setText(TekstWartosci(PermutacjeOptimumCoNajmniej, Calkowite));
    LosowoNajkrotszaLabel->setText(TekstWartosci(LosowoNajkrotsza, Calkowite));
    GenetycznieNajkrotszaLabel->setText(TekstWartosci(GenetycznieNajkrotsza, Calkowite));
    LokalnieNajkrotszaLabel->setText(TekstWartosci(LokalnieNajkrotsza, Calkowite));
    LokalnieCzasLabel->setText(TekstCzasu(LokalnieCzas));
    // Shown only where the permutation search could not tell routes apart.
    const bool dolna = !PermutacjeNajkrotszaLabel->text().isEmpty() && !PermutacjeOptimumLabel->text().isEmpty();
    Label7->setVisible(dolna);
    PermutacjeOptimumLabel->setVisible(dolna);
    const int wierszDolnej = dolna ? Label7->sizeHint().height() + std::max(0, GroupBox1->layout()->spacing()) : 0;
    const bool luka = !LokalnieNajkrotszaLabel->text().isEmpty() && LokalnieLuka >= 0.0;
    LokalnieLukaLabel->setText(luka ? TekstLuki(LokalnieLuka) : QString());
    LokalnieLukaLabel->setVisible(luka);
    const int wierszLuki = luka ? LokalnieLukaLabel->sizeHint().height() + std::max(0, GroupBox4->layout()->spacing()) : 0;
    DowodNajkrotszaLabel->setText(DowodNajkrotsza ? TekstDowodu(*DowodNajkrotsza, Calkowite) : QString());
    DowodNajdluzszaLabel->setText(DowodNajdluzsza ? TekstDowodu(*DowodNajdluzsza, Calkowite) : QString());
    const bool dowod = !DowodNajkrotszaLabel->text().isEmpty();
    GroupBox5->setVisible(dowod);
    const int grupaDowodu = dowod ? GroupBox5->sizeHint().height() + std::max(0, layout()->spacing()) : 0;
    const int grupaWlasnej = PokazWlasna();

    // The window grows below the groups to make room for the chart.
    const bool wykres = !GenetycznieNajkrotszaLabel->text().isEmpty() && !GenetycznieZbieznosc.Pusta();
    if (wykres)
        GenetycznieWykres->Pokaz(GenetycznieZbieznosc);
    GenetycznieWykres->setVisible(wykres);
    // A proof "z dokładnością do milionowej" is wider than the window's usual width.
    const QMargins marginesy = layout()->contentsMargins();
    const int szerokosc = std::max(Rozmiar.width(), dowod ? GroupBox5->sizeHint().width() + marginesy.left() + marginesy.right() : 0);
    setFixedSize(szerokosc, Rozmiar.height() + (wykres ? WysokoscWykresu : 0) + wierszDolnej + wierszLuki + grupaDowodu + grupaWlasnej);
}
