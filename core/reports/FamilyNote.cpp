// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/FamilyNote.h"

#include <QRegularExpression>

namespace markwell {
namespace {

// A brace, anything but braces and line ends, and its closing brace.
const QRegularExpression& placeholderPattern() {
    static const QRegularExpression pattern(QStringLiteral("\\{[^{}\\n]*\\}"));
    return pattern;
}

}  // namespace

QStringList notePlaceholders() {
    return {QStringLiteral("{name}"), QStringLiteral("{grade}"), QStringLiteral("{average}")};
}

FilledNote fillFamilyNote(const QString& note, const NoteValues& values) {
    FilledNote filled;
    qsizetype done = 0;
    // One pass over the typed text: a value that itself holds "{grade}" (a
    // name can hold braces) is never replaced again.
    QRegularExpressionMatchIterator it = placeholderPattern().globalMatch(note);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        filled.text += note.mid(done, match.capturedStart() - done);
        const QString found = match.captured();
        if (found == QLatin1String("{name}")) filled.text += values.name;
        else if (found == QLatin1String("{grade}")) filled.text += values.grade;
        else if (found == QLatin1String("{average}")) filled.text += values.average;
        else {
            filled.text += found;
            if (!filled.unknown.contains(found)) filled.unknown << found;
        }
        done = match.capturedEnd();
    }
    filled.text += note.mid(done);
    return filled;
}

QStringList unknownPlaceholders(const QString& note) {
    return fillFamilyNote(note, {}).unknown;
}

}  // namespace markwell
