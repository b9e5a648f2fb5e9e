#pragma once

#include <QFont>

// The base font of the program's windows: 8-point "MS Sans Serif", bold in
// all but the About window. Qt substitutes the nearest font it has.
inline QFont formFont(bool bold = true) {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setBold(bold);
    return font;
}
