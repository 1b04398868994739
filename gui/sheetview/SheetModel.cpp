// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/sheetview/SheetModel.h"

#include "core/common/NumberText.h"
#include "gui/shared/Translations.h"
#include "render/style/CellStyle.h"

#include <QBrush>

#include <algorithm>

namespace markwell {

SheetModel::SheetModel(QObject* parent) : QAbstractTableModel(parent), decimalPoint_(windowDecimalPoint()) {}

void SheetModel::setSheet(Sheet* sheet) {
    beginResetModel();
    sheet_ = sheet;
    fonts_.clear();
    endResetModel();
}

void SheetModel::reload() {
    beginResetModel();
    fonts_.clear();
    endResetModel();
}

void SheetModel::cellsChanged(const CellRange& range) {
    if (!sheet_) return;
    const CellRange r = sheet_->resolve(range);
    if (r.r1 > r.r2 || r.c1 > r.c2) return;
    emit dataChanged(index(r.r1 - 1, r.c1 - 1), index(r.r2 - 1, r.c2 - 1));
}

void SheetModel::setEditingAllowed(bool allowed) {
    if (sheet_) sheet_->setAllowInCellEditing(allowed);
}

bool SheetModel::editingAllowed() const {
    return sheet_ && sheet_->allowInCellEditing();
}

bool SheetModel::isEditable(int row, int col) const {
    return sheet_ && sheet_->allowInCellEditing() && permits(row, col);
}

QString SheetModel::columnLetters(int col) {
    QString letters;
    for (int n = col; n > 0; n = (n - 1) / 26) {
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    }
    return letters;
}

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !sheet_ ? 0 : sheet_->maxRow();
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !sheet_ ? 0 : sheet_->maxCol();
}

const QFont& SheetModel::fontFor(const CellFormat& format) const {
    for (const StyleEntry& entry : fonts_) {
        if (entry.format.font == format.font) return entry.font;
    }
    fonts_.push_back({format, toQFont(format.font)});
    return fonts_.back().font;
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!sheet_ || !index.isValid()) return {};
    return cellData(index.row() + 1, index.column() + 1, role);
}

QVariant SheetModel::cellData(int row, int col, int role) const {
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return shownText(row, col);
    case Qt::FontRole: return fontFor(sheet_->format(row, col));
    case Qt::ForegroundRole: return QBrush(toQColor(sheet_->format(row, col).font.color));
    case Qt::BackgroundRole: {
        const CellFill& fill = sheet_->format(row, col).fill;
        if (fill.pattern != FillPattern::Solid) return {};
        return QBrush(toQColor(fill.foreground));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(toQtAlignment(sheet_->format(row, col).alignment, sheet_->kind(row, col)));
    case Qt::ToolTipRole: {
        const QString tip = toolTips_ ? toolTips_(row, col) : QString();
        if (!tip.isEmpty()) return tip;
        const QString text = shownText(row, col);
        return cutText_ && !text.isEmpty() && cutText_(row, col, text) ? QVariant(text) : QVariant();
    }
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole: return spokenData(row, col, role);
    default: return {};
    }
}

QString SheetModel::shownText(int row, int col) const {
    if (row <= sheet_->fixedRows() || col <= sheet_->fixedCols()) return sheet_->text(row, col);
    return numberWithPoint(sheet_->text(row, col), decimalPoint_);
}

QVariant SheetModel::spokenData(int row, int col, int role) const {
    if (!speech_) return {};
    const SpokenCell spoken = speech_(row, col);
    const QString& text = role == Qt::AccessibleTextRole ? spoken.text : spoken.description;
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QString SheetModel::rowName(int row) const {
    // The frozen leading columns name the row, as the student's name does.
    QStringList parts;
    for (int col = 1; col <= std::min(sheet_->fixedCols(), sheet_->maxCol()); ++col) {
        const QString text = sheet_->text(row, col).trimmed();
        if (!text.isEmpty()) parts << text;
    }
    return parts.join(QStringLiteral(", "));
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // A sheet's heading row is shown as the column headings, where it stays in view.
    if (orientation == Qt::Horizontal && sheet_ && sheet_->fixedRows() > 0 && section < sheet_->maxCol()) {
        if (role == kSheetRowHeadingRole) return true;
        return cellData(1, section + 1, role);
    }
    // Assistive technology hears a row by its name. With the heading row in
    // view the row numbers are hidden, so they may be the name as well.
    const bool spokenRow =
        role == Qt::AccessibleTextRole || (role == Qt::DisplayRole && sheet_ && sheet_->fixedRows() > 0);
    if (orientation == Qt::Vertical && spokenRow && sheet_ && sheet_->rowHeading(section + 1).isEmpty()) {
        const QString name = section < sheet_->maxRow() ? rowName(section + 1) : QString();
        if (!name.isEmpty()) return name;
    }
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) {
        const QString heading = sheet_ ? sheet_->colHeading(section + 1) : QString();
        return heading.isEmpty() ? columnLetters(section + 1) : heading;
    }
    const QString heading = sheet_ ? sheet_->rowHeading(section + 1) : QString();
    return heading.isEmpty() ? QString::number(section + 1) : heading;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isEditable(index.row() + 1, index.column() + 1)) f |= Qt::ItemIsEditable;
    return f;
}

}  // namespace markwell
