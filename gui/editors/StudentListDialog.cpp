#include "editors/StudentListDialog.h"

#include "common/Cp1252.h"
#include "dialogs/UserDialogs.h"
#include "editing/Validators.h"
#include "editors/EditorSupport.h"
#include "editors/ImportStudentsDialog.h"
#include "editors/RecordListPanel.h"
#include "editors/StudentPrintout.h"
#include "help/HelpTopics.h"
#include "printing/PrintJob.h"
#include "text/TextPrintout.h"

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

constexpr BoxPlace kBoxes[] = {
    {StudentField::Name, StudentTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Name"), "nameBox"},
    {StudentField::Id, StudentTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&ID"), "idBox"},
    {StudentField::Street, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Street"), "streetBox"},
    {StudentField::City, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "C&ity"), "cityBox"},
    {StudentField::State, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "State"), "stateBox"},
    {StudentField::Zip, HomeTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Zip"), "zipBox"},
    {StudentField::MomName, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "M&other"), "motherBox"},
    {StudentField::MomPhone, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Phone"), "motherPhoneBox"},
    {StudentField::DadName, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Father"), "fatherBox"},
    {StudentField::DadPhone, ParentsTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Phone"), "fatherPhoneBox"},
    {StudentField::StudentEmail, EmailTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "Stude&nt"),
     "studentEmailBox"},
    {StudentField::MomEmail, EmailTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "M&other"), "motherEmailBox"},
    {StudentField::DadEmail, EmailTab, QT_TRANSLATE_NOOP("markwell::StudentListDialog", "&Father"), "fatherEmailBox"},
};

const BoxPlace& placeOf(StudentField field) {
    return kBoxes[static_cast<std::size_t>(field)];
}

}  // namespace

StudentListDialog::StudentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                                     QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), classPath_(classPath), working_(cls),
      panel_(new RecordListPanel(tr("Total number of students: %1"))) {
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

    connect(panel_, &RecordListPanel::rowChosen, this, &StudentListDialog::showStudent);
    connect(panel_, &RecordListPanel::moveRequested, this, &StudentListDialog::moveStudent);
    connect(panel_, &RecordListPanel::deleteRequested, this, &StudentListDialog::deleteStudent);
    // Enter on a line goes to the boxes of the student it shows.
    onEnterKey(panel_->list(), [this] { box(StudentField::Name)->setFocus(); });
    addAcceptShortcut(this);

    refreshList(-1);
    reset();
}

QWidget* StudentListDialog::makeTabs() {
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("studentTabs"));
    std::array<QFormLayout*, CommentsTab> forms{};
    const QString titles[] = {tr("&Student"), tr("&Home"), tr("Pa&rents"), tr("&E-Mail")};
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
        onEnterKey(box, [this] { storeStudent(); });
        connect(box, &QLineEdit::textEdited, this, [this] { edited_ = true; });
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
    tabs_->addTab(commentsPage, tr("Commen&ts"));
    connect(comment_, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) edited_ = true;
        updateCommentCount();
    });
    return tabs_;
}

QWidget* StudentListDialog::makeButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* add = commandButton(tr("&Add"), "addButton");
    QPushButton* update = commandButton(tr("&Update"), "updateButton");
    QPushButton* remove = commandButton(tr("&Delete"), "deleteButton");
    QPushButton* clear = commandButton(tr("&Clear"), "clearButton");
    QPushButton* import = commandButton(tr("I&mport..."), "importButton");
    print_ = commandButton(tr("&Print"), "printButton");
    for (QPushButton* button : {add, update, remove, clear, import, print_}) layout->addWidget(button);
    connect(add, &QPushButton::clicked, this, &StudentListDialog::addStudent);
    connect(update, &QPushButton::clicked, this, &StudentListDialog::updateStudent);
    connect(remove, &QPushButton::clicked, this, &StudentListDialog::deleteStudent);
    connect(clear, &QPushButton::clicked, this, &StudentListDialog::clearStudents);
    connect(import, &QPushButton::clicked, this, &StudentListDialog::importStudents);
    connect(print_, &QPushButton::clicked, this, &StudentListDialog::printStudent);
    return row;
}

StudentForm StudentListDialog::form() const {
    StudentForm f;
    for (const BoxPlace& place : kBoxes) f[place.field] = box(place.field)->text();
    f.comment = comment_->toPlainText();
    return f;
}

void StudentListDialog::setForm(const StudentForm& f) {
    filling_ = true;
    for (const BoxPlace& place : kBoxes) box(place.field)->setText(f[place.field]);
    comment_->setPlainText(f.comment);
    filling_ = false;
    edited_ = false;
}

void StudentListDialog::refreshList(int select) {
    QStringList names;
    for (const StudentInfo& student : working_.students) names << cp1252::toUnicode(student.name);
    panel_->setLines(names, select);
}

void StudentListDialog::showStudent(int row) {
    if (row < 0 || row >= static_cast<int>(working_.students.size())) return;
    const auto index = static_cast<std::size_t>(row);
    const std::string comment = index < working_.comments.size() ? working_.comments[index].desc : std::string();
    setForm(studentForm(working_.students[index], comment));
    shown_ = row;
    print_->setEnabled(true);
}

void StudentListDialog::reset() {
    setForm(StudentForm{});
    shown_ = -1;
    panel_->selectRow(-1);
    tabs_->setCurrentIndex(StudentTab);
    box(StudentField::Name)->setFocus();
    print_->setEnabled(false);
}

void StudentListDialog::mousePressEvent(QMouseEvent* event) {
    reset();
    QDialog::mousePressEvent(event);
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

void StudentListDialog::addStudent() {
    const StudentForm f = form();
    if (Result<std::size_t> added = markwell::addStudent(working_, f); !added) {
        refusedFor(f, added.message());
        return;
    }
    refreshList(-1);
    panel_->list()->scrollToBottom();  // where the new student is
    reset();
}

void StudentListDialog::updateStudent() {
    if (shown_ < 0) return;
    const StudentForm f = form();
    Result<std::optional<StudentRename>> updated = markwell::updateStudent(working_, static_cast<std::size_t>(shown_), f);
    if (!updated) {
        refusedFor(f, updated.message());
        return;
    }
    if (*updated) renames_.push_back(**updated);
    refreshList(-1);
    reset();
}

void StudentListDialog::storeStudent() {
    if (shown_ >= 0) updateStudent();
    else addStudent();
}

void StudentListDialog::deleteStudent() {
    const int row = panel_->selectedRow();
    if (row < 0 || !markwell::deleteStudent(working_, static_cast<std::size_t>(row))) return;
    refreshList(-1);
    reset();
}

void StudentListDialog::moveStudent(MoveDirection direction) {
    const int row = panel_->selectedRow();
    if (row < 0 || !markwell::moveStudent(working_, static_cast<std::size_t>(row), direction)) return;
    shown_ = direction == MoveDirection::Up ? row - 1 : row + 1;
    refreshList(shown_);
}

void StudentListDialog::clearStudents() {
    if (working_.students.empty() && working_.assignments.empty()) return;
    if (dialogs_.askYesNo(this, tr("Remove all students and all assignments?")) != UserDialogs::Answer::Yes) return;
    markwell::clearStudents(working_);
    refreshList(-1);
    reset();
}

void StudentListDialog::importStudents() {
    ImportStudentsDialog picker(dialogs_, classPath_, this);
    if (picker.exec() != QDialog::Accepted) return;
    const StudentImport report = markwell::importStudents(working_, picker.selectedStudents());
    refreshList(shown_);
    panel_->list()->scrollToBottom();
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

bool StudentListDialog::storeBeforeClosing() {
    if (!edited_ || form() == StudentForm{}) return true;
    const QString name = trimmedText(box(StudentField::Name)->text());
    const QString question = shown_ >= 0 ? tr("Keep the changes made to \"%1\"?").arg(name)
                                          : tr("Add \"%1\", typed but not added yet, to the class?").arg(name);
    switch (dialogs_.askYesNoCancel(this, question)) {
    case UserDialogs::Answer::Yes: storeStudent(); return !edited_;
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: break;
    }
    return false;
}

void StudentListDialog::accept() {
    if (!storeBeforeClosing()) return;
    QDialog::accept();
}

}  // namespace markwell
