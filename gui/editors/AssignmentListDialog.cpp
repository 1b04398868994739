#include "editors/AssignmentListDialog.h"

#include "common/Cp1252.h"
#include "data/Tables.h"
#include "dialogs/UserDialogs.h"
#include "editing/Validators.h"
#include "editors/EditorSupport.h"
#include "editors/ImportAssignmentsDialog.h"
#include "editors/RecordListPanel.h"
#include "help/HelpTopics.h"
#include "printing/PrintJob.h"
#include "printout/AssignmentListPrintout.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace markwell {

AssignmentListDialog::AssignmentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                                           QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), classPath_(classPath), working_(cls),
      panel_(new RecordListPanel(tr("Total number of assignments: %1"))) {
    setWindowTitle(tr("Assignment List"));
    setObjectName(QStringLiteral("assignmentListDialog"));
    setHelpTopic(this, HelpTopic::Assignments);

    QWidget* boxes = makeBoxes();
    QWidget* commands = makeButtons();
    panel_->list()->setObjectName(QStringLiteral("assignmentList"));
    panel_->list()->setMinimumWidth(200);
    auto* listLabel = new QLabel(tr("Added Assi&gnments"));
    listLabel->setBuddy(panel_->list());

    auto* group = new QGroupBox(tr("Assignments"));
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(panel_, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 2);
    top->addWidget(boxes, 3);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(top, 1);
    groupLayout->addWidget(commands);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &AssignmentListDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(buttons);

    connect(panel_, &RecordListPanel::rowChosen, this, &AssignmentListDialog::showAssignment);
    connect(panel_, &RecordListPanel::moveRequested, this, &AssignmentListDialog::moveAssignment);
    connect(panel_, &RecordListPanel::deleteRequested, this, &AssignmentListDialog::deleteAssignment);
    onEnterKey(panel_->list(), [this] { title_->setFocus(); });
    addAcceptShortcut(this);

    refreshList(-1);
    reset();
}

QWidget* AssignmentListDialog::makeBoxes() {
    title_ = new QLineEdit;
    title_->setObjectName(QStringLiteral("titleBox"));
    title_->setMaxLength(kTitleLength);
    title_->setMinimumWidth(260);
    type_ = new QComboBox;
    type_->setObjectName(QStringLiteral("typeBox"));
    type_->setEditable(false);
    for (std::string_view type : kAssignmentTypes) type_->addItem(QString::fromLatin1(type.data(), type.size()));
    description_ = new QPlainTextEdit;
    description_->setObjectName(QStringLiteral("descriptionBox"));
    description_->setTabChangesFocus(true);

    auto* boxes = new QWidget;
    auto* form = new QFormLayout(boxes);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Title"), title_);
    form->addRow(tr("T&ype"), type_);
    form->addRow(tr("De&scription"), description_);

    // Enter adds or updates; the description never takes a line break from it.
    onEnterKey(title_, [this] { storeAssignment(); });
    onEnterKey(description_, [this] { storeAssignment(); });
    connect(title_, &QLineEdit::textEdited, this, [this] { edited_ = true; });
    connect(type_, &QComboBox::activated, this, [this] { edited_ = true; });
    connect(description_, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) edited_ = true;
        keepDescriptionShort();
    });
    return boxes;
}

QWidget* AssignmentListDialog::makeButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* add = commandButton(tr("&Add"), "addButton");
    QPushButton* update = commandButton(tr("&Update"), "updateButton");
    QPushButton* remove = commandButton(tr("&Delete"), "deleteButton");
    QPushButton* clear = commandButton(tr("&Clear"), "clearButton");
    QPushButton* import = commandButton(tr("I&mport..."), "importButton");
    QPushButton* print = commandButton(tr("&Print"), "printButton");
    for (QPushButton* button : {add, update, remove, clear, import, print}) layout->addWidget(button);
    connect(add, &QPushButton::clicked, this, &AssignmentListDialog::addAssignment);
    connect(update, &QPushButton::clicked, this, &AssignmentListDialog::updateAssignment);
    connect(remove, &QPushButton::clicked, this, &AssignmentListDialog::deleteAssignment);
    connect(clear, &QPushButton::clicked, this, &AssignmentListDialog::clearAssignments);
    connect(import, &QPushButton::clicked, this, &AssignmentListDialog::importAssignments);
    connect(print, &QPushButton::clicked, this, &AssignmentListDialog::printAssignments);
    return row;
}

void AssignmentListDialog::keepDescriptionShort() {
    // Pasted text beyond the field is cut where the teacher sees it.
    const QString text = description_->toPlainText();
    if (text.size() <= kDescriptionLength) return;
    const bool wasFilling = std::exchange(filling_, true);
    description_->setPlainText(text.left(kDescriptionLength));
    description_->moveCursor(QTextCursor::End);
    filling_ = wasFilling;
}

AssignmentForm AssignmentListDialog::form() const {
    return {title_->text(), type_->currentIndex() >= 0 ? type_->currentText() : QString(),
            description_->toPlainText()};
}

void AssignmentListDialog::setForm(const AssignmentForm& f) {
    filling_ = true;
    title_->setText(f.title);
    type_->setCurrentIndex(type_->findText(f.type));  // none for a type that is not one of the six
    description_->setPlainText(f.description);
    filling_ = false;
    edited_ = false;
}

void AssignmentListDialog::refreshList(int select) {
    QStringList titles;
    for (const AssignmentInfo& a : working_.assignments) titles << cp1252::toUnicode(a.title);
    panel_->setLines(titles, select);
}

void AssignmentListDialog::showAssignment(int row) {
    if (row < 0 || row >= static_cast<int>(working_.assignments.size())) return;
    setForm(assignmentForm(working_.assignments[static_cast<std::size_t>(row)]));
    shown_ = row;
}

void AssignmentListDialog::reset() {
    setForm(AssignmentForm{});
    shown_ = -1;
    panel_->selectRow(-1);
    title_->setFocus();
}

void AssignmentListDialog::mousePressEvent(QMouseEvent* event) {
    reset();
    QDialog::mousePressEvent(event);
}

void AssignmentListDialog::refused(const QString& message) {
    dialogs_.warn(this, message);
    // The boxes are checked in this order; the first one at fault takes the focus.
    const QString title = trimmedText(title_->text());
    if (title.isEmpty() || !fieldText(title, capacity::kTitle, QString()).ok()) {
        title_->setFocus();
    } else if (type_->currentIndex() < 0) {
        type_->setFocus();
    } else {
        description_->setFocus();
    }
}

void AssignmentListDialog::addAssignment() {
    if (Result<std::size_t> added = markwell::addAssignment(working_, form()); !added) {
        refused(added.message());
        return;
    }
    refreshList(-1);
    panel_->list()->scrollToBottom();  // where the new assignment is
    reset();
}

void AssignmentListDialog::updateAssignment() {
    if (shown_ < 0) return;
    if (Result<void> updated = markwell::updateAssignment(working_, static_cast<std::size_t>(shown_), form());
        !updated) {
        refused(updated.message());
        return;
    }
    refreshList(-1);
    reset();
}

void AssignmentListDialog::storeAssignment() {
    if (shown_ >= 0) updateAssignment();
    else addAssignment();
}

void AssignmentListDialog::deleteAssignment() {
    const int row = panel_->selectedRow();
    if (row < 0 || !markwell::deleteAssignment(working_, static_cast<std::size_t>(row))) return;
    refreshList(-1);
    reset();
}

void AssignmentListDialog::moveAssignment(MoveDirection direction) {
    const int row = panel_->selectedRow();
    if (row < 0 || !markwell::moveAssignment(working_, static_cast<std::size_t>(row), direction)) return;
    shown_ = direction == MoveDirection::Up ? row - 1 : row + 1;
    refreshList(shown_);
}

void AssignmentListDialog::clearAssignments() {
    if (working_.assignments.empty()) return;
    if (dialogs_.askYesNo(this, tr("Remove all assignments?")) != UserDialogs::Answer::Yes) return;
    markwell::clearAssignments(working_);
    refreshList(-1);
    reset();
}

void AssignmentListDialog::importAssignments() {
    ImportAssignmentsDialog picker(dialogs_, classPath_, this);
    if (picker.exec() != QDialog::Accepted) return;
    markwell::importAssignments(working_, picker.selectedAssignments());
    refreshList(-1);
    panel_->list()->scrollToBottom();
    reset();
}

void AssignmentListDialog::printAssignments() {
    const Sheet printout = assignmentListPrintout(working_.assignments, classPath_);
    const Result<PrintOutcome> printed = printSheet(this, dialogs_, printout);
    if (!printed) dialogs_.warn(this, tr("The assignments could not be printed: ") + printed.message());
}

bool AssignmentListDialog::storeBeforeClosing() {
    if (!edited_ || form() == AssignmentForm{}) return true;
    const QString title = trimmedText(title_->text());
    const QString question = shown_ >= 0 ? tr("Keep the changes made to \"%1\"?").arg(title)
                                         : tr("Add \"%1\", typed but not added yet, to the assignments?").arg(title);
    switch (dialogs_.askYesNoCancel(this, question)) {
    case UserDialogs::Answer::Yes: storeAssignment(); return !edited_;
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: break;
    }
    return false;
}

void AssignmentListDialog::accept() {
    if (!storeBeforeClosing()) return;
    QDialog::accept();
}

}  // namespace markwell
