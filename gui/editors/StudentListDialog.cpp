// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/StudentListDialog.h"

#include "core/common/Cp1252.h"
#include "core/editing/Validators.h"
#include "gui/editors/EditorSupport.h"
#include "gui/editors/ImportStudentsDialog.h"
#include "gui/editors/RecordListPanel.h"
#include "gui/printing/PrintJob.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"
#include "render/text/StudentPrintout.h"
#include "render/text/TextPrintout.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace markwell {
namespace {

enum Tab { StudentTab, HomeTab, ParentsTab, EmailTab, CommentsTab };

// Where each box sits and its label.
struct BoxPlace {
    StudentField field;
    Tab tab;
    const char* label;
    const char* objectName;
};

// Every box has its Alt letter: none is taken by a button or a tab, and
// none twice on one tab (the boxes of the other tabs are out of reach).
constexpr BoxPlace kBoxes[] = {
    {StudentField::Name, StudentTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Name"), "nameBox"},
    {StudentField::Id, StudentTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&ID"), "idBox"},
    {StudentField::Street, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "S&treet"), "streetBox"},
    {StudentField::City, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "C&ity"), "cityBox"},
    {StudentField::State, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Stat&e"), "stateBox"},
    {StudentField::Zip, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Zip"), "zipBox"},
    {StudentField::MomName, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Mo&ther"), "motherBox"},
    {StudentField::MomPhone, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Pho&ne"), "motherPhoneBox"},
    {StudentField::DadName, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Father"), "fatherBox"},
    {StudentField::DadPhone, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Phon&e"), "fatherPhoneBox"},
    {StudentField::StudentEmail, EmailTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "S&tudent"),
     "studentEmailBox"},
    {StudentField::MomEmail, EmailTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Moth&er"), "motherEmailBox"},
    {StudentField::DadEmail, EmailTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Father"), "fatherEmailBox"},
};

const BoxPlace& placeOf(StudentField field) {
    return kBoxes[static_cast<std::size_t>(field)];
}

}  // namespace

StudentListDialog::StudentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                                     QWidget* parent)
    : RecordListDialog(cls, dialogs, classPath, tr("Total number of students: %1"), parent) {
    setWindowTitle(tr("Student List"));
    setObjectName(QStringLiteral("studentListDialog"));
    setHelpTopic(this, HelpTopic::StudentList);

    QWidget* tabs = makeTabs();
    QWidget* commands = makeButtons();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &StudentListDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* group = new QGroupBox(tr("Students"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(panel_);
    panel_->list()->setObjectName(QStringLiteral("studentList"));
    panel_->list()->setAccessibleName(tr("Students"));
    panel_->list()->setMinimumWidth(200);

    auto* right = new QVBoxLayout;
    right->addWidget(tabs, 1);
    right->addWidget(commands);
    auto* top = new QHBoxLayout;
    top->addWidget(group, 2);
    top->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);

    // Enter on a line goes to the boxes of the student it shows.
    onEnterKey(panel_->list(), [this] { box(StudentField::Name)->setFocus(); });
    showList();
}

QWidget* StudentListDialog::makeTabs() {
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("studentTabs"));
    tabs_->setAccessibleName(tr("Student details"));
    std::array<QFormLayout*, CommentsTab> forms{};
    const QString titles[] = {tr("&Student"), tr("&Home"), tr("Pa&rents"), tr("E-Mai&l")};
    for (int tab = StudentTab; tab < CommentsTab; ++tab) {
        auto* page = new QWidget;
        forms[static_cast<std::size_t>(tab)] = new QFormLayout(page);
        tabs_->addTab(page, titles[tab]);
    }
    for (const BoxPlace& place : kBoxes) {
        auto* box = new QLineEdit;
        box->setObjectName(QLatin1String(place.objectName));
        box->setMaxLength(studentField(place.field).maxLength());
        box->setMinimumWidth(260);
        boxes_[static_cast<std::size_t>(place.field)] = box;
        forms[static_cast<std::size_t>(place.tab)]->addRow(tr(place.label), box);
        onEnterKey(box, [this] { storeRecord(); });
        connect(box, &QLineEdit::textEdited, this, &StudentListDialog::boxesTyped);
    }

    auto* commentsPage = new QWidget;
    auto* commentsLayout = new QVBoxLayout(commentsPage);
    comment_ = new QPlainTextEdit;
    comment_->setObjectName(QStringLiteral("commentBox"));
    comment_->setTabChangesFocus(true);
    commentCount_ = new QLabel;
    commentCount_->setObjectName(QStringLiteral("commentCount"));
    commentsLayout->addWidget(comment_, 1);
    commentsLayout->addWidget(commentCount_);
    tabs_->addTab(commentsPage, tr("C&omments"));
    connect(comment_, &QPlainTextEdit::textChanged, this, [this] {
        boxesTyped();
        updateCommentCount();
    });
    return tabs_;
}

QWidget* StudentListDialog::makeButtons() {
    const CommandRow commands = makeCommandRow();
    connect(commands.clear, &QPushButton::clicked, this, &StudentListDialog::clearStudents);
    connect(commands.import, &QPushButton::clicked, this, &StudentListDialog::importStudents);
    connect(commands.print, &QPushButton::clicked, this, &StudentListDialog::printStudent);
    print_ = commands.print;
    return commands.row;
}

StudentForm StudentListDialog::form() const {
    StudentForm f;
    for (const BoxPlace& place : kBoxes) f[place.field] = box(place.field)->text();
    f.comment = comment_->toPlainText();
    return f;
}

QStringList StudentListDialog::lines() const {
    QStringList names;
    for (const StudentInfo& student : working_.students) names << cp1252::toUnicode(student.name);
    return names;
}

void StudentListDialog::fillBoxes(std::optional<std::size_t> index) {
    StudentForm f;
    if (index) {
        const std::string comment = *index < working_.comments.size() ? working_.comments[*index].desc : std::string();
        f = studentForm(working_.students[*index], comment);
    }
    for (const BoxPlace& place : kBoxes) box(place.field)->setText(f[place.field]);
    comment_->setPlainText(f.comment);
    print_->setEnabled(index.has_value());
    if (index) return;
    tabs_->setCurrentIndex(StudentTab);
    box(StudentField::Name)->setFocus();
}

bool StudentListDialog::boxesEmpty() const {
    return form() == StudentForm{};
}

QString StudentListDialog::pendingQuestion(bool showsRecord) const {
    const QString name = trimmedText(box(StudentField::Name)->text());
    return showsRecord ? tr("Keep the changes made to \"%1\"?").arg(name)
                       : tr("Add \"%1\", typed but not added yet, to the class?").arg(name);
}

void StudentListDialog::refusedFor(const StudentForm& f, const QString& message) {
    dialogs_.warn(this, message);
    std::optional<StudentField> bad;
    // A form that passes its own checks was refused for its name (another student's).
    if (checkStudentForm(f, &bad).ok()) bad = StudentField::Name;
    if (!bad) {
        tabs_->setCurrentIndex(CommentsTab);
        comment_->setFocus();
        return;
    }
    tabs_->setCurrentIndex(placeOf(*bad).tab);
    box(*bad)->setFocus();
    box(*bad)->selectAll();
}

bool StudentListDialog::addFromBoxes() {
    const StudentForm f = form();
    const Result<std::size_t> added = markwell::addStudent(working_, f);
    if (!added) refusedFor(f, added.message());
    return added.ok();
}

bool StudentListDialog::updateFromBoxes(std::size_t index) {
    const StudentForm f = form();
    const Result<std::optional<StudentRename>> updated = markwell::updateStudent(working_, index, f);
    if (!updated) {
        refusedFor(f, updated.message());
        return false;
    }
    if (*updated) renames_.push_back(**updated);
    return true;
}

bool StudentListDialog::deleteAt(std::size_t index) {
    return markwell::deleteStudent(working_, index);
}

bool StudentListDialog::moveAt(std::size_t index, MoveDirection direction) {
    return markwell::moveStudent(working_, index, direction);
}

void StudentListDialog::clearStudents() {
    if (working_.students.empty() && working_.assignments.empty()) return;
    if (dialogs_.askYesNo(this, tr("Remove all students and all assignments?")) != UserDialogs::Answer::Yes) return;
    markwell::clearStudents(working_);
    listChanged(false);
}

void StudentListDialog::importStudents() {
    ImportStudentsDialog picker(dialogs_, classPath_, working_, this);
    if (picker.exec() != QDialog::Accepted) return;
    const StudentImport report = picker.importSelected(working_);
    listChanged(true);
    if (const QString skipped = report.message(); !skipped.isEmpty()) dialogs_.inform(this, skipped);
}

void StudentListDialog::printStudent() {
    const StudentForm shown = form();
    TextPrintout page(studentPrintout(shown), trimmedText(shown[StudentField::Name]));
    const Result<PrintOutcome> printed = printPrintout(this, dialogs_, page);
    if (!printed) dialogs_.warn(this, tr("The student could not be printed: ") + printed.message());
}

void StudentListDialog::updateCommentCount() {
    const auto used = withCrLf(comment_->toPlainText()).size();
    commentCount_->setText(used > kCommentLength
                               ? tr("%1 characters: more than the %2 a comment can hold").arg(used).arg(kCommentLength)
                               : tr("%1 of %2 characters (a line break counts as two)").arg(used).arg(kCommentLength));
}

}  // namespace markwell
