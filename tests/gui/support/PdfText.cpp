#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace markwell::testing {

bool havePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString& path) {
    if (!havePdfToText()) return {};
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("");
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return 0;
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

}  // namespace markwell::testing
