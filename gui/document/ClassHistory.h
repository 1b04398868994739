// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Document.h"
#include "core/editing/Change.h"
#include "gui/document/ChangeScope.h"

#include <QStringList>

#include <QObject>

#include <cstddef>
#include <optional>
#include <vector>

class QAction;
class QUndoStack;

namespace markwell {

class ChangeCommand;

// The one door through which the window changes the open class: each change
// is applied to the document and kept on the class's undo stack, so that
// Edit > Undo and Redo can take it back and make it again exactly.
//
// The stack's clean state is the saved state: the document is modified
// exactly when the stack is not clean, so that undoing back to the class as
// saved leaves nothing to save. The stack is kept within bounds by count and
// by the memory its steps hold; the oldest steps go first.
class ClassHistory : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kHeldBytesLimit = std::size_t{64} << 20;
    static constexpr int kStepLimit = 1000;

    explicit ClassHistory(Document& document, QObject* parent = nullptr);
    ~ClassHistory() override;

    QUndoStack& stack() const { return *stack_; }

    // Makes the change; `scope` says what it touches, for the window to
    // redraw, and stays with the step for its undo and redo. A refusal
    // changes nothing and is handed back for the caller to show; a change
    // that alters nothing leaves no step.
    Result<void> apply(const Change& change, const ChangeScope& scope = ChangeScope::everything());
    void undo();
    void redo();

    // Another class is now the document (new, opened, recovered, reloaded):
    // no steps, and saved unless `modified` (a recovered class is not).
    void startOver(bool modified);
    // The document was just saved: this is the state Undo may return to.
    void markSaved();

    bool isModified() const;
    // The memory the steps on the stack hold.
    std::size_t heldBytes() const;

    // What a save now would save, for the grade history: the names of the
    // steps made since the class was saved ("Undo" before those undone
    // since), and the students renamed meanwhile, in order (a rename undone
    // is a rename back). Nothing when the saved state has left the stack.
    QStringList stepsSinceSaved() const;
    std::vector<StudentRename> renamesSinceSaved() const;
    // Bounds other than the usual ones; the stack is trimmed to them at once.
    void setLimits(std::size_t heldBytes, int steps);

    // Keeps `undo` and `redo` named after the step they would take ("Undo
    // Sort by Average") and greyed when there is none.
    void bindActions(QAction* undo, QAction* redo);

signals:
    // What a change, an undo or a redo touched, for the window to redraw
    // (before documentChanged). A change made at a cell is told even when it
    // altered nothing: the text typed there gives way to the value kept.
    void changed(const ChangeScope& scope);
    // The document changed: by a change, an undo or a redo.
    void documentChanged();
    void modifiedChanged(bool modified);

private:
    friend class ChangeCommand;
    // A step of the stack was undone or redone; the stack then moves its index.
    void stepTaken(ChangeScope::Part part);
    void finishStep();
    // Drops the oldest steps while the stack holds more than its bounds.
    void trim();
    // Makes the stack anew from its steps first to last (not included), at
    // the same place among them and, when it is among them, the same clean
    // state. QUndoStack cannot drop its oldest commands itself.
    void keepOnly(int first, int last);
    // Brings the document's modified flag in line with the stack.
    void syncModified();

    Document& document_;
    QUndoStack* stack_;
    std::size_t heldBytesLimit_ = kHeldBytesLimit;
    int stepLimit_ = kStepLimit;
    // While the stack is being made anew its commands do nothing.
    bool rebuilding_ = false;
    bool modified_ = false;
    // The part the step being undone or redone touched, until the stack has moved.
    std::optional<ChangeScope::Part> stepPending_;
};

}  // namespace markwell
