// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/attendance/AttendanceChanges.h"

#include <QCoreApplication>
#include <QHash>

#include <utility>

namespace markwell {
namespace {

struct AttendanceChanges {
    Q_DECLARE_TR_FUNCTIONS(AttendanceChanges)
};

// The days a change of marks set, and the records it added at the end to set them in.
class MarksSet final : public ChangeStep {
public:
    struct Day {
        std::size_t record;
        int day;
        char before;
        char after;
    };

    void undo(Document& document) override {
        AttendanceBook& book = document.attendance;
        for (auto d = days_.rbegin(); d != days_.rend(); ++d) book.setMark(d->record, d->day, d->before);
        for (std::size_t i = 0; i < added_.size(); ++i) book.removeLastRecord();
    }
    void redo(Document& document) override {
        AttendanceBook& book = document.attendance;
        for (const AttendanceInfo& record : added_) book.appendRecord(record);
        for (const Day& d : days_) book.setMark(d.record, d.day, d.after);
    }
    std::size_t heldBytes() const override {
        return sizeof(*this) + days_.capacity() * sizeof(Day) + added_.capacity() * sizeof(AttendanceInfo);
    }

    // A record added, blank, for the marks that follow.
    std::size_t add(AttendanceBook& book, AttendanceInfo record) {
        added_.push_back(record);
        book.appendRecord(std::move(record));
        return book.records().size() - 1;
    }
    void set(AttendanceBook& book, std::size_t record, int day, char mark) {
        const char before = book.records()[record].entry[static_cast<std::size_t>(day - 1)];
        if (before == mark) return;
        days_.push_back({record, day, before, mark});
        book.setMark(record, day, mark);
    }
    bool empty() const { return days_.empty(); }

private:
    std::vector<Day> days_;
    std::vector<AttendanceInfo> added_;
};

Result<void> checkMarks(const MonthMarks& marks) {
    if (marks.month < 1 || marks.month > 12) {
        return fail(AttendanceChanges::tr("There is no month %1 to mark.").arg(marks.month));
    }
    const int days = daysInMonth(marks.month, marks.year);
    for (const DayMark& mark : marks.marks) {
        if (mark.day < 1 || mark.day > days) {
            return fail(AttendanceChanges::tr("%1/%2 is not a day to mark.").arg(marks.month).arg(mark.day));
        }
    }
    return {};
}

}  // namespace

Change markAttendanceChange(MonthMarks marks) {
    return Change(
        AttendanceChanges::tr("Mark Attendance"), [marks = std::move(marks)](Document& document) -> Result<ChangeMade> {
            if (Result<void> checked = checkMarks(marks); !checked) return fail(checked.message());
            AttendanceBook& book = document.attendance;
            auto step = std::make_unique<MarksSet>();
            // The record of each student, looked up once for all of its days.
            QHash<QByteArray, std::size_t> records;
            for (const DayMark& mark : marks.marks) {
                const QByteArray key = QByteArray::fromStdString(mark.name);
                auto found = records.constFind(key);
                if (found == records.cend()) {
                    std::optional<std::size_t> index = book.findAttendanceRecord(marks.month, marks.year, mark.name);
                    if (!index && mark.mark == ' ') continue;
                    if (!index) {
                        AttendanceInfo record;
                        record.Month = marks.month;
                        record.Year = marks.year;
                        record.name = mark.name;
                        index = step->add(book, std::move(record));
                    }
                    found = records.insert(key, *index);
                }
                step->set(book, *found, mark.day, mark.mark);
            }
            if (step->empty()) return ChangeMade{nullptr};
            return ChangeMade{std::move(step)};
        });
}

}  // namespace markwell
