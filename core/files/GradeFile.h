// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace markwell {

// The grade file (.grs): one class in little-endian fixed-layout blocks.
// Version 2.0 is written; every version up to 2.0 is read (files before 2.0
// end after the assignments: no dropping rule, no comments). Reading never
// trusts the file: every count and length is checked against the bytes that
// remain, and a damaged file is refused as a whole.

inline constexpr double kGradeFileVersion = 2.0;
inline constexpr qsizetype kGradeFileHeaderSize = 24;

// What `check` reports besides the class itself.
struct GradeFileInfo {
    double version = 0;
    qsizetype trailingBytes = 0;  // bytes after the last block, ignored
};

// The class as the file holds it (its scale as recorded in the file). Seats
// are not part of the grade file and keep their defaults. `fileName` names
// the file in messages.
Result<ClassRecord> parseGradeFile(QByteArrayView bytes, const QString& fileName, GradeFileInfo* info = nullptr);

// The file of a class in the current version. Refuses, naming the field, a
// text that does not fit its field (it is never cut).
Result<QByteArray> serializeGradeFile(const ClassRecord& cls);

Result<ClassRecord> readGradeFile(const QString& path, GradeFileInfo* info = nullptr);

// Replaces the file atomically: a failure leaves the old file whole.
Result<void> writeGradeFile(const QString& path, const ClassRecord& cls);

}  // namespace markwell
