// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/PdfImage.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace markwell::testing {

bool havePdfToPpm() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QImage pdfPageImage(const QString& path, int page, int dpi) {
    if (!havePdfToPpm()) return {};
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                               QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                               QString::number(page), QStringLiteral("-singlefile"), path, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QImage(stem + QStringLiteral(".png"));
}

}  // namespace markwell::testing
