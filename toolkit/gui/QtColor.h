#pragma once

#include "toolkit/core/Color.h"

#include <QColor>

inline QColor toQColor(TColor color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

inline TColor fromQColor(const QColor& color) {
    return rgbColor(color.red(), color.green(), color.blue());
}
