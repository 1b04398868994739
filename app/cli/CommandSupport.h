// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "app/cli/Console.h"

#include "core/common/NumberText.h"

#include <QString>
#include <QStringList>

namespace markwell::cli {

// A failure about a file, said so that it names the file once.
inline QString aboutFile(const QString& path, const QString& message) {
    return message.contains(path) ? message : path + QStringLiteral(": ") + message;
}

// A count and its noun, singular for one: "1 student", "25 students".
inline QString counted(qint64 count, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

// A grade file version as people write it: "2.0", "1.5".
inline QString versionText(double version) {
    QString text = generalQText(version);
    if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('E'))) text += QStringLiteral(".0");
    return text;
}

// The file kinds markwell-cli knows, by extension (compared without case).
enum class FileKind { Grades, Attendance, Seating, Unknown };

inline FileKind fileKindOf(const QString& path) {
    if (path.endsWith(QLatin1String(".grs"), Qt::CaseInsensitive)) return FileKind::Grades;
    if (path.endsWith(QLatin1String(".atd"), Qt::CaseInsensitive)) return FileKind::Attendance;
    if (path.endsWith(QLatin1String(".sea"), Qt::CaseInsensitive)) return FileKind::Seating;
    return FileKind::Unknown;
}

}  // namespace markwell::cli
