#include "ui/TOknoObliczen.h"

#include "toolkit/gui/Application.h"

#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QShowEvent>

#include <exception>

void TOknoObliczen::done(int wynik) {
    if (zamykanie_ || !isVisible())
        return;
    bool zamknij = true;
    {
        QScopedValueRollback<bool> zamykanie(zamykanie_, true);
        FormClose(wynik, zamknij);
    }
    if (zamknij)
        QDialog::done(wynik);
}

void TOknoObliczen::reject() {
    done(2);
}

void TOknoObliczen::closeEvent(QCloseEvent* event) {
    if (isVisible())
        done(2);
    event->setAccepted(!isVisible());
}

void TOknoObliczen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    try {
        FormShow();
    } catch (...) {
        PoNieudanymPokazie();
        Application::reportException(std::current_exception());
    }
}
