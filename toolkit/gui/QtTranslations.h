#pragma once

#include <QLocale>
#include <QTranslator>

#include <memory>

// Qt's own texts (standard buttons, the colour and file dialogs) in the
// language of locale, from the translations Qt installs. The translator
// stays installed on the application while the returned object lives; null
// when Qt has no translation for that language, and Qt's texts stay English.
std::unique_ptr<QTranslator> installQtTranslations(const QLocale& locale = QLocale::system());
