#pragma once

#include "toolkit/core/Color.h"

#include <QString>

class QWidget;

// A colour-choice dialog that remembers its colour between showings: the
// platform's standard colour dialog opens at the current colour, and only a
// confirmed choice changes it.
class ColorDialog {
public:
    TColor Color = 0;

    // True when the user confirmed a colour.
    bool Execute(QWidget* parent, const QString& title = QString());
};
