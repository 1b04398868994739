// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/ChoiceDelegate.h"

#include <QComboBox>

namespace markwell {

ChoiceDelegate::ChoiceDelegate(Choices choices, QObject* parent)
    : QStyledItemDelegate(parent), choices_(std::move(choices)) {}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    auto* combo = new QComboBox(parent);
    combo->addItems(choices_(index));
    // A pick is taken at once, as a list box would take it.
    connect(combo, &QComboBox::activated, this, [this, combo] {
        auto* self = const_cast<ChoiceDelegate*>(this);  // Qt signals are not const
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    return combo;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::UserRole).toInt());
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    const auto* combo = static_cast<QComboBox*>(editor);
    if (combo->currentIndex() < 0) return;
    model->setData(index, combo->currentIndex(), Qt::UserRole);
}

}  // namespace markwell
