// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/TypedPoints.h"

#include "core/common/Cp1252.h"
#include "core/data/ClassRecord.h"
#include "core/data/PointEntry.h"
#include "core/editing/Validators.h"
#include "core/grading/GradesLayout.h"

#include <QCoreApplication>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace markwell {
namespace {

struct TypedPoints {
    Q_DECLARE_TR_FUNCTIONS(TypedPoints)
};

// What typing points into one cell of the grades table does to the class:
// the entries of one assignment's point list it rewrites, each with its text
// before and after, and the entry it adds when the student had none.
struct TypedPointsEdit {
    struct Entry {
        std::size_t index;
        std::string before;
        std::string after;
    };
    std::size_t assignment = 0;
    std::vector<Entry> rewritten;
    std::string added;  // appended to the point list; empty when none is

    bool changesNothing() const { return added.empty() && rewritten.empty(); }
};

void applyEdit(ClassRecord& cls, const TypedPointsEdit& edit) {
    std::vector<std::string>& entries = cls.assignments[edit.assignment].namegrade;
    for (const TypedPointsEdit::Entry& entry : edit.rewritten) entries[entry.index] = entry.after;
    if (!edit.added.empty()) entries.push_back(edit.added);
}

// Typed points taken back and made again: the rewritten entries take their
// old or new text, and an added entry is the last of its list.
class TypedPointsStep final : public ChangeStep {
public:
    explicit TypedPointsStep(TypedPointsEdit edit) : edit_(std::move(edit)) {}

    void undo(Document& document) override {
        std::vector<std::string>& entries = document.classRecord.assignments[edit_.assignment].namegrade;
        if (!edit_.added.empty()) entries.pop_back();
        for (const TypedPointsEdit::Entry& entry : edit_.rewritten) entries[entry.index] = entry.before;
    }
    void redo(Document& document) override { applyEdit(document.classRecord, edit_); }

    std::size_t heldBytes() const override {
        std::size_t bytes = sizeof(*this) + edit_.added.capacity();
        for (const TypedPointsEdit::Entry& entry : edit_.rewritten) {
            bytes += sizeof(entry) + entry.before.capacity() + entry.after.capacity();
        }
        return bytes;
    }

private:
    TypedPointsEdit edit_;
};

// The cell typed into, as the grades table showed it: whether it holds a
// student's points, the column's assignment and the row's name.
struct TypedCell {
    bool pointsCell = false;
    int assignment = -1;
    QString name;

    static TypedCell of(const Sheet& grades, int row, int col) {
        const GradesLayout layout = GradesLayout::of(grades);
        return {layout.isStudentRow(row) && layout.isAssignmentCol(col), layout.assignmentIndexOf(col),
                grades.text(row, 1)};
    }
};

Result<TypedPointsEdit> planTypedPoints(const ClassRecord& cls, const TypedCell& cell, const QString& typed) {
    if (!cell.pointsCell || cell.assignment < 0 || cell.assignment >= static_cast<int>(cls.assignments.size())) {
        return fail(TypedPoints::tr("Points can only be typed into a student's row under an assignment."));
    }
    Result<std::string> points = pointsText(typed);
    if (!points) return points.error();
    Result<std::string> name = cp1252::fromUnicode(cell.name);
    if (!name) return name.error();

    TypedPointsEdit edit;
    edit.assignment = static_cast<std::size_t>(cell.assignment);
    const std::string stored = makePointEntry(*name, *points);
    const std::vector<std::string>& entries = cls.assignments[edit.assignment].namegrade;
    bool found = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (splitPointEntry(entries[i]).name != *name) continue;
        found = true;
        if (entries[i] != stored) edit.rewritten.push_back({i, entries[i], stored});
    }
    if (!found) edit.added = stored;
    return edit;
}

}  // namespace

Change typedPointsChange(const Sheet& grades, int row, int col, const QString& typed) {
    return Change(TypedPoints::tr("Typed Points"),
                  [cell = TypedCell::of(grades, row, col), typed](Document& document) -> Result<ChangeMade> {
                      Result<TypedPointsEdit> edit = planTypedPoints(document.classRecord, cell, typed);
                      if (!edit) return edit.error();
                      if (edit->changesNothing()) return ChangeMade{nullptr};
                      applyEdit(document.classRecord, *edit);
                      return ChangeMade{std::make_unique<TypedPointsStep>(std::move(edit).value())};
                  });
}

}  // namespace markwell
