// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/NamedSheet.h"

namespace markwell {
namespace {

constexpr qsizetype kMaxSheetNameLength = 31;

QString cleanName(const QString& name, std::size_t position) {
    QString clean;
    for (const QChar ch : name) {
        const bool refused = QStringLiteral(":\\/?*[]").contains(ch) || ch.category() == QChar::Other_Control;
        clean.append(refused ? QLatin1Char('_') : ch);
    }
    clean = clean.trimmed().left(kMaxSheetNameLength);
    while (clean.startsWith(QLatin1Char('\''))) clean.remove(0, 1);
    while (clean.endsWith(QLatin1Char('\''))) clean.chop(1);
    if (clean.isEmpty()) clean = QStringLiteral("Sheet%1").arg(position + 1);
    return clean;
}

bool taken(const std::vector<QString>& names, const QString& name) {
    for (const QString& known : names) {
        if (known.compare(name, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

}  // namespace

QString firstSheetName() {
    return QStringLiteral("Sheet1");
}

std::vector<QString> worksheetNames(const NamedSheets& sheets) {
    std::vector<QString> names;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const QString clean = cleanName(sheets[i].name, i);
        QString name = clean;
        for (int n = 2; taken(names, name); ++n) {
            const QString suffix = QStringLiteral(" (%1)").arg(n);
            name = clean.left(kMaxSheetNameLength - suffix.size()) + suffix;
        }
        names.push_back(name);
    }
    return names;
}

}  // namespace markwell
