// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// check FILE: reads a grade, attendance or seating file and prints a summary.

#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/data/Tables.h"
#include "core/files/AttendanceFile.h"
#include "core/files/FileBytes.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QLocale>

#include <map>
#include <set>

namespace markwell::cli {
namespace {

QString text(const std::string& bytes) {
    return cp1252::toUnicode(bytes);
}

QString line(const QString& label, const QString& value) {
    return label + QStringLiteral(": ") + value;
}

QString dropRuleText(const DropLowScoreInfo& drop) {
    switch (drop.drop_type) {
    case droprule::kNone: return QStringLiteral("none");
    case droprule::kLowestOverall: return QStringLiteral("lowest score overall");
    case droprule::kLowestPerType: {
        QStringList types;
        for (int t = 0; t < kAssignmentTypeCount; ++t) {
            if (drop.flag(t)) types << assignmentTypeName(t);
        }
        return QStringLiteral("lowest score by assignment type (%1)")
            .arg(types.isEmpty() ? QStringLiteral("no type chosen") : types.join(QStringLiteral(", ")));
    }
    default: return QStringLiteral("unknown rule %1 (drops nothing)").arg(drop.drop_type);
    }
}

QString weightsText(const WeightedGrades& weights) {
    QStringList parts;
    for (int t = 0; t < kAssignmentTypeCount; ++t) {
        parts << QStringLiteral("%1 %2").arg(assignmentTypeName(t), QString::number(weights.weight(t)));
    }
    return QStringLiteral("%1 (%2)").arg(weights.enabled ? QStringLiteral("on") : QStringLiteral("off"),
                                         parts.join(QStringLiteral(", ")));
}

QString scaleKindText(std::uint8_t type) {
    switch (static_cast<ScaleKind>(type)) {
    case ScaleKind::Expanded: return QStringLiteral("expanded");
    case ScaleKind::Standard: return QStringLiteral("standard");
    case ScaleKind::PassFail: return QStringLiteral("pass/fail");
    }
    return QStringLiteral("unknown kind %1").arg(type);
}

qint64 size(std::size_t n) {
    return static_cast<qint64>(n);
}

// What is odd about a class that was read whole: lists out of step.
QStringList classWarnings(const ClassRecord& cls, const GradeFileInfo& info) {
    QStringList warnings;
    if (cls.comments.size() != cls.students.size()) {
        warnings << QStringLiteral("%1 for %2")
                        .arg(counted(size(cls.comments.size()), QStringLiteral("comment"), QStringLiteral("comments")),
                             counted(size(cls.students.size()), QStringLiteral("student"), QStringLiteral("students")));
    }
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        const AssignmentInfo& a = cls.assignments[i];
        if (a.namegrade.size() != cls.students.size()) {
            warnings << QStringLiteral("assignment %1 (%2) has %3 for %4")
                            .arg(QString::number(i + 1), text(a.title),
                                 counted(size(a.namegrade.size()), QStringLiteral("point entry"),
                                         QStringLiteral("point entries")),
                                 counted(size(cls.students.size()), QStringLiteral("student"),
                                         QStringLiteral("students")));
        }
    }
    if (info.trailingBytes > 0) {
        warnings << (info.trailingBytes == 1
                         ? QStringLiteral("1 byte after the end of the class was ignored")
                         : QStringLiteral("%1 bytes after the end of the class were ignored").arg(info.trailingBytes));
    }
    return warnings;
}

int checkGradeFile(const QString& path, const Console& console) {
    GradeFileInfo info;
    const Result<ClassRecord> read = readGradeFile(path, &info);
    if (!read) {
        console.error(aboutFile(path, read.message()));
        return kExitFailed;
    }
    const ClassRecord& cls = read.value();
    QSettingsStore settings;
    const ScaleStore scales(settings);
    const QString scaleName = text(cls.gradeScale.name);
    QString kind = scaleKindText(cls.gradeScale.scale_type);
    if (!scales.scaleNamed(scaleName)) {
        kind = QStringLiteral("%1; not in this computer's scale store").arg(kind);
    }
    const QString scale = QStringLiteral("%1 (%2)").arg(scaleName, kind);

    console.printLine(line(QStringLiteral("File"), path));
    console.printLine(line(QStringLiteral("Kind"), QStringLiteral("grade file")));
    console.printLine(line(QStringLiteral("Version"), versionText(info.version)));
    console.printLine(line(QStringLiteral("Students"), QString::number(cls.students.size())));
    console.printLine(line(QStringLiteral("Assignments"), QString::number(cls.assignments.size())));
    console.printLine(line(QStringLiteral("Comments"), QString::number(cls.comments.size())));
    console.printLine(line(QStringLiteral("Drop rule"), dropRuleText(cls.lowScoreInfo)));
    console.printLine(line(QStringLiteral("Weights"), weightsText(cls.weightGrades)));
    console.printLine(line(QStringLiteral("Scale"), scale));
    for (const QString& warning : classWarnings(cls, info)) {
        console.printLine(line(QStringLiteral("Warning"), warning));
    }
    return kExitOk;
}

// What a damaged sibling file means for the class beside it.
QString damagedSiblingWarning(const QString& damage) {
    return QStringLiteral("%1 (the class opens without this file, and Markwell does not write over it)").arg(damage);
}

QString partialRecordWarning(qsizetype bytes, qsizetype recordSize) {
    return QStringLiteral("the file ends inside a record (%1 ignored)")
        .arg(counted(bytes % recordSize, QStringLiteral("byte"), QStringLiteral("bytes")));
}

int checkAttendanceFile(const QString& path, const QByteArray& bytes, const Console& console) {
    const AttendanceFile file = parseAttendanceFile(bytes);
    std::map<std::pair<std::int32_t, std::int32_t>, int> months;  // (year, month) -> records
    std::set<QString> names;
    std::map<char, int> marks;  // by code
    for (const AttendanceInfo& r : file.records) {
        ++months[{r.Year, r.Month}];
        names.insert(text(r.name).toCaseFolded());
        for (char code : r.entry) {
            if (code != ' ') ++marks[code];
        }
    }
    console.printLine(line(QStringLiteral("File"), path));
    console.printLine(line(QStringLiteral("Kind"), QStringLiteral("attendance file")));
    console.printLine(line(QStringLiteral("Records"), QString::number(file.records.size())));
    console.printLine(line(QStringLiteral("Students"), QString::number(names.size())));
    QStringList covered;
    for (const auto& [yearMonth, count] : months) {
        const auto [year, month] = yearMonth;
        const QString monthName =
            month >= 1 && month <= 12 ? QLocale::c().monthName(month) : QStringLiteral("month %1").arg(month);
        covered << QStringLiteral("%1 %2 (%3)").arg(monthName, QString::number(year), QString::number(count));
    }
    console.printLine(line(QStringLiteral("Months"),
                           covered.isEmpty() ? QStringLiteral("none") : covered.join(QStringLiteral(", "))));
    // The page's three codes first, in the legend's order, then anything else.
    QStringList counted;
    for (char code : {'T', 'U', 'E'}) {
        counted << QStringLiteral("%1 %2").arg(marks[code]).arg(QLatin1Char(code));
        marks.erase(code);
    }
    for (const auto& [code, count] : marks) {
        counted << QStringLiteral("%1 %2").arg(count).arg(cp1252::toUnicode(std::string_view(&code, 1)));
    }
    console.printLine(line(QStringLiteral("Marks"), counted.join(QStringLiteral(", "))));
    if (const QString damage = attendanceFileDamage(file); !damage.isEmpty()) {
        console.printLine(line(QStringLiteral("Warning"), damagedSiblingWarning(damage)));
    }
    if (file.trailingPartialRecord) {
        console.printLine(line(QStringLiteral("Warning"), partialRecordWarning(bytes.size(), kAttendanceRecordSize)));
    }
    return kExitOk;
}

int checkSeatingFile(const QString& path, const QByteArray& bytes, const Console& console) {
    const SeatingChart chart = parseSeatingFile(bytes);
    console.printLine(line(QStringLiteral("File"), path));
    console.printLine(line(QStringLiteral("Kind"), QStringLiteral("seating file")));
    console.printLine(line(QStringLiteral("Seats"), QString::number(chart.seats.size())));
    console.printLine(line(QStringLiteral("Teacher's box"), QStringLiteral("%1 x %2 at %3, %4")
                                                                .arg(chart.teacher.width)
                                                                .arg(chart.teacher.height)
                                                                .arg(chart.teacher.left)
                                                                .arg(chart.teacher.Top)));
    if (const QString damage = seatingFileDamage(chart); !damage.isEmpty()) {
        console.printLine(line(QStringLiteral("Warning"), damagedSiblingWarning(damage)));
    }
    if (chart.trailingPartialRecord) {
        console.printLine(line(QStringLiteral("Warning"), partialRecordWarning(bytes.size(), kSeatingRecordSize)));
    }
    return kExitOk;
}

int runCheck(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const FileKind kind = fileKindOf(path);
    if (kind == FileKind::Unknown) {
        return console.usage(QStringLiteral("check: %1 is not a .grs, .ATD or .SEA file").arg(path));
    }
    if (!finishSaveOfClassOf(path, console)) return kExitFailed;
    if (kind == FileKind::Grades) return checkGradeFile(path, console);

    // The sibling files are read from disk as they are: here a missing file
    // is an error, not an empty chart.
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes) {
        console.error(aboutFile(path, bytes.message()));
        return kExitFailed;
    }
    return kind == FileKind::Attendance ? checkAttendanceFile(path, bytes.value(), console)
                                        : checkSeatingFile(path, bytes.value(), console);
}

constexpr Command kCheck{.name = "check",
                         .usage = "check FILE",
                         .summary = "Read a .grs, .ATD or .SEA file and print a short summary.",
                         .run = runCheck,
                         .arguments = kOneFile,
                         .place = 10};
const CommandRegistration kCheckListed{kCheck};

}  // namespace

}  // namespace markwell::cli
