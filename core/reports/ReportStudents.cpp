// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/ReportStudents.h"

#include "core/common/Cp1252.h"
#include "core/files/FileBytes.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/LetterGrade.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

namespace markwell {
namespace {

struct ReportStudentsText {
    Q_DECLARE_TR_FUNCTIONS(ReportStudents)
};

// A roster of 100,000 names of 100 characters, with room to spare.
constexpr qint64 kMaxNameListBytes = qint64(64) << 20;

QString nameOf(const StudentInfo& student) {
    return cp1252::toUnicode(student.name);
}

// The grades table's student row of each name it shows (the first of a name).
QHash<QString, int> rowsByName(const Sheet& grades) {
    const GradesLayout layout = GradesLayout::of(grades);
    QHash<QString, int> rows;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        rows.insert(grades.text(row, GradesLayout::kNameCol), row);  // the first of a name is inserted last
    }
    return rows;
}

}  // namespace

Result<std::vector<int>> chooseStudents(const ClassRecord& cls, const Sheet& grades, const StudentChoice& choice) {
    switch (choice.kind) {
    case StudentChoice::Kind::All: break;
    case StudentChoice::Kind::Selected: return studentsInRows(cls, grades, choice.rows.r1, choice.rows.r2);
    case StudentChoice::Kind::GradeAtMost: return studentsGradedAtMost(cls, grades, choice.letter);
    case StudentChoice::Kind::Named: return studentsNamed(cls, choice.names);
    }
    std::vector<int> all(cls.students.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    return all;
}

std::vector<int> studentsInRows(const ClassRecord& cls, const Sheet& grades, int firstRow, int lastRow) {
    const GradesLayout layout = GradesLayout::of(grades);
    QSet<QString> names;
    for (int row = std::max(firstRow, GradesLayout::kFirstStudentRow);
         row <= std::min(lastRow, layout.lastStudentRow()); ++row) {
        names.insert(grades.text(row, GradesLayout::kNameCol));
    }
    std::vector<int> chosen;
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        if (names.contains(nameOf(cls.students[i]))) chosen.push_back(static_cast<int>(i));
    }
    return chosen;
}

Result<std::vector<int>> studentsGradedAtMost(const ClassRecord& cls, const Sheet& grades, const QString& letter) {
    const std::vector<QString> letters = scaleLetterTexts(cls.gradeScale);
    const std::optional<std::size_t> wanted = findScaleLetter(letters, letter);
    if (!wanted) {
        return fail(ReportStudentsText::tr("\"%1\" is not a letter of the grade scale").arg(letter.trimmed()));
    }
    const GradesLayout layout = GradesLayout::of(grades);
    const QHash<QString, int> rows = rowsByName(grades);
    std::vector<int> chosen;
    if (!layout.hasAssignments()) return chosen;  // no grades at all
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        const int row = rows.value(nameOf(cls.students[i]), 0);
        if (row == 0) continue;
        // "-" is no letter of the scale: a student without possible points is never chosen.
        const std::optional<std::size_t> rank = findScaleLetter(letters, grades.text(row, layout.gradeCol()));
        if (rank && *rank >= *wanted) chosen.push_back(static_cast<int>(i));
    }
    return chosen;
}

Result<std::vector<int>> studentsNamed(const ClassRecord& cls, const QStringList& names) {
    QSet<QString> wanted(names.begin(), names.end());
    std::vector<int> chosen;
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        const QString name = nameOf(cls.students[i]);
        if (wanted.contains(name)) chosen.push_back(static_cast<int>(i));
    }
    QStringList unknown;
    for (const QString& name : names) {
        const bool known = std::any_of(chosen.begin(), chosen.end(), [&](int i) {
            return nameOf(cls.students[static_cast<std::size_t>(i)]) == name;
        });
        if (!known && !unknown.contains(name)) unknown << name;
    }
    if (!unknown.isEmpty()) {
        const QString quoted = QStringLiteral("\"%1\"").arg(unknown.join(QStringLiteral("\", \"")));
        return fail(unknown.size() == 1 ? ReportStudentsText::tr("The class has no student named %1.").arg(quoted)
                                        : ReportStudentsText::tr("The class has no students named %1.").arg(quoted));
    }
    return chosen;
}

Result<QStringList> readNameList(const QString& path) {
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes) return bytes.error();
    if (bytes->size() > kMaxNameListBytes) {
        return fail(unableToOpen(path, ReportStudentsText::tr("it is too large for a list of names")));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(*bytes);
    if (utf8.hasError() || bytes->contains('\0')) {
        return fail(unableToOpen(path, ReportStudentsText::tr("it is not a text file in UTF-8")));
    }
    QStringList names;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (!line.trimmed().isEmpty()) names << line;
    }
    return names;
}

}  // namespace markwell
