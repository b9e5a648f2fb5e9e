#include "app/SkrotyCofania.h"

#include <QAction>
#include <QKeyEvent>

SkrotyCofania::SkrotyCofania(QAction& cofnij, QAction& ponow, QObject* parent)
    : QObject(parent), cofnij_(cofnij), ponow_(ponow) {}

bool SkrotyCofania::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(obiekt, zdarzenie);
    const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    const QKeySequence nacisniete(klawisz->keyCombination());
    for (const QAction* akcja : {&cofnij_, &ponow_})
        if (akcja->shortcuts().contains(nacisniete))
            // Not accepted by the edit: the window's shortcut runs.
            return true;
    return QObject::eventFilter(obiekt, zdarzenie);
}
