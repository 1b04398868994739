// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/SortClass.h"

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"
#include "core/grading/LetterGrade.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace markwell {
namespace {

// The names of the student rows, top to bottom, as stored bytes.
std::vector<std::string> rowNames(const Sheet& sheet) {
    const GradesLayout layout = GradesLayout::of(sheet);
    std::vector<std::string> names;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        auto bytes = cp1252::fromUnicode(sheet.text(row, GradesLayout::kNameCol));
        if (bytes) names.push_back(std::move(bytes.value()));
    }
    return names;
}

// Reorders one point list: the entries of each name in `position` order, each
// name's entries in their old order; entries of unknown names are dropped.
void reorderPointList(std::vector<std::string>& list, const std::unordered_map<std::string_view, std::size_t>& position,
                      std::size_t names) {
    std::vector<std::size_t> slotOf(list.size());
    std::vector<std::size_t> start(names + 1, 0);
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    for (std::size_t j = 0; j < list.size(); ++j) {
        const auto it = position.find(splitPointEntry(list[j]).name);
        slotOf[j] = it == position.end() ? kNone : it->second;
        if (slotOf[j] != kNone) ++start[slotOf[j] + 1];
    }
    for (std::size_t n = 0; n < names; ++n) start[n + 1] += start[n];
    std::vector<std::string> sorted(start.back());
    for (std::size_t j = 0; j < list.size(); ++j) {
        if (slotOf[j] != kNone) sorted[start[slotOf[j]]++] = std::move(list[j]);
    }
    list = std::move(sorted);
}

}  // namespace

void reSortData(ClassRecord& cls, const Sheet& sheet) {
    std::unordered_map<std::string, std::vector<std::size_t>> studentsOf;  // old indexes, in order
    for (std::size_t z = 0; z < cls.students.size(); ++z) studentsOf[cls.students[z].name].push_back(z);

    // The names in their new order: the rows' first, then any student the
    // table has no row for (a table older than the class), so none is lost.
    std::vector<std::string> sequence;
    std::unordered_set<std::string> placed;
    for (std::string& name : rowNames(sheet)) {
        if (studentsOf.count(name) && placed.insert(name).second) sequence.push_back(std::move(name));
    }
    for (const StudentInfo& s : cls.students) {
        if (placed.insert(s.name).second) sequence.push_back(s.name);
    }

    std::vector<StudentInfo> students;
    std::vector<CommentInfo> comments;
    students.reserve(cls.students.size());
    comments.reserve(cls.students.size());
    for (const std::string& name : sequence) {
        for (std::size_t z : studentsOf[name]) {
            comments.push_back(z < cls.comments.size() ? std::move(cls.comments[z]) : CommentInfo{name, {}});
            students.push_back(std::move(cls.students[z]));
        }
    }
    cls.students = std::move(students);
    cls.comments = std::move(comments);

    std::unordered_map<std::string_view, std::size_t> position;
    position.reserve(sequence.size());
    for (std::size_t n = 0; n < sequence.size(); ++n) position.emplace(sequence[n], n);
    for (AssignmentInfo& a : cls.assignments) reorderPointList(a.namegrade, position, sequence.size());
}

bool sortClass(ClassRecord& cls, GradesTable& table, int column, bool descending) {
    const GradesLayout layout = GradesLayout::of(table.sheet);
    if (!layout.hasStudentRows() || column < 1 || column > layout.maxCol) return false;
    std::vector<QString> letterOrder;
    if (layout.hasAssignments() && column == layout.gradeCol()) letterOrder = scaleLetterTexts(cls.gradeScale);
    if (!table.sheet.sort3(layout.studentRows(), SortKey(descending ? -column : column, std::move(letterOrder)))) {
        return false;
    }
    reSortData(cls, table.sheet);

    // The dropped cells moved with their rows: record them where they are now.
    table.dropCellIndex.clear();
    if (layout.hasAssignments()) {
        const PointTotalsCalculator totals(table.sheet, cls);
        for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
            totals.forRow(row, &table.dropCellIndex);
        }
    }
    return true;
}

}  // namespace markwell
