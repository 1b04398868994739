// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/GradeFile.h"

#include "core/common/CommaText.h"
#include "core/common/Cp1252.h"
#include "core/files/AtomicFile.h"
#include "core/files/FileBytes.h"
#include "core/files/FixedFields.h"

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <limits>

namespace markwell {
namespace {

struct GradeFile {
    Q_DECLARE_TR_FUNCTIONS(GradeFile)
};

// Block sizes of the layout, in bytes.
constexpr qsizetype kGridPropsSize = 268;
constexpr qsizetype kScaleSize = 513;
constexpr qsizetype kWeightsSize = 28;
constexpr qsizetype kStudentSize = 962;
constexpr qsizetype kAssignmentFixedSize = 256 + 501 + 11 + 8;  // after the point list
constexpr qsizetype kSmallestAssignment = 4 + 1 + kAssignmentFixedSize;
constexpr qsizetype kDropSize = 12;
constexpr qsizetype kCommentSize = 1100;

struct StudentField {
    std::string StudentInfo::*member;
    qsizetype size;
    const char* label;
};

// The student record in file order.
constexpr std::array<StudentField, 13> kStudentFields = {{
    {&StudentInfo::name, capacity::kStudentName, QT_TRANSLATE_NOOP("GradeFile", "name")},
    {&StudentInfo::id, capacity::kStudentId, QT_TRANSLATE_NOOP("GradeFile", "ID")},
    {&StudentInfo::street, capacity::kStreet, QT_TRANSLATE_NOOP("GradeFile", "street")},
    {&StudentInfo::city, capacity::kCity, QT_TRANSLATE_NOOP("GradeFile", "city")},
    {&StudentInfo::state, capacity::kState, QT_TRANSLATE_NOOP("GradeFile", "state")},
    {&StudentInfo::zip, capacity::kZip, QT_TRANSLATE_NOOP("GradeFile", "ZIP code")},
    {&StudentInfo::mom_name, capacity::kParentName, QT_TRANSLATE_NOOP("GradeFile", "mother's name")},
    {&StudentInfo::mom_phone, capacity::kPhone, QT_TRANSLATE_NOOP("GradeFile", "mother's phone")},
    {&StudentInfo::dad_name, capacity::kParentName, QT_TRANSLATE_NOOP("GradeFile", "father's name")},
    {&StudentInfo::dad_phone, capacity::kPhone, QT_TRANSLATE_NOOP("GradeFile", "father's phone")},
    {&StudentInfo::student_email, capacity::kEmail, QT_TRANSLATE_NOOP("GradeFile", "e-mail address")},
    {&StudentInfo::mom_email, capacity::kEmail, QT_TRANSLATE_NOOP("GradeFile", "mother's e-mail address")},
    {&StudentInfo::dad_email, capacity::kEmail, QT_TRANSLATE_NOOP("GradeFile", "father's e-mail address")},
}};

constexpr qsizetype studentFieldsSize() {
    qsizetype size = 0;
    for (const StudentField& field : kStudentFields) size += field.size;
    return size;
}
static_assert(studentFieldsSize() == kStudentSize);

QString shown(const std::string& bytes) {
    return cp1252::toUnicode(bytes);
}

// ---------------------------------------------------------------- reading

class GradeFileReader {
public:
    GradeFileReader(QByteArrayView bytes, const QString& fileName) : in_(bytes), fileName_(fileName) {}

    Result<ClassRecord> read(GradeFileInfo* info) {
        if (in_.remaining() == 0) return damaged(GradeFile::tr("it is empty"));
        if (!in_.has(kGradeFileHeaderSize)) {
            return damaged(GradeFile::tr("it is too short (%1 bytes)").arg(in_.remaining()));
        }
        const double version = in_.float64();
        in_.skip(kGradeFileHeaderSize - 8);  // build, year and padding are not used
        if (!std::isfinite(version)) return damaged(GradeFile::tr("its version is not a number"));
        if (version > kGradeFileVersion) return fail(GradeFile::tr("Markwell version of file is invalid!"));

        ClassRecord cls;
        if (!in_.has(kGridPropsSize + kScaleSize + kWeightsSize)) {
            return damaged(GradeFile::tr("it ends inside the class settings"));
        }
        readSettings(cls);
        if (auto problem = readStudents(cls); !problem.isEmpty()) return damaged(problem);
        if (auto problem = readAssignments(cls); !problem.isEmpty()) return damaged(problem);
        if (version == kGradeFileVersion) {
            if (auto problem = readDropRuleAndComments(cls); !problem.isEmpty()) return damaged(problem);
        } else {
            cls.lowScoreInfo = DropLowScoreInfo{};
            for (const StudentInfo& s : cls.students) cls.comments.push_back(CommentInfo{s.name, {}});
        }
        if (in_.overrun()) return damaged(GradeFile::tr("it ends too early"));
        if (info != nullptr) *info = GradeFileInfo{version, in_.remaining()};
        return cls;
    }

private:
    Error damaged(const QString& detail) const {
        return fail(GradeFile::tr("The file %1 is damaged or is not a grade file: %2.").arg(fileName_, detail));
    }

    void readSettings(ClassRecord& cls) {
        GridProperties& grid = cls.gridProps;
        grid.font_name = in_.text(capacity::kFontName);
        grid.font_size = in_.int32();
        grid.font_color = in_.int32();
        grid.font_style = in_.byte();
        grid.grid_lines = in_.boolean();
        in_.skip(2);

        CurrentGradeScale& scale = cls.gradeScale;
        scale.name = in_.text(capacity::kScaleName);
        scale.scale_type = in_.byte();
        scale.num_values = in_.text(capacity::kScaleValues);

        WeightedGrades& weights = cls.weightGrades;
        for (int type = 0; type < 6; ++type) weights.setWeight(type, in_.int32());
        weights.enabled = in_.boolean();
        in_.skip(3);
    }

    // Reads a count and checks it against the bytes that remain, each item
    // taking at least `smallestItem` bytes. Gives the problem, or an empty text.
    QString readCount(const QString& what, qsizetype smallestItem, std::int32_t& count) {
        if (!in_.has(4)) return GradeFile::tr("it ends before the number of %1").arg(what);
        count = in_.int32();
        if (count < 0) return GradeFile::tr("it gives the number of %1 as %2").arg(what, QString::number(count));
        if (static_cast<qint64>(count) * smallestItem > in_.remaining()) {
            return GradeFile::tr("it announces %1 %2 but ends before them").arg(count).arg(what);
        }
        return {};
    }

    QString readStudents(ClassRecord& cls) {
        std::int32_t count = 0;
        if (auto problem = readCount(GradeFile::tr("students"), kStudentSize, count); !problem.isEmpty())
            return problem;
        cls.students.resize(static_cast<std::size_t>(count));
        for (StudentInfo& student : cls.students) {
            for (const StudentField& field : kStudentFields) student.*field.member = in_.text(field.size);
        }
        return {};
    }

    QString readAssignments(ClassRecord& cls) {
        std::int32_t count = 0;
        if (auto problem = readCount(GradeFile::tr("assignments"), kSmallestAssignment, count); !problem.isEmpty()) {
            return problem;
        }
        cls.assignments.reserve(static_cast<std::size_t>(count));
        for (std::int32_t i = 1; i <= count; ++i) {
            const QString where = GradeFile::tr("assignment %1 of %2").arg(i).arg(count);
            if (!in_.has(4)) return GradeFile::tr("it ends inside %1").arg(where);
            const std::uint32_t length = in_.uint32();
            if (length == 0) return GradeFile::tr("the point list of %1 has a length of 0").arg(where);
            if (static_cast<qint64>(length) > in_.remaining()) {
                return GradeFile::tr("the point list of %1 is longer than the rest of the file").arg(where);
            }
            AssignmentInfo a;
            a.namegrade = parseCommaText(in_.textView(static_cast<qsizetype>(length)));
            if (!in_.has(kAssignmentFixedSize)) return GradeFile::tr("it ends inside %1").arg(where);
            a.title = in_.text(capacity::kTitle);
            a.description = in_.text(capacity::kDescription);
            a.assign_type = in_.text(capacity::kAssignType);
            a.total = in_.float64();
            // Markwell never writes such a total; every average would show it.
            if (!std::isfinite(a.total)) return GradeFile::tr("the possible points of %1 are not a number").arg(where);
            cls.assignments.push_back(std::move(a));
        }
        return {};
    }

    QString readDropRuleAndComments(ClassRecord& cls) {
        if (!in_.has(kDropSize)) return GradeFile::tr("it ends before the dropping rule");
        DropLowScoreInfo& drop = cls.lowScoreInfo;
        drop.drop_type = in_.int32();
        for (int type = 0; type < 6; ++type) drop.setFlag(type, in_.boolean());
        in_.skip(2);

        std::int32_t count = 0;
        if (auto problem = readCount(GradeFile::tr("comments"), kCommentSize, count); !problem.isEmpty())
            return problem;
        cls.comments.resize(static_cast<std::size_t>(count));
        for (CommentInfo& comment : cls.comments) {
            comment.name = in_.text(capacity::kCommentName);
            comment.desc = in_.text(capacity::kCommentText);
        }
        return {};
    }

    FieldReader in_;
    const QString& fileName_;
};

// ---------------------------------------------------------------- writing

// Why the class cannot be written, or an empty text.
QString textProblem(const QString& what, const std::string& text, qsizetype size) {
    const QString problem = textFieldProblem(text, size);
    return problem.isEmpty() ? problem : what + QLatin1Char(' ') + problem;
}

QString settingsProblem(const ClassRecord& cls) {
    QString problem = textProblem(GradeFile::tr("the grid font name"), cls.gridProps.font_name, capacity::kFontName);
    if (problem.isEmpty()) {
        problem = textProblem(GradeFile::tr("the grade scale name"), cls.gradeScale.name, capacity::kScaleName);
    }
    if (problem.isEmpty()) {
        problem =
            textProblem(GradeFile::tr("the grade scale bounds"), cls.gradeScale.num_values, capacity::kScaleValues);
    }
    return problem;
}

QString studentProblem(const StudentInfo& s, std::size_t index) {
    for (const StudentField& field : kStudentFields) {
        const QString problem = textFieldProblem(s.*field.member, field.size);
        if (problem.isEmpty()) continue;
        const QString who = field.member == &StudentInfo::name
                                ? GradeFile::tr("student %1").arg(index + 1)
                                : GradeFile::tr("student %1 (%2)").arg(index + 1).arg(shown(s.name));
        return GradeFile::tr("the %1 of %2 %3").arg(GradeFile::tr(field.label), who, problem);
    }
    return {};
}

QString assignmentProblem(const AssignmentInfo& a, std::size_t index) {
    const QString which = GradeFile::tr("assignment %1").arg(index + 1);
    QString problem = textProblem(GradeFile::tr("the title of %1").arg(which), a.title, capacity::kTitle);
    const QString named = GradeFile::tr("assignment %1 (%2)").arg(index + 1).arg(shown(a.title));
    if (problem.isEmpty()) {
        problem = textProblem(GradeFile::tr("the description of %1").arg(named), a.description, capacity::kDescription);
    }
    if (problem.isEmpty()) {
        problem = textProblem(GradeFile::tr("the type of %1").arg(named), a.assign_type, capacity::kAssignType);
    }
    if (!problem.isEmpty()) return problem;
    for (std::size_t i = 0; i < a.namegrade.size(); ++i) {
        if (a.namegrade[i].find('\0') != std::string::npos) {
            return GradeFile::tr("point entry %1 of %2 holds a zero byte").arg(i + 1).arg(named);
        }
    }
    return {};
}

QString commentProblem(const CommentInfo& c, std::size_t index) {
    QString problem =
        textProblem(GradeFile::tr("the name of comment %1").arg(index + 1), c.name, capacity::kCommentName);
    if (problem.isEmpty()) {
        problem = textProblem(GradeFile::tr("the comment on %1").arg(shown(c.name)), c.desc, capacity::kCommentText);
    }
    return problem;
}

QString classProblem(const ClassRecord& cls) {
    constexpr auto kMaxCount = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (cls.students.size() > kMaxCount || cls.assignments.size() > kMaxCount || cls.comments.size() > kMaxCount) {
        return GradeFile::tr("it is too large");
    }
    if (QString problem = settingsProblem(cls); !problem.isEmpty()) return problem;
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        if (QString problem = studentProblem(cls.students[i], i); !problem.isEmpty()) return problem;
    }
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        if (QString problem = assignmentProblem(cls.assignments[i], i); !problem.isEmpty()) return problem;
    }
    for (std::size_t i = 0; i < cls.comments.size(); ++i) {
        if (QString problem = commentProblem(cls.comments[i], i); !problem.isEmpty()) return problem;
    }
    return {};
}

void writeSettings(FieldWriter& out, const ClassRecord& cls) {
    out.float64(kGradeFileVersion);
    out.float64(1.0);  // build
    out.int32(2002);   // year
    out.zeros(4);

    const GridProperties& grid = cls.gridProps;
    out.text(grid.font_name, capacity::kFontName);
    out.int32(grid.font_size);
    out.int32(grid.font_color);
    out.byte(grid.font_style);
    out.boolean(grid.grid_lines);
    out.zeros(2);

    const CurrentGradeScale& scale = cls.gradeScale;
    out.text(scale.name, capacity::kScaleName);
    out.byte(scale.scale_type);
    out.text(scale.num_values, capacity::kScaleValues);

    for (int type = 0; type < 6; ++type) out.int32(cls.weightGrades.weight(type));
    out.boolean(cls.weightGrades.enabled);
    out.zeros(3);
}

// Writes one assignment; fails only when its point list is too long for the
// 32-bit length in front of it.
bool writeAssignment(FieldWriter& out, const AssignmentInfo& a) {
    const std::string pointList = formatCommaText(a.namegrade);
    if (pointList.size() >= std::numeric_limits<std::uint32_t>::max()) return false;
    out.uint32(static_cast<std::uint32_t>(pointList.size() + 1));
    out.raw(pointList);
    out.zeros(1);
    out.text(a.title, capacity::kTitle);
    out.text(a.description, capacity::kDescription);
    out.text(a.assign_type, capacity::kAssignType);
    out.float64(a.total);
    return true;
}

Error cannotSave(const QString& problem) {
    return fail(GradeFile::tr("The class cannot be saved: %1.").arg(problem));
}

}  // namespace

Result<ClassRecord> parseGradeFile(QByteArrayView bytes, const QString& fileName, GradeFileInfo* info) {
    return GradeFileReader(bytes, fileName).read(info);
}

Result<QByteArray> serializeGradeFile(const ClassRecord& cls) {
    if (const QString problem = classProblem(cls); !problem.isEmpty()) return cannotSave(problem);

    qsizetype estimate = kGradeFileHeaderSize + kGridPropsSize + kScaleSize + kWeightsSize + 8 + kDropSize +
                         static_cast<qsizetype>(cls.students.size()) * kStudentSize +
                         static_cast<qsizetype>(cls.comments.size()) * kCommentSize;
    for (const AssignmentInfo& a : cls.assignments) {
        estimate += kSmallestAssignment + static_cast<qsizetype>(a.namegrade.size()) * 24;
    }
    QByteArray bytes;
    bytes.reserve(estimate);
    FieldWriter out(bytes);

    writeSettings(out, cls);
    out.int32(static_cast<std::int32_t>(cls.students.size()));
    for (const StudentInfo& student : cls.students) {
        for (const StudentField& field : kStudentFields) out.text(student.*field.member, field.size);
    }
    out.int32(static_cast<std::int32_t>(cls.assignments.size()));
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        if (!writeAssignment(out, cls.assignments[i])) {
            return cannotSave(GradeFile::tr("the point list of assignment %1 is too long").arg(i + 1));
        }
    }
    const DropLowScoreInfo& drop = cls.lowScoreInfo;
    out.int32(drop.drop_type);
    for (int type = 0; type < 6; ++type) out.boolean(drop.flag(type));
    out.zeros(2);
    out.int32(static_cast<std::int32_t>(cls.comments.size()));
    for (const CommentInfo& comment : cls.comments) {
        out.text(comment.name, capacity::kCommentName);
        out.text(comment.desc, capacity::kCommentText);
    }
    return bytes;
}

Result<ClassRecord> readGradeFile(const QString& path, GradeFileInfo* info) {
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes) return bytes.error();
    return parseGradeFile(bytes.value(), path, info);
}

Result<void> writeGradeFile(const QString& path, const ClassRecord& cls) {
    Result<QByteArray> bytes = serializeGradeFile(cls);
    if (!bytes) return bytes.error();
    return writeFileAtomically(path, bytes.value());
}

}  // namespace markwell
