#include "pages/GradesPage.h"

#include "grading/GradesLayout.h"
#include "help/HelpTopics.h"

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
    connect(view_, &SheetView::selectionMoved, this, &GradesPage::followSelection);
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
    const bool within = r.c1 > 1 && r.c2 <= grades.lastAssignmentCol() && r.r1 >= 1 && r.r2 <= grades.lastStudentRow() &&
                        grades.hasAssignments() && grades.hasStudentRows();
    view_->setInCellEditing(within);
}

}  // namespace markwell
