// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/RowProblem.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct RowProblems {
    Q_DECLARE_TR_FUNCTIONS(RowProblems)
};

}  // namespace

QStringList rowProblemLines(const QString& path, const std::vector<RowProblem>& problems) {
    QStringList lines;
    for (const RowProblem& problem : problems) {
        lines << RowProblems::tr("%1: line %2: %3").arg(path, QString::number(problem.line), problem.reason);
    }
    const QString rows = problems.size() == 1 ? RowProblems::tr("1 row")
                                              : RowProblems::tr("%1 rows").arg(QString::number(problems.size()));
    lines << RowProblems::tr("%1: %2 refused; nothing was written").arg(path, rows);
    return lines;
}

}  // namespace markwell
