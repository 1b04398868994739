// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Writes the seed inputs of the fuzz targets: small valid files of every
// kind, made with the writers, plus a few odd ones.
//   make_fuzz_seeds OUTDIR   -> OUTDIR/<target>/<name>

#include "core/common/CommaText.h"
#include "core/export/CanvasExport.h"
#include "core/export/CsvWriter.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "core/sample/SampleAttendance.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace markwell;

namespace {

bool save(const QString& folder, const QString& name, const QByteArray& bytes) {
    if (!QDir().mkpath(folder)) return false;
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

ClassRecord sample(int students, int assignments, std::uint64_t seed) {
    SampleOptions options;
    options.students = students;
    options.assignments = assignments;
    options.seed = seed;
    options.seats = true;
    return makeSampleClass(options, builtInDefaultGradeScale());
}

// A file of an older version: the same blocks up to the assignments.
QByteArray olderVersion(const ClassRecord& cls) {
    QByteArray bytes = serializeGradeFile(cls).value();
    bytes.chop(12 + 4 + static_cast<qsizetype>(cls.comments.size()) * 1100);
    const char version15[8] = {0, 0, 0, 0, 0, 0, '\xF8', '\x3F'};
    bytes.replace(0, 8, QByteArray(version15, 8));
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString grades = out + QStringLiteral("/grade_file");
    const QString attendance = out + QStringLiteral("/attendance_file");
    const QString seating = out + QStringLiteral("/seating_file");
    const QString comma = out + QStringLiteral("/comma_text");
    const QString chart = out + QStringLiteral("/seating_chart");
    const QString csv = out + QStringLiteral("/csv_import");

    const ClassRecord empty = newClassRecord(builtInDefaultGradeScale());
    const ClassRecord tiny = sample(2, 2, 1);
    const ClassRecord small = sample(4, 6, 2);
    ClassRecord quoted = tiny;
    quoted.assignments[0].namegrade = {"\"Ann\" Lee~1", "", "a,b~-"};

    bool ok = save(grades, QStringLiteral("empty.grs"), serializeGradeFile(empty).value()) &&
              save(grades, QStringLiteral("tiny.grs"), serializeGradeFile(tiny).value()) &&
              save(grades, QStringLiteral("small.grs"), serializeGradeFile(small).value()) &&
              save(grades, QStringLiteral("quoted.grs"), serializeGradeFile(quoted).value()) &&
              save(grades, QStringLiteral("older.grs"), olderVersion(tiny));

    const std::vector<AttendanceInfo> records = makeSampleAttendance(tiny, 1, 2026, 9, 10);
    ok = ok && save(attendance, QStringLiteral("empty.ATD"), QByteArray()) &&
         save(attendance, QStringLiteral("two-months.ATD"), serializeAttendanceFile(records).value()) &&
         save(attendance, QStringLiteral("partial.ATD"), serializeAttendanceFile(records).value().left(300));

    ok = ok && save(seating, QStringLiteral("teacher.SEA"), serializeSeatingFile(SeatingChart{}).value()) &&
         save(seating, QStringLiteral("seats.SEA"),
              serializeSeatingFile(SeatingChart{small.Seats, small.teacherSeat, false}).value());

    ok = ok &&
         save(comma, QStringLiteral("points"),
              QByteArray::fromStdString(formatCommaText(small.assignments[0].namegrade))) &&
         save(comma, QStringLiteral("awkward"), QByteArray("\"a \"\"b\"\"\",,c, \"d,e\",\"unbalanced"));
    // The chart's commands, a byte each and their arguments after: add two
    // seats, move, size, nudge, delete; then another class's seats.
    ok = ok &&
         save(chart, QStringLiteral("arrange"),
              QByteArray::fromHex("00000a00020102040170700501034050060305030101"
                                  "0703041020304010200100")) &&
         save(chart, QStringLiteral("replace"), QByteArray::fromHex("0100070200020102"));
    ok = ok &&
         save(csv, QStringLiteral("students.csv"),
              QByteArray("\xEF\xBB\xBFname,id,city,comment\r\nCleo Park,C-3,Springfield,\"Front row.\r\nMaps.\"\r\n"
                         "\"Lee, Dee\",D-4,,\r\n")) &&
         save(csv, QStringLiteral("points.csv"), QByteArray("name,points\nAnn Lee,8.5\nBo,-\nBo,\n")) &&
         save(csv, QStringLiteral("refused.csv"),
              QByteArray("name,state\nann lee,TX\nEve~,\"a\"\"b\"\nZo\xC3\xAB,Texas\n"));
    const QString scores = out + QStringLiteral("/score_file");
    ok =
        ok && save(scores, QStringLiteral("canvas.csv"), csvBytes(canvasGradebookSheet(small))) &&
        save(scores, QStringLiteral("canvas-posting.csv"),
             QByteArray("Student,ID,SIS User ID,SIS Login ID,Section,Quiz (11),Final Score\r\n"
                        ",,,,,Manual Posting,\r\n    Points Possible,,,,,10,(read only)\r\n"
                        "\"Lee, Ann\",7,A,ann@x,P1,EX,80\r\n")) &&
        save(scores, QStringLiteral("moodle.csv"),
             QByteArray("First name,Last name,ID number,Email address,Quiz: Quiz (Real),Quiz: Quiz (Letter),"
                        "Course total (Real),Last downloaded from this course\nBo,Lee,B,bo@x,-,-,1.00,1767225600\n")) &&
        save(scores, QStringLiteral("classroom.csv"),
             QByteArray("Period 1\n\nLast Name,First Name,Email Address,Quiz,Essay\n,,,\"Sep 5, 2026\",\n"
                        ",,,10,20\nLee,Ann,ann@x,Missing,Excused\nNew,Student,,4,\n")) &&
        save(scores, QStringLiteral("semicolons.csv"),
             QByteArray("\xEF\xBB\xBFName;Student ID;Quiz;Essay\r\nZo\xEB;Z;7,5;B+\r\nAnn Lee;;;9,25\r\n"));
    if (!ok) {
        std::fprintf(stderr, "make_fuzz_seeds: cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
