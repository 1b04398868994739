// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>

namespace markwell {

// Lets a table cell be chosen from a list: editing the cell opens a combo
// box of the texts `choices` gives for it; the one picked is stored as its
// number (Qt::UserRole) and shown as its text. Only the cell being edited is
// a widget, so a table of thousands of rows stays light.
class ChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Choices = std::function<QStringList(const QModelIndex& index)>;

    ChoiceDelegate(Choices choices, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Choices choices_;
};

}  // namespace markwell
