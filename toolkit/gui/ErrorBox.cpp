#include "toolkit/gui/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void showErrorBox(const QString& message, QWidget* parent) {
    if (!parent)
        parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                   : QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), withFullStop(message),
                    QMessageBox::Ok, parent);
    box.exec();
}
