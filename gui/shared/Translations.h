// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace markwell {

// Installs the program's catalogue for the locale (Spanish, French; English
// needs none) and Qt's own, so standard buttons and dialogs speak the same
// language. The translators live as long as the application. Returns the
// language installed ("es", "fr"), or an empty text for English.
QString installTranslations(QCoreApplication& app, const QLocale& locale);

// How the window writes dates and numbers: the locale of the language its
// texts are in (the desktop's own when it speaks that language, so that its
// country's habits stay). Files, markwell-cli and exports never use it.
QLocale windowLocale();
// The window's decimal separator: "," in Spanish and French.
QChar windowDecimalPoint();

// The language whose help pages to show first ("es", "fr"), or an empty text
// when the pages are read in English: the language of the catalogue installed.
QString helpLanguage();

}  // namespace markwell
