// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/GradeInformationWindow.h"

#include "core/common/Cp1252.h"
#include "core/printout/ReportStyle.h"
#include "gui/reports/ReportWindowParts.h"
#include "gui/shared/HelpTopics.h"
#include "gui/sheetview/SheetView.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace markwell {
namespace {

QGroupBox* boxAround(const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

// A page with the assignment choice above its table.
QWidget* choicePage(QComboBox* choice, SheetView* view) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(boxAround(GradeInformationWindow::tr("Assignments"), choice));
    layout->addWidget(boxAround(GradeInformationWindow::tr("Information"), view), 1);
    return page;
}

QComboBox* assignmentChoice(const ClassRecord& cls, const QString& objectName) {
    auto* choice = new QComboBox;
    choice->setObjectName(objectName);
    choice->setEditable(false);
    for (const AssignmentInfo& assignment : cls.assignments) choice->addItem(cp1252::toUnicode(assignment.title));
    return choice;
}

}  // namespace

GradeInformationWindow::GradeInformationWindow(ReportInput input, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), input_(std::move(input)), dialogs_(dialogs) {
    setWindowTitle(tr("Grade Information"));
    setObjectName(QStringLiteral("gradeInformationWindow"));
    setHelpTopic(this, HelpTopic::Statistics);

    statisticsChoice_ = assignmentChoice(input_.cls, QStringLiteral("statisticsAssignments"));
    groupingChoice_ = assignmentChoice(input_.cls, QStringLiteral("groupingAssignments"));
    groupingChoice_->addItem(tr("Overall"));
    statisticsView_ = ReportWindowParts::readOnlyView(QStringLiteral("statisticsView"));
    groupingView_ = ReportWindowParts::readOnlyView(QStringLiteral("groupingView"));
    missingView_ = ReportWindowParts::readOnlyView(QStringLiteral("missingView"));

    absent_ = new QRadioButton(tr("&Absent"));
    absent_->setObjectName(QStringLiteral("absentButton"));
    zero_ = new QRadioButton(tr("&Zero's"));
    zero_->setObjectName(QStringLiteral("zeroButton"));
    absent_->setChecked(true);
    auto* missingPage = new QWidget;
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(absent_);
    kinds->addWidget(zero_);
    kinds->addStretch();
    auto* missingLayout = new QVBoxLayout(missingPage);
    missingLayout->addLayout(kinds);
    missingLayout->addWidget(boxAround(tr("Information"), missingView_), 1);

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("informationPages"));
    pages_->setAccessibleName(tr("Information pages"));
    statisticsView_->setAccessibleName(tr("Statistics"));
    groupingView_->setAccessibleName(tr("Grouping"));
    missingView_->setAccessibleName(tr("Missing scores"));
    pages_->setTabPosition(QTabWidget::South);
    pages_->addTab(choicePage(statisticsChoice_, statisticsView_), tr("Miscellaneous"));
    pages_->addTab(choicePage(groupingChoice_, groupingView_), tr("Grouping"));
    pages_->addTab(missingPage, tr("Missing"));
    ReportWindowParts::addPageKeys(this, pages_);

    QPushButton* print = nullptr;
    QDialogButtonBox* buttons = ReportWindowParts::closeAndPrintButtons(this, &print);
    connect(print, &QPushButton::clicked, this, &GradeInformationWindow::printPage);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
    resize(560, 580);

    connect(statisticsChoice_, &QComboBox::currentIndexChanged, this, &GradeInformationWindow::showStatistics);
    connect(groupingChoice_, &QComboBox::currentIndexChanged, this, &GradeInformationWindow::showGrouping);
    connect(absent_, &QRadioButton::toggled, this, &GradeInformationWindow::showMissing);
    connect(pages_, &QTabWidget::currentChanged, this, &GradeInformationWindow::pageChanged);
    showStatistics(0);
}

GradeInformationWindow::~GradeInformationWindow() {
    for (SheetView* view : {statisticsView_, groupingView_, missingView_}) view->setSheet(nullptr);
}

GradeInformationWindow::Page GradeInformationWindow::currentPage() const {
    return static_cast<Page>(pages_->currentIndex());
}

const Sheet& GradeInformationWindow::shownSheet() const {
    switch (currentPage()) {
    case Page::Grouping: return grouping_;
    case Page::Missing: return missing_;
    case Page::Miscellaneous: break;
    }
    return statistics_;
}

void GradeInformationWindow::showPage(Page page) {
    pages_->setCurrentIndex(static_cast<int>(page));
}

void GradeInformationWindow::pageChanged() {
    // Each page starts again from its first choice.
    switch (currentPage()) {
    case Page::Miscellaneous: {
        const QSignalBlocker quiet(statisticsChoice_);
        statisticsChoice_->setCurrentIndex(0);
        showStatistics(0);
        break;
    }
    case Page::Grouping: {
        const QSignalBlocker quiet(groupingChoice_);
        groupingChoice_->setCurrentIndex(0);
        showGrouping(0);
        break;
    }
    case Page::Missing: {
        const QSignalBlocker quiet(absent_);
        absent_->setChecked(true);
        showMissing();
        break;
    }
    }
}

void GradeInformationWindow::showStatistics(int assignment) {
    if (assignment < 0 || assignment >= static_cast<int>(input_.cls.assignments.size())) return;
    statistics_ = statisticsSheet(input_.cls, input_.grades, assignment);
    ReportWindowParts::show(statisticsView_, &statistics_);
}

void GradeInformationWindow::showGrouping(int item) {
    const int assignments = static_cast<int>(input_.cls.assignments.size());
    if (item < 0 || item > assignments) return;
    // The last item is "Overall", whatever the assignments are called.
    grouping_ = groupingSheet(input_.cls, input_.grades, item < assignments ? std::optional<int>(item) : std::nullopt);
    ReportWindowParts::show(groupingView_, &grouping_);
}

void GradeInformationWindow::showMissing() {
    missing_ = missingWorkSheet(input_.grades, absent_->isChecked() ? MissingKind::Absent : MissingKind::Zero);
    ReportWindowParts::show(missingView_, &missing_);
}

QString GradeInformationWindow::printCentreText() const {
    switch (currentPage()) {
    case Page::Grouping: return groupingChoice_->currentText();
    case Page::Missing: return absent_->isChecked() ? tr("Absent") : tr("Zeros");
    case Page::Miscellaneous: break;
    }
    return statisticsChoice_->currentText();
}

void GradeInformationWindow::printPage() {
    Sheet printout = shownSheet();
    setReportPrintout(printout, tr("Grade Information"), input_.gradeFilePath, printCentreText());
    ReportWindowParts::print(this, dialogs_, printout);
}

}  // namespace markwell
