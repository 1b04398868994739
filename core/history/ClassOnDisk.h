// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/history/ClassState.h"

#include <QString>

#include <functional>
#include <optional>

namespace markwell {

class GradeHistory;

// The class at `gradePath` as its three files hold it, read as they are
// (the class's own scale, not this computer's of the same name), for the
// history to compare with what it recorded; none when the grade file cannot
// be read. A damaged sibling file reads as none, as the class opens.
std::optional<ClassState> classStateOnDisk(const QString& gradePath);

// The same from the three files' bytes (an empty sibling is none), for a
// class about to be written from files rather than from a document (a
// restored version). `gradePath` names the grade file in messages.
std::optional<ClassState> classStateOfFiles(const QString& gradePath, const QByteArray& grade,
                                            const QByteArray& attendance, const QByteArray& seating);

// Has the history look at the class on disk (see GradeHistory::
// noteClassOnDisk) while no save is under way: under the class's change
// lock, taken for the moment and waited for a little. A class that another
// program is still changing, or whose interrupted save is not finished yet,
// is left to that save and the next look. `readState` defaults to classStateOnDisk.
Result<void> lookAtClassOnDisk(GradeHistory& history, const QString& gradePath,
                               std::function<std::optional<ClassState>()> readState = {});

}  // namespace markwell
