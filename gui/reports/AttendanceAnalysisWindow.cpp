// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/AttendanceAnalysisWindow.h"

#include "core/common/Cp1252.h"
#include "core/reports/AttendanceAnalysis.h"
#include "gui/printing/PrintJob.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/TintedLabel.h"
#include "gui/shared/Translations.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace markwell {

std::vector<int> AttendanceAnalysisWindow::yearChoices(int shownYear) {
    std::vector<int> years;
    for (int year = kFirstYear; year <= QDate::currentDate().year() + 2; ++year) years.push_back(year);
    if (std::find(years.begin(), years.end(), shownYear) == years.end()) {
        years.insert(std::upper_bound(years.begin(), years.end(), shownYear), shownYear);
    }
    return years;
}

AttendanceAnalysisWindow::AttendanceAnalysisWindow(const Document& document, int shownYear, UserDialogs& dialogs,
                                                   QWidget* parent)
    : QDialog(parent), attendance_(document.attendance), markwellFile_(document.markwellFile), dialogs_(dialogs),
      yearCombo_(new QComboBox), studentCombo_(new QComboBox), view_(new SheetView) {
    setWindowTitle(tr("Attendance Analysis"));
    setObjectName(QStringLiteral("attendanceAnalysisWindow"));
    setHelpTopic(this, HelpTopic::AttendanceAnalysis);
    for (const StudentInfo& student : document.classRecord.students) names_.push_back(student.name);

    auto* information = new QGroupBox(tr("Information"));
    auto* informationLayout = new QVBoxLayout(information);
    view_->setObjectName(QStringLiteral("analysisTable"));
    view_->setAccessibleName(tr("Attendance analysis"));
    view_->setSheet(&sheet_);
    informationLayout->addWidget(view_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* print = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("printButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &AttendanceAnalysisWindow::printAnalysis);

    // Copy and Print by their keys wherever the focus is.
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, view_, &SheetView::copySelection);
    auto* printKey = new QAction(this);
    printKey->setShortcut(QKeySequence::Print);
    connect(printKey, &QAction::triggered, this, &AttendanceAnalysisWindow::printAnalysis);
    addActions({copy, printKey});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeChoices());
    if (!document.attendanceDamage.isEmpty()) {
        // Zeros from a file that could not be read are no clean record.
        auto* note = new TintedLabel(
            document.attendanceDamage + QLatin1Char(' ') + tr("Its marks are not counted here."), QColor(0xb0, 0, 0));
        note->setObjectName(QStringLiteral("unusableFileNote"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addWidget(information, 1);
    layout->addWidget(buttons);

    for (int year : yearChoices(shownYear)) yearCombo_->addItem(QString::number(year), year);
    yearCombo_->setCurrentIndex(yearCombo_->findData(shownYear));
    for (const std::string& name : names_) studentCombo_->addItem(cp1252::toUnicode(name));
    connect(yearCombo_, &QComboBox::currentIndexChanged, this, &AttendanceAnalysisWindow::recount);
    connect(studentCombo_, &QComboBox::currentIndexChanged, this, &AttendanceAnalysisWindow::recount);
    recount();
    resize(420, 420);
}

AttendanceAnalysisWindow::~AttendanceAnalysisWindow() {
    // The view outlives the sheet it shows (the dialog's children go last).
    view_->setSheet(nullptr);
}

QWidget* AttendanceAnalysisWindow::makeChoices() {
    auto* panel = new QWidget;
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    yearCombo_->setObjectName(QStringLiteral("yearList"));
    studentCombo_->setObjectName(QStringLiteral("studentList"));
    studentCombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    form->addRow(tr("&Year"), yearCombo_);
    form->addRow(tr("&Student"), studentCombo_);
    return panel;
}

void AttendanceAnalysisWindow::recount() {
    const int student = studentCombo_->currentIndex();
    const std::string name = student >= 0 ? names_[static_cast<std::size_t>(student)] : std::string();
    sheet_ =
        buildAttendanceAnalysis(attendance_, yearCombo_->currentData().toInt(), name, markwellFile_, windowLocale());
    view_->reload();
    // The twelve months and every count in view, in every language.
    view_->setMinimumSize(view_->wholeTableSize());
}

void AttendanceAnalysisWindow::printAnalysis() {
    if (const Result<PrintOutcome> printed = printSheet(this, dialogs_, sheet_); !printed) {
        dialogs_.warn(this, tr("The attendance analysis could not be printed: ") + printed.message());
    }
}

}  // namespace markwell
