#include "SpreadsheetReader.h"

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
        out.skipReason = QStringLiteral("Python 3 (%1) is not installed: the independent reader cannot run").arg(kPython);
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
