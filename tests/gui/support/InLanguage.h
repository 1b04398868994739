// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

namespace markwell::testing {

// Installs the language ("es_ES", "fr_FR"; none for English) for the life
// of the object, the way the program does at start, and takes it away again.
class InLanguage {
public:
    explicit InLanguage(const QString& language) {
        if (language.isEmpty()) return;
        QLocale::setDefault(QLocale(language));  // as LANG gives it: the calendar's months, Qt's dialogs
        installed_ = installTranslations(*qApp, QLocale(language));
    }
    ~InLanguage() {
        QLocale::setDefault(before_);
        for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
    QString installed() const { return installed_; }

private:
    QLocale before_;
    QString installed_;
};

}  // namespace markwell::testing
