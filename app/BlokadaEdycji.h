#pragma once

#include <QEvent>
#include <QObject>

// Installed on a control, swallows its mouse presses while active: the
// grid's cities stay as they are while a search reads them, and its view
// still scrolls and zooms.
class BlokadaEdycji : public QObject {
public:
    using QObject::QObject;

    bool Aktywna = false;

protected:
    bool eventFilter(QObject*, QEvent* zdarzenie) override {
        switch (zdarzenie->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return Aktywna;
        default:
            return false;
        }
    }
};
