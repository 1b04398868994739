// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QAbstractTableModel>
#include <QFont>

#include <functional>
#include <vector>

namespace markwell {

// A Sheet seen through Qt's model/view: row r, column c of the model is cell
// (r + 1, c + 1) of the sheet. Numbers show with the window's decimal
// separator; the sheet itself (and what is copied from it) keeps ".". The sheet belongs to whoever shows it; after
// changing it, call reload() (new extent or content everywhere) or
// cellsChanged() (a few cells).
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Header data role: true when a column's heading is the sheet's own
    // heading row, kept in view above the rows (see Sheet::fixedRows).
    static constexpr int kSheetRowHeadingRole = Qt::UserRole + 1;

    // Whether a cell may be typed into; consulted only while editing is on.
    using EditPermission = std::function<bool(int row, int col)>;

    // A cell's tool tip, asked for only when the pointer rests on the cell;
    // an empty text shows none.
    using ToolTipProvider = std::function<QString(int row, int col)>;

    // What assistive technology says of a cell beyond the text it shows: the
    // value spelled out (empty: the text as shown) and what else it means
    // (empty: nothing), as "Tardy" for a "T" or "dropped" for a red score.
    struct SpokenCell {
        QString text;
        QString description;
    };
    using SpeechProvider = std::function<SpokenCell(int row, int col)>;

    // Whether a cell's text, as shown, is cut by its column's width: such a
    // cell without a tool tip of its own shows its whole text as one.
    using CutTextTest = std::function<bool(int row, int col, const QString& text)>;

    explicit SheetModel(QObject* parent = nullptr);

    void setSheet(Sheet* sheet);
    Sheet* sheet() const { return sheet_; }

    void reload();
    void cellsChanged(const CellRange& range);

    // Whether typing is allowed at all: the sheet's own switch.
    void setEditingAllowed(bool allowed);
    bool editingAllowed() const;
    void setEditPermission(EditPermission permission) { permission_ = std::move(permission); }
    bool isEditable(int row, int col) const;
    // Whether the cell may be typed into once typing is switched on.
    bool permits(int row, int col) const { return !permission_ || permission_(row, col); }
    void setToolTipProvider(ToolTipProvider provider) { toolTips_ = std::move(provider); }
    void setSpeechProvider(SpeechProvider provider) { speech_ = std::move(provider); }
    void setCutTextTest(CutTextTest test) { cutText_ = std::move(test); }

    // The grid's own heading of a column (A, B, ..., Z, AA, ...); a sheet may
    // name its columns and rows otherwise.
    static QString columnLetters(int col);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct StyleEntry {
        CellFormat format;
        QFont font;
    };
    const QFont& fontFor(const CellFormat& format) const;
    QVariant cellData(int row, int col, int role) const;
    // The cell's text as the window writes numbers: a decimal comma in the
    // body of the table where the language has one (names and headings as they are).
    QString shownText(int row, int col) const;
    QVariant spokenData(int row, int col, int role) const;
    QString rowName(int row) const;

    Sheet* sheet_ = nullptr;
    EditPermission permission_;
    ToolTipProvider toolTips_;
    SpeechProvider speech_;
    CutTextTest cutText_;
    QChar decimalPoint_;
    // Tables share a handful of formats: their fonts are built once.
    mutable std::vector<StyleEntry> fonts_;
};

}  // namespace markwell
