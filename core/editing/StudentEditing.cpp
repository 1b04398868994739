// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/StudentEditing.h"

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"
#include "core/data/Seats.h"
#include "core/editing/Validators.h"

#include <QCoreApplication>

#include <algorithm>

namespace markwell {
namespace {

struct StudentEditing {
    Q_DECLARE_TR_FUNCTIONS(StudentEditing)
};

// Comments missing at the end (a damaged file) are made, empty, so that the
// comment of student i is item i for what follows.
void alignComments(ClassRecord& cls) {
    for (std::size_t i = cls.comments.size(); i < cls.students.size(); ++i) {
        cls.comments.push_back(CommentInfo{cls.students[i].name, {}});
    }
}

Result<void> checkUnique(const ClassRecord& cls, const std::string& name, std::optional<std::size_t> self) {
    if (const auto other = findStudentNamed(cls, name, self)) {
        return fail(StudentEditing::tr("There is already a student named \"%1\" (capitals do not make names "
                                       "different).")
                        .arg(cp1252::toUnicode(cls.students[*other].name)));
    }
    return {};
}

bool anyStudentNamedExactly(const ClassRecord& cls, const std::string& name) {
    return std::any_of(cls.students.begin(), cls.students.end(), [&](const StudentInfo& s) { return s.name == name; });
}

// The student at `index` is now called `to`: their entries, and the seats of
// the old name once no other student has it (a seat cannot take the
// teacher's caption: it keeps the old one).
void renameEverywhere(ClassRecord& cls, std::size_t index, const std::string& from, const std::string& to) {
    for (AssignmentInfo& assignment : cls.assignments) {
        if (const auto entry = findStudentEntry(assignment.namegrade, index, from)) {
            std::string& text = assignment.namegrade[*entry];
            text = makePointEntry(to, splitPointEntry(text).points);
        }
    }
    cls.students[index].name = to;
    if (anyStudentNamedExactly(cls, from)) return;
    renameSeatCaption(cls, from, to);
}

QString skipReason(const QSet<QString>& inClass, const std::string& name) {
    if (name.empty()) return StudentEditing::tr("no name");
    if (name.find('~') != std::string::npos) return StudentEditing::tr("a name cannot contain \"~\"");
    if (inClass.contains(foldedStudentName(name))) return StudentEditing::tr("already in the class");
    return {};
}

}  // namespace

std::optional<std::size_t> findStudentNamed(const ClassRecord& cls, std::string_view name,
                                            std::optional<std::size_t> except) {
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        if (i != except && sameStudentName(cls.students[i].name, name)) return i;
    }
    return std::nullopt;
}

QSet<QString> foldedStudentNames(const ClassRecord& cls) {
    QSet<QString> names;
    names.reserve(static_cast<qsizetype>(cls.students.size()));
    for (const StudentInfo& student : cls.students) names.insert(foldedStudentName(student.name));
    return names;
}

Result<std::size_t> addStudent(ClassRecord& cls, const StudentForm& form) {
    Result<StudentEntry> entry = checkStudentForm(form);
    if (!entry) return entry.error();
    if (Result<void> unique = checkUnique(cls, entry->student.name, std::nullopt); !unique) return unique.error();
    return appendStudent(cls, std::move(entry).value());
}

std::size_t appendStudent(ClassRecord& cls, StudentEntry entry) {
    alignComments(cls);
    const std::size_t index = cls.students.size();
    for (AssignmentInfo& assignment : cls.assignments) {
        assignment.namegrade.push_back(makePointEntry(entry.student.name, "0"));
    }
    cls.comments.insert(cls.comments.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry.comment));
    cls.students.push_back(std::move(entry.student));
    return index;
}

Result<std::optional<StudentRename>> updateStudent(ClassRecord& cls, std::size_t index, const StudentForm& form) {
    if (index >= cls.students.size()) return fail(StudentEditing::tr("Choose the student to change first."));
    Result<StudentEntry> entry = checkStudentForm(form);
    if (!entry) return entry.error();
    if (Result<void> unique = checkUnique(cls, entry->student.name, index); !unique) return unique.error();

    const std::string from = cls.students[index].name;
    const std::string& to = entry->student.name;
    std::optional<StudentRename> rename;
    if (from != to) {
        renameEverywhere(cls, index, from, to);
        // Attendance goes by the name without regard to case: records another
        // student of that name still owns stay theirs.
        if (!findStudentNamed(cls, from)) rename = StudentRename{from, to};
    }
    alignComments(cls);
    cls.comments[index] = std::move(entry->comment);
    cls.students[index] = std::move(entry->student);
    return rename;
}

bool deleteStudent(ClassRecord& cls, std::size_t index) {
    if (index >= cls.students.size()) return false;
    const std::string name = cls.students[index].name;
    for (AssignmentInfo& assignment : cls.assignments) {
        if (const auto entry = findStudentEntry(assignment.namegrade, index, name)) {
            assignment.namegrade.erase(assignment.namegrade.begin() + static_cast<std::ptrdiff_t>(*entry));
        }
    }
    if (index < cls.comments.size()) cls.comments.erase(cls.comments.begin() + static_cast<std::ptrdiff_t>(index));
    cls.students.erase(cls.students.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool moveStudent(ClassRecord& cls, std::size_t index, MoveDirection direction) {
    const auto to = movedIndex(index, cls.students.size(), direction);
    if (!to) return false;
    const std::string& name = cls.students[index].name;
    const std::string& neighbour = cls.students[*to].name;
    for (AssignmentInfo& assignment : cls.assignments) {
        const auto a = findStudentEntry(assignment.namegrade, index, name);
        const auto b = findStudentEntry(assignment.namegrade, *to, neighbour);
        if (a && b) swapItems(assignment.namegrade, *a, *b);
    }
    alignComments(cls);
    swapItems(cls.comments, index, *to);
    swapItems(cls.students, index, *to);
    return true;
}

void clearStudents(ClassRecord& cls) {
    cls.students.clear();
    cls.comments.clear();
    cls.assignments.clear();
}

QString StudentImport::message() const {
    if (skipped.empty()) return {};
    QString text = StudentEditing::tr("These students were not imported:");
    for (const Skipped& s : skipped) {
        text += QLatin1Char('\n') + StudentEditing::tr("%1 (%2)").arg(cp1252::toUnicode(s.name), s.reason);
    }
    return text;
}

StudentImport importStudents(ClassRecord& cls, const std::vector<StudentInfo>& students) {
    StudentImport report;
    QSet<QString> inClass = foldedStudentNames(cls);
    for (const StudentInfo& original : students) {
        StudentInfo student = original;
        student.name = cp1252::fromUnicode(trimmedText(cp1252::toUnicode(original.name))).value();
        if (const QString reason = skipReason(inClass, student.name); !reason.isEmpty()) {
            report.skipped.push_back({original.name, reason});
            continue;
        }
        inClass.insert(foldedStudentName(student.name));
        report.added.push_back(student.name);
        CommentInfo comment{student.name, {}};
        appendStudent(cls, {std::move(student), std::move(comment)});
    }
    return report;
}

}  // namespace markwell
