// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/export/SpreadsheetReader.h"

#include "core/sheet/Sheet.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QProcess>

namespace {

// The system Python: the one with Debian's python3-xlrd and python3-openpyxl,
// whatever python3 comes first on the PATH.
const QString kPython = QStringLiteral("/usr/bin/python3");
constexpr int kMissingModule = 3;

}  // namespace

ReaderOutput readSpreadsheet(const QString& script, const QString& file) {
    ReaderOutput out;
    if (!QFileInfo(kPython).isExecutable()) {
        out.skipReason =
            QStringLiteral("Python 3 (%1) is not installed: the independent reader cannot run").arg(kPython);
        return out;
    }
    QProcess python;
    const QString scriptPath = QStringLiteral(MARKWELL_SOURCE_DIR "/tests/core/export/") + script;
    python.start(kPython, {scriptPath, file});
    if (!python.waitForFinished(180000)) {
        out.error = QStringLiteral("%1 did not finish: %2").arg(script, python.errorString());
        return out;
    }
    const QString errors = QString::fromUtf8(python.readAllStandardError());
    if (python.exitStatus() == QProcess::NormalExit && python.exitCode() == kMissingModule) {
        out.skipReason = errors.trimmed();
        return out;
    }
    if (python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        out.error = QStringLiteral("%1 failed on %2:\n%3").arg(script, file, errors);
        return out;
    }
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(python.readAllStandardOutput(), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        out.error = QStringLiteral("%1 printed no JSON: %2").arg(script, parse.errorString());
        return out;
    }
    out.json = doc.object();
    if (!errors.isEmpty()) out.error = QStringLiteral("%1 complained:\n%2").arg(script, errors);
    return out;
}

QJsonArray cellAt(const QJsonObject& json, int row, int col) {
    return json[QStringLiteral("cells")].toArray()[row - 1].toArray()[col - 1].toArray();
}

QJsonObject formatAt(const QJsonObject& json, int row, int col) {
    const int id = json[QStringLiteral("styles")].toArray()[row - 1].toArray()[col - 1].toInt();
    return json[QStringLiteral("formats")].toArray()[id].toObject();
}

QJsonValue at(const QJsonObject& json, const char* path) {
    const QStringList keys = QString::fromLatin1(path).split(QLatin1Char('.'));
    QJsonValue value = json;
    for (const QString& key : keys) value = value.toObject()[key];
    return value;
}

QJsonObject fontOf(const char* name, double size, const char* colour, bool bold, bool styled) {
    return {{"name", name},        {"size", size},        {"bold", bold},    {"italic", styled},
            {"underline", styled}, {"strikeOut", styled}, {"colour", colour}};
}

void expectCellsEqual(const QJsonObject& json, const markwell::Sheet& sheet) {
    const QJsonArray rows = json[QStringLiteral("cells")].toArray();
    ASSERT_EQ(json[QStringLiteral("nrows")].toInt(), sheet.maxRow());
    for (int r = 1; r <= sheet.maxRow(); ++r) {
        const QJsonArray cells = rows[r - 1].toArray();
        for (int c = 1; c <= sheet.maxCol(); ++c) {
            const QJsonArray cell = c <= cells.size() ? cells[c - 1].toArray() : QJsonArray{};
            const QString kind = cell.isEmpty() ? QStringLiteral("empty") : cell[0].toString();
            SCOPED_TRACE(testing::Message() << "cell " << r << "," << c);
            switch (sheet.kind(r, c)) {
            case markwell::CellKind::Text:
                ASSERT_EQ(kind, QStringLiteral("text"));
                // Written without the spaces that pad letters on screen.
                ASSERT_EQ(cell[1].toString(), sheet.text(r, c).trimmed());
                break;
            case markwell::CellKind::Number:
                ASSERT_EQ(kind, QStringLiteral("number"));
                ASSERT_EQ(cell[1].toDouble(), sheet.number(r, c));
                break;
            case markwell::CellKind::Empty:
                ASSERT_TRUE(kind == QStringLiteral("empty") || kind == QStringLiteral("blank")) << qPrintable(kind);
                break;
            }
        }
    }
}
