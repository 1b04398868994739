#pragma once

#include "core/common/Result.h"
#include "core/document/Document.h"
#include "core/editing/Change.h"

#include <QObject>

class QUndoStack;

namespace markwell {

// The one door through which the window changes the open class: each change
// is applied to the document and kept on the class's undo stack, so that
// Edit > Undo and Redo can take it back and make it again exactly.
class ClassHistory : public QObject {
    Q_OBJECT
public:
    explicit ClassHistory(Document& document, QObject* parent = nullptr);
    ~ClassHistory() override;

    QUndoStack& stack() const { return *stack_; }

    // Makes the change. A refusal changes nothing and is handed back for the
    // caller to show; a change that alters nothing leaves no step.
    Result<void> apply(const Change& change);

signals:
    // The document changed: by a change, an undo or a redo.
    void documentChanged();

private:
    Document& document_;
    QUndoStack* stack_;
};

}  // namespace markwell
