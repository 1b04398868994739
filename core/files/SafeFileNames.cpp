// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/SafeFileNames.h"

#include <QHash>

namespace markwell {
namespace {

constexpr qsizetype kMaxStemLength = 100;

bool keptInFileName(QChar ch) {
    return ch.isLetterOrNumber() || ch == QLatin1Char(' ') || ch == QLatin1Char('-') || ch == QLatin1Char('_');
}

}  // namespace

QString safeFileStem(const QString& name) {
    QString stem;
    for (const QChar ch : name) {
        if (stem.size() == kMaxStemLength) break;
        stem.append(keptInFileName(ch) ? ch : QLatin1Char('_'));
    }
    return stem.isEmpty() ? QStringLiteral("student") : stem;
}

QStringList distinctFileNames(const QStringList& names, const QString& extension) {
    QHash<QString, int> seen;  // by lower-case stem: how many took it so far
    QStringList files;
    files.reserve(names.size());
    for (const QString& name : names) {
        const QString stem = safeFileStem(name);
        const int count = ++seen[stem.toLower()];
        files << (count == 1 ? stem : QStringLiteral("%1 (%2)").arg(stem).arg(count)) + extension;
    }
    return files;
}

}  // namespace markwell
