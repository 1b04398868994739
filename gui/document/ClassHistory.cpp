#include "gui/document/ClassHistory.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace markwell {
namespace {

// A change on the undo stack: it was made before it was pushed, so the
// stack's first redo has nothing to do.
class ChangeCommand final : public QUndoCommand {
public:
    ChangeCommand(const QString& name, std::unique_ptr<ChangeStep> step, Document& document,
                  std::function<void()> changed)
        : QUndoCommand(name), step_(std::move(step)), document_(document), changed_(std::move(changed)) {}

    void undo() override {
        step_->undo(document_);
        changed_();
    }
    // Every change may take in the one after it (ChangeStep::absorb).
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        return step_->absorb(*static_cast<const ChangeCommand*>(other)->step_);
    }
    void redo() override {
        if (made_) {
            made_ = false;
            return;
        }
        step_->redo(document_);
        changed_();
    }

private:
    std::unique_ptr<ChangeStep> step_;
    Document& document_;
    std::function<void()> changed_;
    bool made_ = true;
};

}  // namespace

ClassHistory::ClassHistory(Document& document, QObject* parent)
    : QObject(parent), document_(document), stack_(new QUndoStack(this)) {}

ClassHistory::~ClassHistory() = default;

Result<void> ClassHistory::apply(const Change& change) {
    Result<ChangeMade> made = change.applyTo(document_);
    if (!made) return fail(made.message());
    if (!made->step) return {};
    stack_->push(new ChangeCommand(change.name(), std::move(made->step), document_, [this] { emit documentChanged(); }));
    emit documentChanged();
    return {};
}

}  // namespace markwell
