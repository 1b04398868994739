// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QStyledItemDelegate>

namespace markwell {

// Edits the bounds of a grade scale: at most six characters, digits and one
// "." (or the window's decimal comma), whether typed or pasted. A refused key or paste is reported through
// boundRefused(), so the dialog can say why nothing happened, and a key
// taken after it through boundTyped(), so the dialog can stop saying so.
class BoundDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

    // Stores what the editor holds and closes it.
    void finishEditing(QWidget* editor);

signals:
    void boundRefused() const;
    void boundTyped() const;
};

}  // namespace markwell
