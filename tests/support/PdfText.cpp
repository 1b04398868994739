// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace markwell::testing {
namespace {

QString pdfInfo(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString infoField(const QString& path, const QString& pattern) {
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(pdfInfo(path));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

// A font with ligatures prints "fi" as one glyph, and pdftotext gives it
// back as U+FB01: the letters are what a reader sees.
QString withoutLigatures(QString text) {
    static const std::pair<QChar, const char*> kLigatures[] = {
        {QChar(0xFB00), "ff"},  {QChar(0xFB01), "fi"},  {QChar(0xFB02), "fl"},
        {QChar(0xFB03), "ffi"}, {QChar(0xFB04), "ffl"}, {QChar(0xFB06), "st"},
    };
    for (const auto& [ligature, letters] : kLigatures) text.replace(ligature, QLatin1String(letters));
    return text;
}

}  // namespace

bool havePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString& path) {
    if (!havePdfToText()) return {};
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("");
    return withoutLigatures(QString::fromUtf8(process.readAllStandardOutput()));
}

int pdfPageCount(const QString& path) {
    return infoField(path, QStringLiteral("Pages:\\s+(\\d+)")).toInt();
}

QString pdfPageSize(const QString& path) {
    return infoField(path, QStringLiteral("Page size:\\s+([^\\n]+)"));
}

}  // namespace markwell::testing
