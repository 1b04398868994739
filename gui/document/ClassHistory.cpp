// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/document/ClassHistory.h"

#include <QAction>
#include <QSignalBlocker>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace markwell {

// A change on the undo stack. It was made before it was pushed, so the
// stack's first redo has nothing to do. The step is shared so that a trimmed
// stack can be made anew from the same steps.
class ChangeCommand final : public QUndoCommand {
public:
    ChangeCommand(const QString& name, std::shared_ptr<ChangeStep> step, std::vector<StudentRename> renames,
                  ChangeScope::Part part, ClassHistory& history)
        : QUndoCommand(name), step_(std::move(step)), renames_(std::move(renames)), part_(part), history_(history) {}

    // Every change may absorb the next (ChangeStep::absorb decides).
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        if (history_.rebuilding_) return false;
        const auto* next = static_cast<const ChangeCommand*>(other);
        if (!step_->absorb(*next->step_)) return false;
        // One step touching two parts redraws them all.
        if (next->part_ != part_) part_ = ChangeScope::Part::Everything;
        return true;
    }

    void undo() override {
        if (history_.rebuilding_) return;
        step_->undo(history_.document_);
        history_.stepTaken(part_);
    }
    void redo() override {
        if (std::exchange(made_, false) || history_.rebuilding_) return;
        step_->redo(history_.document_);
        history_.stepTaken(part_);
    }

    const std::shared_ptr<ChangeStep>& step() const { return step_; }
    const std::vector<StudentRename>& renames() const { return renames_; }
    ChangeScope::Part part() const { return part_; }

private:
    std::shared_ptr<ChangeStep> step_;
    std::vector<StudentRename> renames_;
    ChangeScope::Part part_;
    ClassHistory& history_;
    bool made_ = true;
};

namespace {

const ChangeCommand& commandAt(const QUndoStack& stack, int index) {
    return *static_cast<const ChangeCommand*>(stack.command(index));
}

// A step's name as a menu text: an "&" in a heading is no shortcut letter.
QString menuText(const QString& format, const QString& name) {
    return format.arg(QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
}

}  // namespace

ClassHistory::ClassHistory(Document& document, QObject* parent)
    : QObject(parent), document_(document), stack_(new QUndoStack(this)), modified_(document.modified) {
    connect(stack_, &QUndoStack::cleanChanged, this, &ClassHistory::syncModified);
    connect(stack_, &QUndoStack::indexChanged, this, &ClassHistory::finishStep);
}

ClassHistory::~ClassHistory() {
    // The stack empties itself as it goes: nobody is told any more.
    disconnect(stack_, nullptr, nullptr, nullptr);
}

Result<void> ClassHistory::apply(const Change& change, const ChangeScope& scope) {
    Result<ChangeMade> made = change.applyTo(document_);
    if (!made) return fail(made.message());
    if (!made->step) {
        if (scope.cell) emit changed(scope);
        return {};
    }
    stack_->push(new ChangeCommand(change.name(), std::move(made->step), std::move(made->renames), scope.part, *this));
    trim();
    syncModified();
    emit changed(scope);
    emit documentChanged();
    return {};
}

void ClassHistory::undo() {
    stack_->undo();
}

void ClassHistory::redo() {
    stack_->redo();
}

void ClassHistory::stepTaken(ChangeScope::Part part) {
    // The stack moves its index and clean state after the step; the window
    // hears of it then, when the modified flag can be right.
    stepPending_ = part;
}

void ClassHistory::finishStep() {
    const std::optional<ChangeScope::Part> part = std::exchange(stepPending_, std::nullopt);
    if (!part) return;
    syncModified();
    emit changed(ChangeScope{*part, std::nullopt});
    emit documentChanged();
}

void ClassHistory::startOver(bool modified) {
    stack_->clear();
    // An empty stack keeps its clean state through clear(): a class taken
    // unsaved (an earlier version, a recovered copy) would leave the next one
    // unsaved too.
    if (modified) stack_->resetClean();
    else stack_->setClean();
    syncModified();
}

void ClassHistory::markSaved() {
    stack_->setClean();
    syncModified();
}

QStringList ClassHistory::stepsSinceSaved() const {
    const int clean = stack_->cleanIndex();
    const int now = stack_->index();
    QStringList steps;
    if (clean < 0) return steps;
    for (int i = clean; i < now; ++i) steps << stack_->command(i)->text();
    for (int i = clean - 1; i >= now; --i) steps << tr("Undo %1").arg(stack_->command(i)->text());
    return steps;
}

std::vector<StudentRename> ClassHistory::renamesSinceSaved() const {
    const int clean = stack_->cleanIndex();
    const int now = stack_->index();
    std::vector<StudentRename> renames;
    if (clean < 0) return renames;
    for (int i = clean; i < now; ++i) {
        const auto& made = commandAt(*stack_, i).renames();
        renames.insert(renames.end(), made.begin(), made.end());
    }
    for (int i = clean - 1; i >= now; --i) {
        const auto& made = commandAt(*stack_, i).renames();
        for (auto rename = made.rbegin(); rename != made.rend(); ++rename)
            renames.push_back({rename->to, rename->from});
    }
    return renames;
}

bool ClassHistory::isModified() const {
    return !stack_->isClean();
}

std::size_t ClassHistory::heldBytes() const {
    std::size_t bytes = 0;
    for (int i = 0; i < stack_->count(); ++i) bytes += commandAt(*stack_, i).step()->heldBytes();
    return bytes;
}

void ClassHistory::setLimits(std::size_t heldBytes, int steps) {
    heldBytesLimit_ = heldBytes;
    stepLimit_ = steps;
    trim();
}

void ClassHistory::trim() {
    const int count = stack_->count();
    const int index = stack_->index();
    std::size_t bytes = heldBytes();
    int first = 0;
    int last = count;
    const auto tooMuch = [&] { return last - first > stepLimit_ || bytes > heldBytesLimit_; };
    // The oldest steps go first. The step just made stays whatever it holds:
    // the teacher can always take back what was just done.
    while (first < index - 1 && tooMuch()) bytes -= commandAt(*stack_, first++).step()->heldBytes();
    // Then, when the bounds were narrowed, the steps furthest from being redone.
    while (last > index && tooMuch()) bytes -= commandAt(*stack_, --last).step()->heldBytes();
    if (first > 0 || last < count) keepOnly(first, last);
}

void ClassHistory::keepOnly(int first, int last) {
    struct Kept {
        QString name;
        std::shared_ptr<ChangeStep> step;
        std::vector<StudentRename> renames;
        ChangeScope::Part part;
    };
    std::vector<Kept> kept;
    for (int i = first; i < last; ++i) {
        const ChangeCommand& command = commandAt(*stack_, i);
        kept.push_back({command.text(), command.step(), command.renames(), command.part()});
    }
    const int index = std::clamp(stack_->index() - first, 0, last - first);
    const int cleanIndex = stack_->cleanIndex();
    const int clean = cleanIndex >= first && cleanIndex <= last ? cleanIndex - first : -1;

    rebuilding_ = true;
    {
        // Told once at the end, not for every step put back.
        const QSignalBlocker quiet(stack_);
        stack_->clear();
        for (Kept& step : kept) {
            stack_->push(new ChangeCommand(step.name, std::move(step.step), std::move(step.renames), step.part, *this));
        }
        if (clean >= 0) {
            stack_->setIndex(clean);
            stack_->setClean();
        } else {
            stack_->resetClean();
        }
        stack_->setIndex(index);
    }
    rebuilding_ = false;
    emit stack_->indexChanged(stack_->index());
    emit stack_->canUndoChanged(stack_->canUndo());
    emit stack_->canRedoChanged(stack_->canRedo());
    emit stack_->undoTextChanged(stack_->undoText());
    emit stack_->redoTextChanged(stack_->redoText());
    emit stack_->cleanChanged(stack_->isClean());
    syncModified();
}

void ClassHistory::syncModified() {
    if (rebuilding_) return;
    const bool modified = !stack_->isClean();
    document_.modified = modified;
    if (modified == modified_) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void ClassHistory::bindActions(QAction* undo, QAction* redo) {
    const QString undoKey = undo->shortcut().toString(QKeySequence::NativeText);
    const QString redoKey = redo->shortcut().toString(QKeySequence::NativeText);
    const auto update = [this, undo, redo, undoKey, redoKey] {
        undo->setEnabled(stack_->canUndo());
        redo->setEnabled(stack_->canRedo());
        undo->setText(stack_->canUndo() ? menuText(tr("&Undo %1"), stack_->undoText()) : tr("&Undo"));
        redo->setText(stack_->canRedo() ? menuText(tr("&Redo %1"), stack_->redoText()) : tr("&Redo"));
        const QString undoHint = stack_->canUndo() ? tr("Undo %1").arg(stack_->undoText()) : tr("Undo");
        const QString redoHint = stack_->canRedo() ? tr("Redo %1").arg(stack_->redoText()) : tr("Redo");
        undo->setToolTip(QStringLiteral("%1 (%2)").arg(undoHint, undoKey));
        redo->setToolTip(QStringLiteral("%1 (%2)").arg(redoHint, redoKey));
    };
    for (const auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged}) {
        connect(stack_, signal, undo, update);
    }
    for (const auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged}) {
        connect(stack_, signal, undo, update);
    }
    connect(stack_, &QUndoStack::indexChanged, undo, update);
    update();
}

}  // namespace markwell
