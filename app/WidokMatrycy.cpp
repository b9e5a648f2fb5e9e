#include "app/WidokMatrycy.h"

#include "grid/CMatryca.h"
#include "grid/WidokPunktow.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

WidokMatrycy::WidokMatrycy(CMatryca& matryca, QScrollArea& przewijanie, WidokPunktow& punkty,
                           QStackedWidget& srodek)
    : QObject(&przewijanie), matryca_(matryca), przewijanie_(przewijanie), punkty_(punkty), srodek_(srodek) {
    matryca_.installEventFilter(this);
    przewijanie_.viewport()->installEventFilter(this);
}

double WidokMatrycy::SkalaDopasowania() const {
    // The box without scroll bars: a grid that fits needs none. The last
    // pixel of the grid lands on the box's last one.
    const QSize dostepne = przewijanie_.maximumViewportSize();
    const double szerokosc = double(matryca_.SzerokoscRzeczywista() - 1);
    const double wysokosc = double(matryca_.WysokoscRzeczywista() - 1);
    if (dostepne.width() < 2 || dostepne.height() < 2 || szerokosc < 1.0 || wysokosc < 1.0)
        return matryca_.Skala();
    const double skala = std::min((dostepne.width() - 1) / szerokosc, (dostepne.height() - 1) / wysokosc);
    return std::clamp(skala, CMatryca::MinSkala, CMatryca::MaksSkala);
}

bool WidokMatrycy::NaPunktach() const {
    return srodek_.currentWidget() == &punkty_;
}

void WidokMatrycy::Dopasuj() {
    if (NaPunktach()) {
        punkty_.Dopasuj();
        return;
    }
    // The scroll bars that the new size takes away resize the viewport
    // again, which must not start another fit inside this one.
    QScopedValueRollback<bool> dopasowywanie(dopasowywanie_, true);
    matryca_.UstawSkale(SkalaDopasowania());
    przewijanie_.horizontalScrollBar()->setValue(0);
    przewijanie_.verticalScrollBar()->setValue(0);
    dopasowany_ = true;
}

double WidokMatrycy::PoKroku(double mnoznik) const {
    const double stara = matryca_.Skala();
    const double nowa = stara * mnoznik;
    if ((stara < 1.0 && nowa > 1.0) || (stara > 1.0 && nowa < 1.0))
        return 1.0;
    // Smaller than the whole grid in the box is no use to anyone.
    if (mnoznik < 1.0)
        return std::max(nowa, std::min(stara, SkalaDopasowania()));
    return nowa;
}

QPoint WidokMatrycy::SrodekWidoku() const {
    // The middle of what the box shows of the grid.
    const QRect widoczne = przewijanie_.viewport()->rect() & matryca_.geometry();
    return widoczne.isEmpty() ? QPoint(0, 0) : widoczne.center();
}

void WidokMatrycy::Powieksz() {
    if (NaPunktach()) {
        punkty_.Powieksz();
        return;
    }
    Skaluj(PoKroku(Krok), SrodekWidoku());
}

void WidokMatrycy::Pomniejsz() {
    if (NaPunktach()) {
        punkty_.Pomniejsz();
        return;
    }
    Skaluj(PoKroku(1.0 / Krok), SrodekWidoku());
}

void WidokMatrycy::RzeczywistyRozmiar() {
    if (NaPunktach()) {
        punkty_.RzeczywistyRozmiar();
        return;
    }
    Skaluj(1.0, SrodekWidoku());
}

void WidokMatrycy::Skaluj(double skala, QPoint punkt) {
    dopasowany_ = false;
    const QPoint wMatrycy = matryca_.mapFrom(przewijanie_.viewport(), punkt);
    const double stara = matryca_.Skala();
    const double x = (wMatrycy.x() + 0.5) / stara;
    const double y = (wMatrycy.y() + 0.5) / stara;
    matryca_.UstawSkale(skala);
    const double nowa = matryca_.Skala();
    przewijanie_.horizontalScrollBar()->setValue(int(std::lround(std::clamp(x * nowa - punkt.x(), 0.0, 2e9))));
    przewijanie_.verticalScrollBar()->setValue(int(std::lround(std::clamp(y * nowa - punkt.y(), 0.0, 2e9))));
}

bool WidokMatrycy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    // The grid sends events while the scroll box tears it down, when the box
    // is no longer one: only the two events this view acts on may ask it.
    if (zdarzenie->type() != QEvent::Resize && zdarzenie->type() != QEvent::Wheel)
        return false;
    QWidget* viewport = przewijanie_.viewport();
    if (obiekt == viewport && zdarzenie->type() == QEvent::Resize && dopasowany_ && !dopasowywanie_) {
        Dopasuj();
        return false;
    }
    if ((obiekt != &matryca_ && obiekt != viewport) || zdarzenie->type() != QEvent::Wheel)
        return false;
    auto* kolko = static_cast<QWheelEvent*>(zdarzenie);
    if (!(kolko->modifiers() & Qt::ControlModifier))
        return false;
    // 120 is one notch; finer wheels and touchpads send parts of it.
    const int obrot = kolko->angleDelta().y();
    if (obrot != 0) {
        const QPoint punkt = static_cast<QWidget*>(obiekt)->mapTo(viewport, kolko->position().toPoint());
        Skaluj(PoKroku(std::pow(Krok, obrot / 120.0)), punkt);
    }
    kolko->accept();
    return true;
}
