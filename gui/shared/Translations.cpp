// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace markwell {
namespace {

struct Translations {
    Q_DECLARE_TR_FUNCTIONS(Translations)
};

}  // namespace

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("markwell"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (Yes, No, Cancel, the file and print dialogs) come from
    // the system's Qt translations; without them those stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return own->language().section(u'_', 0, 0);
}

namespace {

// "en", "es", "fr": the language of the catalogue in use.
QString catalogueLanguage() {
    return Translations::tr("en", "the folder of the help pages in this language: es, fr");
}

}  // namespace

QLocale windowLocale() {
    const QLocale language(catalogueLanguage());
    const QLocale desktop;
    return desktop.language() == language.language() ? desktop : language;
}

QChar windowDecimalPoint() {
    const QString point = windowLocale().decimalPoint();
    return point.size() == 1 ? point.front() : QLatin1Char('.');
}

QString helpLanguage() {
    // The catalogue in use names its help pages, so the help never speaks
    // another language than the menus it explains.
    QString language = catalogueLanguage();
    if (language == QLatin1String("en")) return {};
    if (!QDir(QStringLiteral(":/help/") + language).exists()) return {};
    return language;
}

}  // namespace markwell
