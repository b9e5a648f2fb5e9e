#pragma once

#include <QString>

class QWidget;

// The program's own question, in a modal box owned by rodzic: caption
// "Pytanie", a question icon and the buttons "Tak" and "Nie" whatever the
// system's language. True for "Tak".
bool Zapytaj(QWidget* rodzic, const QString& tekst);
