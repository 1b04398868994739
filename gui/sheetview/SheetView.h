// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"
#include "gui/sheetview/SheetModel.h"

#include <QTableView>

#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;
class QMimeData;

namespace markwell {

class SheetDelegate;
struct ShownColours;

// Shows a Sheet: its fonts, colours, fills, alignment, column widths, grid
// lines and frozen leading columns, and keeps the sheet's selection and active
// cell in step with what the user selects, so that commands read them from the
// sheet. Nothing per cell is a widget: a table of 2,000 x 200 scrolls as
// smoothly as a small one.
//
// Typing into a cell is off unless the owner allows it (setInCellEditing and
// an optional per-cell permission). When an edit ends, the end-edit handler
// decides what becomes of the typed text; a key filter sees every key first.
class SheetView : public QTableView {
    Q_OBJECT
public:
    enum class EndEdit {
        Commit,   // store the typed text in the cell (a number when it reads as one)
        Handled,  // the handler has changed the sheet (or the class) itself
        Refuse,   // the cell keeps its old value
    };
    using EndEditHandler = std::function<EndEdit(int row, int col, const QString& text)>;

    struct KeyDecision {
        enum class Action { Pass, Discard, Replace };
        Action action = Action::Pass;
        QString text;  // the replacing character for Replace

        static KeyDecision pass() { return {}; }
        static KeyDecision discard() { return {Action::Discard, {}}; }
        static KeyDecision replace(const QString& text) { return {Action::Replace, text}; }
    };
    // `editing` tells whether the key goes to a cell being typed into.
    using KeyFilter = std::function<KeyDecision(const QKeyEvent& key, bool editing)>;
    // Told of typing into a cell that takes none (sheet coordinates), once
    // per attempt: the keys that follow on the same cell are dropped quietly.
    using RefusedTypingHandler = std::function<void(int row, int col)>;

    explicit SheetView(QWidget* parent = nullptr);
    ~SheetView() override;

    // The sheet stays the caller's; call reload() after rebuilding it.
    void setSheet(Sheet* sheet);
    Sheet* sheet() const { return model_->sheet(); }
    SheetModel* sheetModel() const { return model_; }

    // Shows the sheet again: content, extent, widths, frozen columns, grid
    // lines, and the sheet's selection and active cell.
    void reload();
    // Repaints a few cells whose content or format changed.
    void refreshCells(const CellRange& range);
    // Fits the widths of some columns again after their texts changed.
    void refreshColumnWidths(const std::vector<int>& cols);

    // Selection as the commands read and set it (sheet coordinates).
    CellRange selectedRange() const;
    int activeRow() const;
    int activeCol() const;
    void selectRange(const CellRange& range);  // the top left cell becomes active
    void setActiveCell(int row, int col);
    // The first column in view to the right of the frozen columns; setting it
    // scrolls. The sheet keeps it too (Sheet::leftCol), and a reload scrolls to it.
    int leftCol() const;
    void setLeftCol(int col);

    void setInCellEditing(bool allowed);
    bool inCellEditing() const { return model_->editingAllowed(); }
    // Whether a cell is being typed into right now.
    bool isEditing() const { return state() == EditingState; }
    // Finishes the cell being typed into, as Enter does but staying on the
    // cell: what was typed goes to the end-edit handler now.
    void endEdit();
    // Closes the cell being typed into, dropping what was typed.
    void cancelEdit();
    void setEditPermission(SheetModel::EditPermission permission);
    void setToolTipProvider(SheetModel::ToolTipProvider provider) { model_->setToolTipProvider(std::move(provider)); }
    void setSpeechProvider(SheetModel::SpeechProvider provider) { model_->setSpeechProvider(std::move(provider)); }
    void setEndEditHandler(EndEditHandler handler) { endEdit_ = std::move(handler); }
    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }
    // With a handler, a character typed where no typing is taken goes to it
    // instead of searching the column for a cell starting with it.
    void setRefusedTypingHandler(RefusedTypingHandler handler) { refusedTyping_ = std::move(handler); }

    // Copies the selection to the clipboard as tab-separated text and as an
    // HTML table with the formats.
    void copySelection() const;
    QMimeData* selectionMimeData() const;

    // The colours a cell is drawn in now (sheet coordinates): a cell of a
    // heading row kept in view as its heading is drawn.
    ShownColours shownColours(int row, int col) const;

    int frozenColumnCount() const { return frozenCount_; }

    // The size the view needs to show the whole table, headings, frame and a
    // vertical scroll bar included: what a window sizes a small table by.
    QSize wholeTableSize() const;
    QTableView* frozenView() const { return frozen_; }

signals:
    // The selection or the active cell changed; the sheet already holds it.
    void selectionMoved(const CellRange& range);
    // An edit ended and its text was committed or handled.
    void cellEdited(int row, int col);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void updateGeometries() override;

private:
    friend class SheetDelegate;
    struct PendingEdit {
        int row = 0;
        int col = 0;
        QString text;
    };

    void setUpFrozenView();
    void applyLayout();
    // The most a frozen column takes: the names stay in view without
    // crowding out the table (a long name is cut; its tool tip holds it).
    double frozenColumnLimit() const;
    double cellPadding() const;
    void showColumnWidth(int col, double width);
    void applyHeadingRow(int rowHeight);
    void updateFrozenGeometry();
    int frozenWidth() const;
    void syncSelectionToSheet();
    void nameEditor(QWidget& editor, const QModelIndex& index) const;
    void finishEdit(const PendingEdit& edit, QAbstractItemDelegate::EndEditHint hint);
    void moveAfterEdit(int row, int col, QAbstractItemDelegate::EndEditHint hint);
    // Runs the key filter: false when the key is discarded; otherwise
    // `deliver` is called with the key as it stands or as replaced.
    bool filterKey(QKeyEvent* event, bool editing, const std::function<void(QKeyEvent*)>& deliver) const;
    // Whether the key is a character typed into a cell that takes none; the
    // refused-typing handler hears of the first of an attempt.
    bool refuseTyping(const QKeyEvent& key);

    SheetModel* model_;
    QTableView* frozen_;
    SheetDelegate* delegate_;
    SheetDelegate* frozenDelegate_;  // each view needs its own: a delegate talks to every view it serves
    EndEditHandler endEdit_;
    KeyFilter keyFilter_;
    RefusedTypingHandler refusedTyping_;
    bool typingRefusedHere_ = false;  // since the active cell last moved
    SheetModel::EditPermission permission_;
    std::optional<PendingEdit> pending_;
    QModelIndex editing_;
    int frozenCount_ = 0;
    bool applyingSelection_ = false;
};

}  // namespace markwell

Q_DECLARE_METATYPE(markwell::CellRange)
