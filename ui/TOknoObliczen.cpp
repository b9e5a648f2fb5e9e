#include "ui/TOknoObliczen.h"

#include <QCloseEvent>
#include <QScopedValueRollback>

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
