// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/pages/GradesPage.h"

#include "core/grading/GradesLayout.h"
#include "gui/shared/HelpTopics.h"

#include <QScrollBar>
#include <QVBoxLayout>

namespace markwell {

GradesPage::GradesPage(QWidget* parent) : QWidget(parent), view_(new SheetView) {
    setObjectName(QStringLiteral("gradesPage"));
    view_->setObjectName(QStringLiteral("gradesTable"));
    setHelpTopic(this, HelpTopic::Grades);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    view_->setEditPermission([this](int row, int col) {
        const Sheet* sheet = view_->sheet();
        if (!sheet) return false;
        const GradesLayout grades = GradesLayout::of(*sheet);
        return grades.isStudentRow(row) && grades.isAssignmentCol(col);
    });
    view_->setEndEditHandler([this](int row, int col, const QString& text) {
        if (!points_) return SheetView::EndEdit::Refuse;
        return points_(row, col, text) ? SheetView::EndEdit::Handled : SheetView::EndEdit::Refuse;
    });
    view_->setSpeechProvider([this](int row, int col) -> SheetModel::SpokenCell {
        if (!dropped_ || !dropped_(row, col)) return {};
        return {{}, tr("dropped")};
    });
    view_->setAccessibleName(tr("Grades"));
    view_->setAccessibleDescription(tr("A row for each student, a column for each assignment, then the total, the "
                                       "average and the grade."));
    view_->setRefusedTypingHandler([this](int row, int col) { emit typingRefused(typingHintAt(row, col)); });
    connect(view_, &SheetView::selectionMoved, this, &GradesPage::followSelection);
}

QString GradesPage::typingHintAt(int row, int col) const {
    const Sheet* sheet = view_->sheet();
    if (!sheet) return {};
    const GradesLayout grades = GradesLayout::of(*sheet);
    const bool heading = row == GradesLayout::kHeadingRow;
    const bool totalRow = grades.hasStudentRows() && row == grades.totalRow();
    if (col == GradesLayout::kNameCol && !totalRow) return tr("Names are changed in Lists > Students…");
    if (col == GradesLayout::kNameCol || grades.isAssignmentCol(col)) {
        if (heading) return tr("Assignment titles are changed in Lists > Assignments…");
        if (totalRow) return tr("Totals are set in Grades > Edit…");
        if (grades.isStudentRow(row)) return tr("Select points cells alone to type into them.");
        return tr("Points are typed into the students' rows.");
    }
    if (col == grades.totalCol()) return tr("The Total column adds up the points of the assignments.");
    if (col == grades.averageCol()) {
        return tr("Averages are worked out from the points; Grades > Weighted… and Drop Lowest… change how.");
    }
    return tr("Grades follow from the averages and the grade scale (Grades > Scale…).");
}

void GradesPage::showTable(Sheet* sheet) {
    view_->setSheet(sheet);
    followSelection(view_->selectedRange());
}

void GradesPage::showTableKeepingPlace(Sheet* sheet, int row, int col) {
    const int across = view_->horizontalScrollBar()->value();
    const int down = view_->verticalScrollBar()->value();
    if (sheet && row >= 1 && row <= sheet->maxRow() && col >= 1 && col <= sheet->maxCol()) {
        sheet->setSelection(CellRange::cell(row, col));
    }
    showTable(sheet);
    view_->horizontalScrollBar()->setValue(across);
    view_->verticalScrollBar()->setValue(down);
}

void GradesPage::showChangedRow(int row, const std::vector<int>& resizedCols) {
    view_->refreshCells(CellRange::rows(row, row));
    view_->refreshColumnWidths(resizedCols);
}

void GradesPage::followSelection(const CellRange& range) {
    // Typing is on only while the whole selection lies among the assignment
    // columns of the heading and student rows.
    const Sheet* sheet = view_->sheet();
    if (!sheet) return;
    const GradesLayout grades = GradesLayout::of(*sheet);
    const CellRange r = sheet->resolve(range);
    const bool within = r.c1 > 1 && r.c2 <= grades.lastAssignmentCol() && r.r1 >= 1 &&
                        r.r2 <= grades.lastStudentRow() && grades.hasAssignments() && grades.hasStudentRows();
    view_->setInCellEditing(within);
}

}  // namespace markwell
