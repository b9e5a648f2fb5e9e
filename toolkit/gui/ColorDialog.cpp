#include "toolkit/gui/ColorDialog.h"

#include "toolkit/gui/QtColor.h"

#include <QColorDialog>

bool ColorDialog::Execute(QWidget* parent, const QString& title) {
    const QColor chosen = QColorDialog::getColor(toQColor(Color), parent, title);
    if (!chosen.isValid())
        return false;
    Color = fromQColor(chosen);
    return true;
}
