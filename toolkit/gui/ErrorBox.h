#pragma once

#include <QString>

class QWidget;

// The message as the standard error box shows it: a full stop is appended
// when the last character's code is above that of the full stop.
QString withFullStop(const QString& message);

// The standard error box: error icon, OK, the application's title as caption.
// Modal; returns when the user has closed it.
void showErrorBox(const QString& message, QWidget* parent = nullptr);
