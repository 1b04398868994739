// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/HistoryWindow.h"

#include "core/common/Cp1252.h"
#include "core/export/CsvWriter.h"
#include "core/history/HistoryTable.h"
#include "gui/reports/ReportWindowParts.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include <set>

namespace markwell {
namespace {

// The names of the class first, in its order, then those only the history
// still holds (a student who has left), in the order of the alphabet.
QStringList namesOffered(const QStringList& inClass, const std::set<QString>& inHistory) {
    QStringList gone;
    for (const QString& name : inHistory) {
        if (!name.isEmpty() && !inClass.contains(name, Qt::CaseInsensitive)) gone << name;
    }
    return inClass + gone;
}

}  // namespace

HistoryWindow::HistoryWindow(GradeHistory& history, const QString& gradePath, const ClassRecord& cls,
                             UserDialogs& dialogs, const QString& student, QWidget* parent)
    : QDialog(parent), history_(history), gradePath_(gradePath), dialogs_(dialogs) {
    setWindowTitle(tr("History of %1").arg(QFileInfo(gradePath).fileName()));
    setObjectName(QStringLiteral("historyWindow"));
    setHelpTopic(this, HelpTopic::History);
    setSizeGripEnabled(true);

    view_ = ReportWindowParts::readOnlyView(QStringLiteral("historyTable"));
    view_->setAccessibleName(tr("History"));
    complete_ = new QLabel;
    complete_->setObjectName(QStringLiteral("historyComplete"));
    complete_->setWordWrap(true);
    detail_ = new QLabel;
    detail_->setObjectName(QStringLiteral("entryDetail"));
    detail_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeFilters());
    layout->addWidget(complete_);
    layout->addWidget(view_, 1);
    layout->addWidget(detail_);
    layout->addWidget(makeButtons());

    fillNameFilters(cls);
    if (!student.isEmpty()) {
        const int index = student_->findText(student, Qt::MatchFixedString);
        if (index > 0) student_->setCurrentIndex(index);
    }
    refresh();
    connect(view_, &SheetView::selectionMoved, this, &HistoryWindow::showEntryDetail);
    for (QComboBox* box : {student_, assignment_})
        connect(box, &QComboBox::currentIndexChanged, this, &HistoryWindow::refresh);
    for (QCheckBox* box : {sinceOn_, untilOn_}) connect(box, &QCheckBox::toggled, this, &HistoryWindow::refresh);
    for (QDateEdit* day : {since_, until_}) connect(day, &QDateEdit::dateChanged, this, &HistoryWindow::refresh);
    resize(760, 460);
}

HistoryWindow::~HistoryWindow() {
    // The view lets go of the table before the table goes.
    view_->setSheet(nullptr);
}

QWidget* HistoryWindow::makeFilters() {
    auto* filters = new QWidget;
    auto* grid = new QGridLayout(filters);
    grid->setContentsMargins(0, 0, 0, 0);
    student_ = new QComboBox;
    student_->setObjectName(QStringLiteral("studentFilter"));
    assignment_ = new QComboBox;
    assignment_->setObjectName(QStringLiteral("assignmentFilter"));
    auto* studentLabel = new QLabel(tr("&Student:"));
    studentLabel->setBuddy(student_);
    auto* assignmentLabel = new QLabel(tr("&Assignment:"));
    assignmentLabel->setBuddy(assignment_);
    sinceOn_ = new QCheckBox(tr("Fr&om:"));
    sinceOn_->setObjectName(QStringLiteral("sinceSwitch"));
    untilOn_ = new QCheckBox(tr("&Until:"));
    untilOn_->setObjectName(QStringLiteral("untilSwitch"));
    const QDate today = QDate::currentDate();
    since_ = new QDateEdit(today.addMonths(-1));
    until_ = new QDateEdit(today);
    since_->setObjectName(QStringLiteral("sinceDay"));
    until_->setObjectName(QStringLiteral("untilDay"));
    since_->setAccessibleName(tr("First day"));
    until_->setAccessibleName(tr("Last day"));
    for (QDateEdit* day : {since_, until_}) {
        day->setCalendarPopup(true);
        day->setEnabled(false);
    }
    connect(sinceOn_, &QCheckBox::toggled, since_, &QWidget::setEnabled);
    connect(untilOn_, &QCheckBox::toggled, until_, &QWidget::setEnabled);
    grid->addWidget(studentLabel, 0, 0);
    grid->addWidget(student_, 0, 1);
    grid->addWidget(sinceOn_, 0, 2);
    grid->addWidget(since_, 0, 3);
    grid->addWidget(assignmentLabel, 1, 0);
    grid->addWidget(assignment_, 1, 1);
    grid->addWidget(untilOn_, 1, 2);
    grid->addWidget(until_, 1, 3);
    grid->setColumnStretch(1, 1);
    return filters;
}

QWidget* HistoryWindow::makeButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    QPushButton* copy = buttons->addButton(tr("Co&py"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyHistory"));
    copy->setToolTip(tr("Copy the lines listed, to paste them into a spreadsheet or a letter"));
    QPushButton* csv = buttons->addButton(tr("E&xport CSV..."), QDialogButtonBox::ActionRole);
    csv->setObjectName(QStringLiteral("exportHistory"));
    forget_ = buttons->addButton(tr("&Forget Student..."), QDialogButtonBox::ActionRole);
    forget_->setObjectName(QStringLiteral("forgetStudent"));
    forget_->setToolTip(
        tr("Remove every line of the student chosen above from the history, for a student who has left"));
    for (QPushButton* button : {copy, csv, forget_}) button->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &HistoryWindow::copyLines);
    connect(csv, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    connect(forget_, &QPushButton::clicked, this, &HistoryWindow::forgetStudent);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void HistoryWindow::fillNameFilters(const ClassRecord& cls) {
    QStringList students;
    QStringList assignments;
    for (const StudentInfo& s : cls.students) students << cp1252::toUnicode(s.name);
    for (const AssignmentInfo& a : cls.assignments) assignments << cp1252::toUnicode(a.title);
    std::set<QString> studentsSeen;
    std::set<QString> assignmentsSeen;
    if (const Result<std::vector<HistoryLine>> all = history_.lines(gradePath_)) {
        for (const HistoryLine& line : *all) {
            studentsSeen.insert(line.student);
            assignmentsSeen.insert(line.assignment);
        }
    }
    student_->addItem(tr("(every student)"));
    student_->addItems(namesOffered(students, studentsSeen));
    assignment_->addItem(tr("(every assignment)"));
    assignment_->addItems(namesOffered(assignments, assignmentsSeen));
}

HistoryFilter HistoryWindow::filter() const {
    HistoryFilter chosen;
    if (student_->currentIndex() > 0) chosen.student = student_->currentText();
    if (assignment_->currentIndex() > 0) chosen.assignment = assignment_->currentText();
    if (sinceOn_->isChecked()) chosen.since = since_->date();
    if (untilOn_->isChecked()) chosen.until = until_->date();
    return chosen;
}

void HistoryWindow::refresh() {
    Result<std::vector<HistoryLine>> lines = history_.lines(gradePath_, filter());
    if (!lines) dialogs_.warn(this, lines.message());
    lines_ = lines ? std::move(*lines) : std::vector<HistoryLine>{};
    table_ = historyTable(lines_);
    table_.setFixedCols(1);
    ReportWindowParts::show(view_, &table_);
    const std::optional<qint64> incomplete = history_.incompleteBefore(gradePath_);
    complete_->setVisible(incomplete.has_value());
    if (incomplete) {
        complete_->setText(tr("The history is complete from %1 on: older entries went to keep the history "
                              "database under 500 MB.")
                               .arg(historyTimeText(*incomplete)));
    }
    forget_->setEnabled(student_->currentIndex() > 0);
    showEntryDetail();
}

void HistoryWindow::showEntryDetail() {
    const int row = table_.activeRow();
    if (row < 2 || row - 2 >= static_cast<int>(lines_.size())) {
        detail_->setText(lines_.empty() ? tr("Nothing recorded here yet: each save of the class adds an entry.")
                                        : QString());
        return;
    }
    const HistoryLine& line = lines_[static_cast<std::size_t>(row - 2)];
    detail_->setText(line.steps.isEmpty() ? historySourceText(line.source, line.detail)
                                          : tr("Saved in Markwell: %1").arg(line.steps.join(QStringLiteral(", "))));
}

void HistoryWindow::copyLines() {
    auto* mime = new QMimeData;
    mime->setText(table_.toTsv(CellRange::all()));
    mime->setHtml(table_.toHtml(CellRange::all()));
    QApplication::clipboard()->setMimeData(mime);
}

void HistoryWindow::exportCsv() {
    UserDialogs::FileRequest request;
    request.title = tr("Export the History");
    request.filters = {tr("CSV File (*.csv)")};
    request.defaultSuffix = QStringLiteral("csv");
    request.folder = QFileInfo(gradePath_).absolutePath();
    request.fileName = QFileInfo(gradePath_).completeBaseName() + tr("-history") + QStringLiteral(".csv");
    const std::optional<UserDialogs::SaveChoice> choice = dialogs_.saveFile(this, request);
    if (!choice) return;
    if (const Result<void> written = writeCsvFile(table_, choice->path); !written)
        dialogs_.warn(this, written.message());
}

void HistoryWindow::forgetStudent() {
    if (student_->currentIndex() <= 0) return;
    const QString name = student_->currentText();
    const int answer = dialogs_.askChoice(
        this,
        tr("Remove every line of %1 from the history of this class? This cannot be undone; the class and its marks "
           "stay as they are.")
            .arg(name),
        {tr("&Forget"), tr("&Keep")});
    if (answer != 0) return;
    if (const Result<int> forgotten = history_.forgetStudent(gradePath_, name); !forgotten) {
        dialogs_.warn(this, forgotten.message());
    }
    refresh();
}

}  // namespace markwell
