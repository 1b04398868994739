#include "document/ClassFiles.h"

#include "files/GradeFile.h"
#include "files/SeatingFile.h"

#include <QFileInfo>

namespace markwell {

Result<ClassRecord> openClassFiles(const QString& gradePath, const ScaleStore& store) {
    Result<ClassRecord> cls = openGradeFile(gradePath, store);
    if (!cls) return cls.error();
    Result<SeatingChart> seats = readSeatingFile(seatingPathFor(gradePath));
    if (!seats) return seats.error();
    // The attendance file is read month by month later; it must be readable now.
    if (Result<AttendanceFile> attendance = readAttendanceFile(attendancePathFor(gradePath)); !attendance) {
        return attendance.error();
    }
    cls->Seats = std::move(seats->seats);
    cls->teacherSeat = seats->teacher;
    return cls;
}

bool isSameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists()) return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

SavePlan planSave(const QString& currentPath, const QString& targetPath, std::optional<AttendanceMonth> month) {
    SavePlan plan;
    plan.gradePath = targetPath;
    plan.month = std::move(month);
    if (currentPath.isEmpty()) {
        plan.startAttendanceEmpty = true;
    } else if (!isSameFile(currentPath, targetPath)) {
        const QString oldAttendance = attendancePathFor(currentPath);
        if (QFileInfo::exists(oldAttendance)) plan.carryAttendanceFrom = oldAttendance;
        else plan.startAttendanceEmpty = true;
    }
    return plan;
}

Result<void> saveClassFiles(const ClassRecord& cls, const SavePlan& plan) {
    const QString attendancePath = attendancePathFor(plan.gradePath);
    std::vector<AttendanceInfo> records;
    if (!plan.startAttendanceEmpty) {
        const QString source = plan.carryAttendanceFrom.isEmpty() ? attendancePath : plan.carryAttendanceFrom;
        Result<AttendanceFile> existing = readAttendanceFile(source);
        if (!existing) return existing.error();
        records = std::move(existing->records);
    }
    if (plan.month) {
        writeAttendanceMonth(records, plan.month->month, plan.month->year, plan.month->names, plan.month->marks);
    }
    if (Result<void> written = writeAttendanceFile(attendancePath, records); !written) return written;

    SeatingChart chart;
    chart.seats = cls.Seats;
    chart.teacher = cls.teacherSeat;
    if (Result<void> written = writeSeatingFile(seatingPathFor(plan.gradePath), chart); !written) return written;

    return writeGradeFile(plan.gradePath, cls);
}

}  // namespace markwell
