#include "ui/TFormOProgramie.h"

#include "toolkit/gui/FormFont.h"
#include "ui/WynikModalny.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* pogrubiona(QLabel* etykieta) {
    QFont czcionka = etykieta->font();
    czcionka.setBold(true);
    etykieta->setFont(czcionka);
    return etykieta;
}

} // namespace

TFormOProgramie::TFormOProgramie(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("O programie"));
    setFont(formFont(false));
    resize(367, 381);

    GroupBox1 = new QGroupBox(this);
    auto* siatka = new QGridLayout(GroupBox1);
    Label5 = pogrubiona(new QLabel(QStringLiteral("Rozwiązywanie problemu Wedrownika metaodami :"), GroupBox1));
    Label6 = new QLabel(QStringLiteral("Permutacji"), GroupBox1);
    Label7 = new QLabel(QStringLiteral("Losową"), GroupBox1);
    Label8 = new QLabel(QStringLiteral("Z wykorzystaniem algorytmów genetycznych"), GroupBox1);
    Label1 = pogrubiona(new QLabel(QStringLiteral("Autorzy: "), GroupBox1));
    Label2 = new QLabel(QStringLiteral("Zespół Wedrownika"), GroupBox1);
    Label3 = new QLabel(QStringLiteral("Współpracownicy zespołu Wedrownika"), GroupBox1);
    Label4 = pogrubiona(new QLabel(QStringLiteral("Wersja:"), GroupBox1));
    Label9 = new QLabel(QStringLiteral("1.2 b  (maj 2002)"), GroupBox1);

    siatka->addWidget(Label5, 0, 0, 1, 2);
    siatka->addWidget(Label6, 1, 1);
    siatka->addWidget(Label7, 2, 1);
    siatka->addWidget(Label8, 3, 1);
    siatka->setRowMinimumHeight(4, 24);
    siatka->addWidget(Label1, 5, 0, Qt::AlignRight);
    siatka->addWidget(Label2, 5, 1);
    siatka->addWidget(Label3, 6, 1);
    siatka->setRowMinimumHeight(7, 24);
    siatka->addWidget(Label4, 8, 0, Qt::AlignRight);
    siatka->addWidget(Label9, 8, 1);
    siatka->setRowStretch(9, 1);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(WynikModalny::OK); });

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(GroupBox1, 1);
    uklad->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}
