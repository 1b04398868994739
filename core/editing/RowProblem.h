// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace markwell {

// Why one row of a file handed to an editing command was refused.
struct RowProblem {
    int line = 0;  // in the file, from 1
    QString reason;

    bool operator==(const RowProblem&) const = default;
};

// How a refused file is reported, by markwell-cli and by the window alike:
// "FILE: line N: reason" for each problem, then "FILE: N rows refused;
// nothing was written".
QStringList rowProblemLines(const QString& path, const std::vector<RowProblem>& problems);

}  // namespace markwell
