// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/IndividualReportWindow.h"

#include "core/common/Cp1252.h"
#include "core/history/HistoryTable.h"
#include "core/mail/MailAddress.h"
#include "core/mail/MailAttachment.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/GradeExplanation.h"
#include "core/reports/IndividualReport.h"
#include "core/reports/ReportCells.h"
#include "gui/mail/MailLauncher.h"
#include "gui/reports/HistoryWindow.h"
#include "gui/reports/ReportWindowParts.h"
#include "gui/reports/WhatItTakesPanel.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace markwell {
namespace {

QLabel* boldLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setBuddy(buddy);
    return label;
}

// What the Why page shows when there is no grade to explain.
Sheet nothingToExplain() {
    Sheet sheet;
    sheet.setText(1, 1, IndividualReportWindow::tr("No assignments: there is no grade to explain."));
    applyReportStyle(sheet);
    return sheet;
}

}  // namespace

IndividualReportWindow::IndividualReportWindow(ReportInput input, UserDialogs& dialogs, MailLauncher& mail,
                                               QWidget* parent)
    : QDialog(parent), input_(std::move(input)), dialogs_(dialogs), mail_(mail) {
    setWindowTitle(tr("Individual Student Information"));
    setObjectName(QStringLiteral("individualReportWindow"));
    setHelpTopic(this, HelpTopic::IndividualReport);

    students_ = new QComboBox;
    students_->setObjectName(QStringLiteral("studentList"));
    students_->setEditable(false);
    students_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const StudentInfo& student : input_.cls.students) students_->addItem(cp1252::toUnicode(student.name));
    id_ = new QLineEdit;
    id_->setObjectName(QStringLiteral("studentId"));
    id_->setReadOnly(true);
    id_->setFocusPolicy(Qt::NoFocus);
    id_->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));

    auto* top = new QHBoxLayout;
    top->addWidget(boldLabel(tr("&Student"), students_));
    top->addWidget(students_, 1);
    top->addSpacing(16);
    top->addWidget(boldLabel(tr("ID"), id_));
    top->addWidget(id_);

    overallView_ = ReportWindowParts::readOnlyView(QStringLiteral("overallView"));
    typeView_ = ReportWindowParts::readOnlyView(QStringLiteral("typeView"));
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("reportPages"));
    pages_->setAccessibleName(tr("Report pages"));
    overallView_->setAccessibleName(tr("Overall"));
    typeView_->setAccessibleName(tr("Assignment type"));
    pages_->setTabPosition(QTabWidget::South);
    pages_->addTab(overallView_, tr("Overall"));
    pages_->addTab(typeView_, tr("Assignment Type"));
    pages_->addTab(makeWhyPage(), tr("Why"));
    ReportWindowParts::addPageKeys(this, pages_);

    QPushButton* print = nullptr;
    QDialogButtonBox* buttons = ReportWindowParts::closeAndPrintButtons(this, &print);
    QPushButton* email = buttons->addButton(tr("E-mail"), QDialogButtonBox::ActionRole);
    email->setObjectName(QStringLiteral("emailButton"));
    email->setAutoDefault(false);
    email->setToolTip(tr("Send the Overall table and the Why table to the student as a spreadsheet file"));
    connect(print, &QPushButton::clicked, this, &IndividualReportWindow::printPage);
    connect(email, &QPushButton::clicked, this, &IndividualReportWindow::emailReport);
    if (input_.history && !input_.gradeFilePath.isEmpty()) {
        history_ = buttons->addButton(tr("&History"), QDialogButtonBox::ActionRole);
        history_->setObjectName(QStringLiteral("historyButton"));
        history_->setAutoDefault(false);
        history_->setToolTip(tr("Every change of this student's marks, with when and from what"));
        connect(history_, &QPushButton::clicked, this, &IndividualReportWindow::showHistory);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
    resize(560, 460);

    connect(students_, &QComboBox::currentIndexChanged, this, &IndividualReportWindow::showStudent);
    if (!input_.cls.students.empty()) showStudent(0);
}

IndividualReportWindow::~IndividualReportWindow() {
    // The views let go of the tables before the tables go.
    overallView_->setSheet(nullptr);
    typeView_->setSheet(nullptr);
    whyView_->setSheet(nullptr);
}

QWidget* IndividualReportWindow::makeWhyPage() {
    whyView_ = ReportWindowParts::readOnlyView(QStringLiteral("whyView"));
    whatItTakes_ = new WhatItTakesPanel(input_.cls);
    whyPage_ = new QWidget;
    whyPage_->setObjectName(QStringLiteral("whyPage"));
    auto* layout = new QVBoxLayout(whyPage_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(whyView_, 1);
    layout->addWidget(whatItTakes_);
    return whyPage_;
}

QString IndividualReportWindow::idText() const {
    return id_->text();
}

void IndividualReportWindow::showStudent(int index) {
    if (index < 0 || index >= static_cast<int>(input_.cls.students.size())) return;
    if (students_->currentIndex() != index) students_->setCurrentIndex(index);  // comes back here
    const StudentInfo& student = input_.cls.students[static_cast<std::size_t>(index)];
    id_->setText(studentIdText(student));
    overall_ = individualOverallSheet(input_.cls, input_.grades, index);
    byType_ = individualTypeSheet(input_.cls, index);
    const QString name = cp1252::toUnicode(student.name);
    std::optional<Sheet> why = studentExplanationSheet(input_.cls, input_.grades, index, ExplanationFigures::Rounded);
    explained_ = why.has_value();
    why_ = explained_ ? std::move(*why) : nothingToExplain();
    if (explained_ && history_) {
        const Result<std::vector<HistoryLine>> lines = input_.history->lines(input_.gradeFilePath, {.student = name});
        if (lines) addLastScoreChanges(why_, static_cast<int>(input_.cls.assignments.size()), *lines);
    }
    for (Sheet* sheet : {&overall_, &byType_, &why_}) {
        setReportPrintout(*sheet, input_.gradeFilePath, input_.gradeFilePath, name);
    }
    ReportWindowParts::show(overallView_, &overall_);
    ReportWindowParts::show(typeView_, &byType_);
    ReportWindowParts::show(whyView_, &why_);
    whatItTakes_->setStudent(student.name);
    // Another student's explanation may be wider (a dropped score says why).
    if (fitted_) fitTheExplanation();
}

void IndividualReportWindow::showHistory() {
    if (!input_.history || students_->currentIndex() < 0) return;
    HistoryWindow window(*input_.history, input_.gradeFilePath, input_.cls, dialogs_, students_->currentText(), this);
    window.exec();
}

const Sheet& IndividualReportWindow::sheetOnShow() const {
    const QWidget* page = pages_->currentWidget();
    if (page == typeView_) return byType_;
    if (page == whyPage_) return why_;
    return overall_;
}

void IndividualReportWindow::printPage() {
    if (pages_->currentWidget() != whyPage_ || !explained_) {
        ReportWindowParts::print(this, dialogs_, sheetOnShow());
        return;
    }
    const QString name = students_->currentText();
    ReportWindowParts::print(this, dialogs_,
                             explanationPrintCopy(why_, input_.gradeFilePath, name, whatItTakes_->answerText()));
}

void IndividualReportWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!std::exchange(fitted_, true)) fitTheExplanation();
}

void IndividualReportWindow::fitTheExplanation() {
    // Every page has the room the page on show has; the Why page needs its
    // table whole and the answer of "What would it take?" below it.
    const QSize room = pages_->currentWidget()->size();
    const QSize table = whyView_->wholeTableSize();
    const int below = whatItTakes_->sizeHint().height() + whyPage_->layout()->spacing();
    const QSize wanted(table.width(), table.height() + below);
    QSize size = this->size() + (wanted - room).expandedTo(QSize(0, 0));
    if (const QScreen* shown = screen()) {
        // The title bar and the desktop's panels keep a little of the screen.
        size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
    }
    resize(size.expandedTo(this->size()));
}

void IndividualReportWindow::emailReport() {
    const int index = students_->currentIndex();
    if (index < 0) return;
    const StudentInfo& student = input_.cls.students[static_cast<std::size_t>(index)];
    // Always the Overall table and the explanation, whichever page is on show.
    NamedSheets report{{tr("Overall"), &overall_}};
    if (explained_) report.push_back({tr("Why"), &why_});
    const Result<QString> written =
        writeMailAttachment(report, cp1252::toUnicode(student.name), mailAttachmentFolder());
    if (!written) {
        dialogs_.warn(this, tr("The grades could not be written for the message, so no message was started.") +
                                QLatin1Char('\n') + written.message());
        return;
    }
    MailDraft draft;
    draft.recipient = recipientUrl(student.student_email);
    draft.subject = tr("Grade Statistics");
    draft.body = tr("Current grades: \r\n\r\n");
    draft.attachment = *written;
    mail_.compose(draft);
}

}  // namespace markwell
