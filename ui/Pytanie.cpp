#include "ui/Pytanie.h"

#include <QAbstractButton>
#include <QMessageBox>

bool Zapytaj(QWidget* rodzic, const QString& tekst) {
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Pytanie"), tekst, QMessageBox::Yes | QMessageBox::No,
                        rodzic);
    pytanie.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
    pytanie.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
    return pytanie.exec() == QMessageBox::Yes;
}
