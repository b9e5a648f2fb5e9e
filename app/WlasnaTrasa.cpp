#include "app/WlasnaTrasa.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

WlasnaTrasa::WlasnaTrasa(QWidget& okno) : QObject(&okno), okno_(okno) {}

void WlasnaTrasa::Zacznij(int ilosc) {
    miasta_.clear();
    wziete_.assign(std::size_t(std::max(ilosc, 0)), false);
    if (!trwa_)
        qApp->installEventFilter(this);
    trwa_ = true;
    emit Zmieniona(miasta_);
}

void WlasnaTrasa::Kliknij(int miasto) {
    if (!trwa_ || miasto < 0 || std::size_t(miasto) >= wziete_.size())
        return;
    if (wziete_[std::size_t(miasto)]) {
        CofnijOstatnie();
        return;
    }
    wziete_[std::size_t(miasto)] = true;
    miasta_.push_back(miasto);
    if (miasta_.size() < wziete_.size()) {
        emit Zmieniona(miasta_);
        return;
    }
    Koniec();
    emit Zamknieta(miasta_);
}

void WlasnaTrasa::CofnijOstatnie() {
    if (!trwa_ || miasta_.empty())
        return;
    wziete_[std::size_t(miasta_.back())] = false;
    miasta_.pop_back();
    emit Zmieniona(miasta_);
}

void WlasnaTrasa::Przerwij() {
    if (!trwa_)
        return;
    Koniec();
    emit Przerwana();
}

void WlasnaTrasa::Porzuc() {
    if (trwa_)
        Koniec();
}

void WlasnaTrasa::Koniec() {
    trwa_ = false;
    qApp->removeEventFilter(this);
}

bool WlasnaTrasa::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::KeyPress || !trwa_)
        return false;
    auto* kontrolka = qobject_cast<QWidget*>(obiekt);
    if (!kontrolka || kontrolka->window() != &okno_)
        return false;
    switch (static_cast<QKeyEvent*>(zdarzenie)->key()) {
    case Qt::Key_Backspace:
        CofnijOstatnie();
        return true;
    case Qt::Key_Escape:
        Przerwij();
        return true;
    default:
        return false;
    }
}
