// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/ScorePreview.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/printout/ReportStyle.h"

#include <QCoreApplication>

#include <unordered_map>

namespace markwell {
namespace {

struct ScorePreview {
    Q_DECLARE_TR_FUNCTIONS(ScorePreview)
};

enum Column { StudentCol = 1, AssignmentCol, OldCol, NewCol, NoteCol };

QString noteOf(const ScoreChange& change, std::size_t classStudents, std::size_t classAssignments) {
    if (change.aboveTotal) {
        return ScorePreview::tr("above the %1 possible points").arg(generalQText(change.possible));
    }
    if (change.student >= classStudents) return ScorePreview::tr("new student");
    if (change.assignment >= classAssignments) return ScorePreview::tr("new assignment");
    return {};
}

// Scores repeat: each text is made once, and the cells share it.
class ScoreTexts {
public:
    const QString& of(const std::string& points) {
        auto it = made_.find(points);
        if (it == made_.end()) it = made_.emplace(points, cp1252::toUnicode(points)).first;
        return it->second;
    }

private:
    std::unordered_map<std::string, QString> made_;
};

}  // namespace

Sheet scoreChangesSheet(const ScorePlan& plan) {
    Sheet sheet;
    const int rows = static_cast<int>(plan.changes.size()) + 1;
    sheet.setMaxCol(NoteCol);
    sheet.setMaxRow(rows);
    sheet.setText(1, StudentCol, ScorePreview::tr("Student"));
    sheet.setText(1, AssignmentCol, ScorePreview::tr("Assignment"));
    sheet.setText(1, OldCol, ScorePreview::tr("Old"));
    sheet.setText(1, NewCol, ScorePreview::tr("New"));
    sheet.setText(1, NoteCol, ScorePreview::tr("Note"));
    const std::size_t classStudents = plan.studentNames.size() - plan.newStudents.size();
    const std::size_t classAssignments = plan.assignmentTitles.size() - plan.newAssignments.size();
    ScoreTexts texts;
    int row = 2;
    for (const ScoreChange& change : plan.changes) {
        sheet.setText(row, StudentCol, plan.studentNames[change.student]);
        sheet.setText(row, AssignmentCol, plan.assignmentTitles[change.assignment]);
        if (!change.old.empty()) sheet.setText(row, OldCol, texts.of(change.old));
        sheet.setText(row, NewCol, texts.of(change.points));
        if (const QString note = noteOf(change, classStudents, classAssignments); !note.isEmpty()) {
            sheet.setText(row, NoteCol, note);
        }
        ++row;
    }
    applyReportStyle(sheet, OldCol);
    return sheet;
}

QString scoreCountsText(const ScoreCounts& counts) {
    const auto count = [](int n, const char* one, const char* many) {
        return n == 1 ? ScorePreview::tr(one) : ScorePreview::tr(many).arg(n);
    };
    return ScorePreview::tr("%1, %2, %3, %4, %5")
        .arg(count(counts.changed, QT_TRANSLATE_NOOP("ScorePreview", "1 score changed"),
                   QT_TRANSLATE_NOOP("ScorePreview", "%1 scores changed")),
             count(counts.unchanged, QT_TRANSLATE_NOOP("ScorePreview", "1 unchanged"),
                   QT_TRANSLATE_NOOP("ScorePreview", "%1 unchanged")),
             count(counts.newAssignments, QT_TRANSLATE_NOOP("ScorePreview", "1 new assignment"),
                   QT_TRANSLATE_NOOP("ScorePreview", "%1 new assignments")),
             count(counts.newStudents, QT_TRANSLATE_NOOP("ScorePreview", "1 new student"),
                   QT_TRANSLATE_NOOP("ScorePreview", "%1 new students")),
             count(counts.refusedCells, QT_TRANSLATE_NOOP("ScorePreview", "1 refused cell"),
                   QT_TRANSLATE_NOOP("ScorePreview", "%1 refused cells")));
}

}  // namespace markwell
