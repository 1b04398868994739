// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>

namespace markwell {

// The three files of a class as they are on disk: the grade file, its
// attendance (.ATD) and seating (.SEA) files.
struct ClassFileBytes {
    QByteArray grade;
    QByteArray attendance;
    QByteArray seating;

    bool operator==(const ClassFileBytes&) const = default;
};

// Reads the class at `gradePath` byte for byte; a missing sibling reads as
// empty, as it does when the class is opened. A missing or unreadable grade
// file gives its message.
Result<ClassFileBytes> readClassFileBytes(const QString& gradePath);

}  // namespace markwell
