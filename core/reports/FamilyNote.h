// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>
#include <QStringList>

namespace markwell {

// The note to families a teacher types once for every student's report (and
// message): "{name}", "{grade}" and "{average}" in it are replaced per
// student; any other "{...}" is left as typed, and is pointed out so that a
// misspelt "{nmae}" is not sent to thirty families.
struct NoteValues {
    QString name;     // as the class writes it
    QString grade;    // the letter as the Grade column shows it, trimmed
    QString average;  // as the Average column shows it ("87.50%")
};

struct FilledNote {
    QString text;
    QStringList unknown;  // each "{...}" left as typed, once, in order
};

FilledNote fillFamilyNote(const QString& note, const NoteValues& values);

// The "{...}" of the note that are no placeholder, once each, in order.
QStringList unknownPlaceholders(const QString& note);

// The placeholders a note may hold, as they are typed.
QStringList notePlaceholders();

}  // namespace markwell
