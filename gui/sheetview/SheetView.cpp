// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/sheetview/SheetView.h"

#include "core/common/NumberText.h"
#include "gui/shared/Translations.h"
#include "gui/sheetview/SheetHeader.h"
#include "gui/sheetview/ShownColours.h"
#include "render/style/CellStyle.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <utility>

namespace markwell {

// Draws cells as the model describes them and routes the keys typed into an
// open editor through the view's key filter.
class SheetDelegate : public QStyledItemDelegate {
public:
    explicit SheetDelegate(SheetView* view) : QStyledItemDelegate(view), view_(view) {}

    // The options a cell is drawn with, its colours made readable on this screen.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        makeReadable(*option);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor) view_->nameEditor(*editor, index);
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            bool replaced = false;
            const bool keep = view_->filterKey(key, true, [&](QKeyEvent* delivered) {
                if (delivered == key) return;
                replaced = true;
                QApplication::sendEvent(object, delivered);
            });
            if (!keep || replaced) return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    SheetView* view_;
};

SheetView::SheetView(QWidget* parent)
    : QTableView(parent), model_(new SheetModel(this)), frozen_(new QTableView(this)),
      delegate_(new SheetDelegate(this)), frozenDelegate_(new SheetDelegate(this)) {
    setHorizontalHeader(new SheetHeader(this));
    setModel(model_);
    setItemDelegate(delegate_);
    setWordWrap(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setUpFrozenView();
    setEditPermission({});
    model_->setCutTextTest([this](int row, int col, const QString& text) {
        const QFont font = model_->data(model_->index(row - 1, col - 1), Qt::FontRole).value<QFont>();
        return QFontMetrics(font).horizontalAdvance(text) + cellPadding() > columnWidth(col - 1);
    });

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { syncSelectionToSheet(); });
    // The sheet knows which column is first in view, as the commands read it.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (Sheet* s = sheet()) s->setLeftCol(leftCol());
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { syncSelectionToSheet(); });
}

SheetView::~SheetView() = default;

void SheetView::setUpFrozenView() {
    frozen_->setHorizontalHeader(new SheetHeader(frozen_));
    frozen_->setModel(model_);
    frozen_->setItemDelegate(frozenDelegate_);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setFocusProxy(this);
    // Assistive technology finds it beside the table, which holds the same cells.
    frozen_->setAccessibleName(tr("Columns kept in view"));
    frozen_->setEditTriggers(NoEditTriggers);
    frozen_->setWordWrap(false);
    frozen_->verticalHeader()->hide();
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    frozen_->setFrameShape(QFrame::NoFrame);
    // The frozen columns cover the scrolled cells and their headings alike,
    // so that the names keep their "Names" heading however far the table
    // is scrolled.
    viewport()->stackUnder(frozen_);
    horizontalHeader()->stackUnder(frozen_);
    frozen_->hide();

    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(), &QScrollBar::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section < frozenCount_) {
            frozen_->setColumnWidth(section, size);
            updateFrozenGeometry();
        }
    });
}

void SheetView::setSheet(Sheet* sheet) {
    model_->setSheet(sheet);
    applyLayout();
}

void SheetView::reload() {
    pending_.reset();
    model_->reload();
    applyLayout();
}

void SheetView::refreshCells(const CellRange& range) {
    model_->cellsChanged(range);
}

void SheetView::refreshColumnWidths(const std::vector<int>& cols) {
    const Sheet* s = sheet();
    if (!s || cols.empty()) return;
    const std::vector<double> widths = columnWidthsOn(*s, cellPadding(), viewport(), cols);
    for (std::size_t i = 0; i < cols.size(); ++i) showColumnWidth(cols[i], widths[i]);
}

double SheetView::cellPadding() const {
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
}

QSize SheetView::wholeTableSize() const {
    const int frame = 2 * frameWidth();
    // Before the view is first shown its headings have no size of their own yet.
    const QHeaderView* rows = verticalHeader();
    const QHeaderView* cols = horizontalHeader();
    const int rowHeadings = rows->isHidden() ? 0 : std::max(rows->width(), rows->sizeHint().width());
    const int columnHeadings = cols->isHidden() ? 0 : std::max(cols->height(), cols->sizeHint().height());
    return {horizontalHeader()->length() + rowHeadings + frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
            verticalHeader()->length() + columnHeadings + frame};
}

double SheetView::frozenColumnLimit() const {
    constexpr int kFrozenColumnDigits = 32;
    const Sheet* s = sheet();
    const QFont font = s ? toQFont(s->defaultFormat().font) : this->font();
    return QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) * kFrozenColumnDigits + cellPadding();
}

void SheetView::showColumnWidth(int col, double width) {
    const Sheet* s = sheet();
    if (s && col <= s->fixedCols()) width = std::min(width, frozenColumnLimit());
    // The frozen view follows through the header's sectionResized.
    setColumnWidth(col - 1, std::max(4, static_cast<int>(std::ceil(width))));
}

void SheetView::applyLayout() {
    const Sheet* s = sheet();
    if (!s) return;
    // Widths: character units scaled by the metrics of this screen's type.
    const std::vector<double> widths = columnWidthsOn(*s, cellPadding(), viewport());
    for (int col = 1; col <= s->maxCol(); ++col) showColumnWidth(col, widths[static_cast<std::size_t>(col - 1)]);
    // Rows are as tall as the largest type of the first rows needs.
    int height = 0;
    for (int row = 1; row <= std::min(3, s->maxRow()); ++row) {
        for (int col = 1; col <= std::min(2, s->maxCol()); ++col) {
            height = std::max(height, QFontMetrics(toQFont(s->format(row, col).font)).height());
        }
    }
    if (height == 0) height = QFontMetrics(toQFont(s->defaultFormat().font)).height();
    verticalHeader()->setDefaultSectionSize(height + 6);
    verticalHeader()->setMinimumSectionSize(std::min(height + 6, 12));
    frozen_->verticalHeader()->setDefaultSectionSize(height + 6);
    setShowGrid(s->showGridLines());
    frozen_->setShowGrid(s->showGridLines());
    applyHeadingRow(height + 6);

    frozenCount_ = std::clamp(s->fixedCols(), 0, s->maxCol());
    for (int col = 0; col < s->maxCol(); ++col) {
        frozen_->setColumnHidden(col, col >= frozenCount_);
        if (col < frozenCount_) frozen_->setColumnWidth(col, columnWidth(col));
    }
    frozen_->setVisible(frozenCount_ > 0);
    updateFrozenGeometry();

    if (s->leftCol() > frozenCount_ + 1) setLeftCol(s->leftCol());

    applyingSelection_ = true;
    const CellRange selected = s->selection();
    const int activeR = s->activeRow();
    const int activeC = s->activeCol();
    selectRange(selected);
    setActiveCell(activeR, activeC);
    applyingSelection_ = false;
}

void SheetView::applyHeadingRow(int rowHeight) {
    // A heading row kept in view is drawn as the column headings; its own row
    // is hidden, and the row numbers would only count from 2.
    const Sheet* s = sheet();
    const bool inHeader = s && s->fixedRows() > 0;
    for (QTableView* view : {static_cast<QTableView*>(this), frozen_}) view->setRowHidden(0, inHeader);
    verticalHeader()->setVisible(!inHeader);
    if (inHeader) {
        int height = rowHeight;
        for (int col = 1; col <= std::min(3, s->maxCol()); ++col) {
            height = std::max(height, QFontMetrics(toQFont(s->format(1, col).font)).height() + 6);
        }
        horizontalHeader()->setFixedHeight(height);
    } else {
        horizontalHeader()->setMinimumHeight(0);
        horizontalHeader()->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

int SheetView::frozenWidth() const {
    int width = 0;
    for (int col = 0; col < frozenCount_; ++col) width += columnWidth(col);
    return width;
}

void SheetView::updateFrozenGeometry() {
    if (frozenCount_ == 0) return;
    const int headerHeight = horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
    const int left = verticalHeader()->isVisible() ? verticalHeader()->width() : 0;
    frozen_->horizontalHeader()->setVisible(horizontalHeader()->isVisible());
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    frozen_->setGeometry(left + frameWidth(), frameWidth(), frozenWidth() + 1, viewport()->height() + headerHeight);
}

void SheetView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

void SheetView::updateGeometries() {
    QTableView::updateGeometries();
    updateFrozenGeometry();
}

QModelIndex SheetView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Home goes to the start of the row: the first columns come back into view
    // beside the frozen ones, which need no scrolling of their own.
    if (cursorAction == MoveHome) horizontalScrollBar()->setValue(0);
    if (frozenCount_ > 0 && current.column() >= frozenCount_) {
        const int x = visualRect(current).left();
        if (x < frozenWidth()) horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x - frozenWidth());
    }
    return current;
}

void SheetView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (frozenCount_ == 0 || !index.isValid()) {
        QTableView::scrollTo(index, hint);
        return;
    }
    // The frozen columns cover the left of the viewport: a column must come
    // into view to their right, and frozen columns need no horizontal scroll.
    const int before = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    int offset = before;
    if (index.column() >= frozenCount_) {
        const int x = columnViewportPosition(index.column()) + horizontalScrollBar()->value();
        const int w = columnWidth(index.column());
        const int visibleLeft = offset + frozenWidth();
        const int visibleRight = offset + viewport()->width();
        if (x < visibleLeft) offset = x - frozenWidth();
        else if (x + w > visibleRight) offset = std::min(x - frozenWidth(), x + w - viewport()->width());
    }
    horizontalScrollBar()->setValue(offset);
}

CellRange SheetView::selectedRange() const {
    const Sheet* s = sheet();
    return s ? s->selection() : CellRange{};
}

int SheetView::activeRow() const {
    const Sheet* s = sheet();
    return s ? s->activeRow() : 1;
}

int SheetView::activeCol() const {
    const Sheet* s = sheet();
    return s ? s->activeCol() : 1;
}

void SheetView::selectRange(const CellRange& range) {
    Sheet* s = sheet();
    if (!s) return;
    const CellRange r = s->resolve(range);
    if (r.r1 > r.r2 || r.c1 > r.c2) {
        selectionModel()->clearSelection();
        s->setSelection(range);
        return;
    }
    const QItemSelection selection(model_->index(r.r1 - 1, r.c1 - 1), model_->index(r.r2 - 1, r.c2 - 1));
    selectionModel()->setCurrentIndex(model_->index(r.r1 - 1, r.c1 - 1), QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    s->setSelection(range);
}

void SheetView::setActiveCell(int row, int col) {
    Sheet* s = sheet();
    if (!s) return;
    const QModelIndex index = model_->index(row - 1, col - 1);
    if (index.isValid()) selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    s->setActiveCell(row, col);
}

int SheetView::leftCol() const {
    const int x = frozenCount_ > 0 ? frozenWidth() : 0;
    const int col = columnAt(x);
    return col < 0 ? frozenCount_ + 1 : std::max(col, frozenCount_) + 1;
}

void SheetView::setLeftCol(int col) {
    const Sheet* s = sheet();
    if (!s || col < 1 || col > s->maxCol()) return;
    const int position = columnViewportPosition(col - 1) + horizontalScrollBar()->value();
    horizontalScrollBar()->setValue(std::max(0, position - frozenWidth()));
    sheet()->setLeftCol(leftCol());
}

void SheetView::syncSelectionToSheet() {
    Sheet* s = sheet();
    if (!s || model_->rowCount() == 0 || model_->columnCount() == 0) return;
    const QModelIndex current = selectionModel()->currentIndex();
    const QItemSelection selection = selectionModel()->selection();
    // The range the user is working in: the one holding the active cell.
    std::optional<QItemSelectionRange> chosen;
    for (const QItemSelectionRange& range : selection) {
        if (!chosen || (current.isValid() && range.contains(current))) chosen = range;
        if (current.isValid() && range.contains(current)) break;
    }
    CellRange range;
    if (chosen) {
        range = {chosen->top() + 1, chosen->left() + 1, chosen->bottom() + 1, chosen->right() + 1};
    } else if (current.isValid()) {
        range = CellRange::cell(current.row() + 1, current.column() + 1);
    } else {
        range = s->selection();
    }
    s->setSelection(range);
    if (current.isValid()) s->setActiveCell(current.row() + 1, current.column() + 1);
    typingRefusedHere_ = false;
    if (!applyingSelection_) emit selectionMoved(range);
}

void SheetView::setInCellEditing(bool allowed) {
    model_->setEditingAllowed(allowed);
}

void SheetView::setEditPermission(SheetModel::EditPermission permission) {
    // Frozen columns are never typed into: an editor there would open under them.
    model_->setEditPermission([this, permission = std::move(permission)](int row, int col) {
        return col > frozenCount_ && (!permission || permission(row, col));
    });
}

bool SheetView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool started = QTableView::edit(index, trigger, event);
    if (started && state() == EditingState) editing_ = index;
    return started;
}

void SheetView::commitData(QWidget* editor) {
    // The typed text is held until the editor has closed, so that the
    // end-edit handler may show a message or rebuild the sheet safely.
    if (!editing_.isValid()) return;
    const QByteArray property = editor->metaObject()->userProperty().name();
    // A number typed with the window's decimal comma reaches the sheet with ".".
    const QString typed = typedWithPoint(editor->property(property.constData()).toString(), windowDecimalPoint());
    pending_ = PendingEdit{editing_.row() + 1, editing_.column() + 1, typed};
}

void SheetView::endEdit() {
    QWidget* editor = editing_.isValid() ? indexWidget(editing_) : nullptr;
    if (!editor) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void SheetView::cancelEdit() {
    QWidget* editor = editing_.isValid() ? indexWidget(editing_) : nullptr;
    if (!editor) return;
    pending_.reset();
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void SheetView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    std::optional<PendingEdit> edit = std::exchange(pending_, std::nullopt);
    editing_ = QModelIndex();
    // A finished edit moves on only after its handler has run: the handler
    // may rebuild the sheet, which would take an editor already opened on the
    // next cell (Tab) down with it and leave the keyboard in a dead editor.
    QTableView::closeEditor(editor, edit ? QAbstractItemDelegate::NoHint : hint);
    if (edit) finishEdit(*edit, hint);
}

void SheetView::finishEdit(const PendingEdit& edit, QAbstractItemDelegate::EndEditHint hint) {
    Sheet* s = sheet();
    if (!s) return;
    const EndEdit outcome = endEdit_ ? endEdit_(edit.row, edit.col, edit.text) : EndEdit::Commit;
    if (outcome == EndEdit::Refuse) {
        refreshCells(CellRange::cell(edit.row, edit.col));
        return;
    }
    if (outcome == EndEdit::Commit) {
        if (const auto value = parseNumber(edit.text)) s->setNumber(edit.row, edit.col, *value);
        else s->setText(edit.row, edit.col, edit.text);
        refreshCells(CellRange::cell(edit.row, edit.col));
    }
    moveAfterEdit(edit.row, edit.col, hint);
    emit cellEdited(edit.row, edit.col);
}

void SheetView::moveAfterEdit(int row, int col, QAbstractItemDelegate::EndEditHint hint) {
    // As in a spreadsheet: Enter goes down, Tab right, Shift+Tab left; only
    // onto a cell that may be typed into, so that entering a column of
    // points stops at its last student.
    int toRow = row;
    int toCol = col;
    switch (hint) {
    case QAbstractItemDelegate::SubmitModelCache: ++toRow; break;
    case QAbstractItemDelegate::EditNextItem: ++toCol; break;
    case QAbstractItemDelegate::EditPreviousItem: --toCol; break;
    default: return;
    }
    const Sheet* s = sheet();
    if (!s || toRow > s->maxRow() || toCol < 1 || toCol > s->maxCol() || !model_->permits(toRow, toCol)) return;
    selectRange(CellRange::cell(toRow, toCol));
}

bool SheetView::filterKey(QKeyEvent* event, bool editing, const std::function<void(QKeyEvent*)>& deliver) const {
    if (!keyFilter_) {
        deliver(event);
        return true;
    }
    const KeyDecision decision = keyFilter_(*event, editing);
    switch (decision.action) {
    case KeyDecision::Action::Discard: return false;
    case KeyDecision::Action::Pass: deliver(event); return true;
    case KeyDecision::Action::Replace: {
        const int key = decision.text.isEmpty() ? event->key() : decision.text.at(0).toUpper().unicode();
        QKeyEvent replaced(event->type(), key, event->modifiers(), decision.text, event->isAutoRepeat(),
                           static_cast<quint16>(event->count()));
        deliver(&replaced);
        return true;
    }
    }
    return true;
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    // Enter on a cell that takes typing opens it, as in a spreadsheet.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && state() != EditingState &&
        edit(currentIndex(), EditKeyPressed, event)) {
        event->accept();
        return;
    }
    const bool kept = filterKey(event, false, [this](QKeyEvent* key) {
        if (refuseTyping(*key)) key->accept();
        else QTableView::keyPressEvent(key);
    });
    if (!kept) event->accept();
}

bool SheetView::refuseTyping(const QKeyEvent& key) {
    if (!refusedTyping_ || state() == EditingState) return false;
    const QString text = key.text();
    const bool typed = !text.isEmpty() && text.front().isPrint() &&
                       !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const QModelIndex current = currentIndex();
    if (!typed || !current.isValid() || current.flags().testFlag(Qt::ItemIsEditable)) return false;
    if (!std::exchange(typingRefusedHere_, true)) refusedTyping_(current.row() + 1, current.column() + 1);
    return true;
}

QMimeData* SheetView::selectionMimeData() const {
    auto* mime = new QMimeData;
    const Sheet* s = sheet();
    if (!s) return mime;
    const CellRange range = s->selection();
    mime->setText(s->toTsv(range));
    mime->setHtml(s->toHtml(range));
    return mime;
}

void SheetView::nameEditor(QWidget& editor, const QModelIndex& index) const {
    // The box typed into is heard as the cell it stands on: its row and column headings.
    const auto heading = [this](int section, Qt::Orientation orientation) {
        const QString spoken = model_->headerData(section, orientation, Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? model_->headerData(section, orientation).toString() : spoken;
    };
    editor.setAccessibleName(
        tr("%1, %2").arg(heading(index.row(), Qt::Vertical), heading(index.column(), Qt::Horizontal)));
    editor.setAccessibleDescription(tr("Type the value: Enter stores it, Escape leaves the cell as it was."));
}

ShownColours SheetView::shownColours(int row, int col) const {
    const QModelIndex index = model_->index(row - 1, col - 1);
    if (isRowHidden(row - 1)) {
        if (auto* header = qobject_cast<SheetHeader*>(horizontalHeader())) return header->shownColours(col - 1);
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    if (selectionModel()->isSelected(index)) option.state |= QStyle::State_Selected;
    delegate_->initStyleOption(&option, index);
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    if (option.state & QStyle::State_Selected) {
        return {option.palette.color(group, QPalette::HighlightedText),
                option.palette.color(group, QPalette::Highlight)};
    }
    return {option.palette.color(group, QPalette::Text), cellBackground(option, group)};
}

void SheetView::copySelection() const {
    QApplication::clipboard()->setMimeData(selectionMimeData());
}

}  // namespace markwell
