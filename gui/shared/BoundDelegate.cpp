// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/BoundDelegate.h"

#include "core/scales/ScaleChecks.h"
#include "gui/shared/Translations.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <functional>

namespace markwell {
namespace {

QRegularExpression partialBound() {
    // The window's decimal comma is taken as well as "."; a comma is refused
    // where the language has none.
    if (windowDecimalPoint() == QLatin1Char(',')) return QRegularExpression(QStringLiteral("[0-9]*[.,]?[0-9]*"));
    return QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*"));
}

// Digits with at most one decimal separator, saying whether a key or a paste was taken.
class BoundValidator : public QRegularExpressionValidator {
public:
    BoundValidator(std::function<void(bool taken)> told, QObject* parent)
        : QRegularExpressionValidator(partialBound(), parent), told_(std::move(told)) {}

    State validate(QString& input, int& pos) const override {
        const State state = QRegularExpressionValidator::validate(input, pos);
        told_(state != Invalid);
        return state;
    }

private:
    std::function<void(bool)> told_;
};

}  // namespace

QWidget* BoundDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setMaxLength(kMaxBoundLength);
    editor->setValidator(new BoundValidator(
        [this](bool taken) {
            if (taken) emit boundTyped();
            else emit boundRefused();
        },
        editor));
    return editor;
}

void BoundDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString().trimmed();
    // A bound that is no number (from a hand-edited store) is typed afresh:
    // the validator would refuse every change to it, deleting included.
    const QRegularExpression whole(QRegularExpression::anchoredPattern(partialBound().pattern()));
    const bool editable = text.size() <= kMaxBoundLength && whole.match(text).hasMatch();
    static_cast<QLineEdit*>(editor)->setText(editable ? text : QString());
}

void BoundDelegate::finishEditing(QWidget* editor) {
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

}  // namespace markwell
