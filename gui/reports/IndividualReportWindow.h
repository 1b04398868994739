// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"
#include "gui/reports/ReportInput.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace markwell {

class MailLauncher;
class SheetView;
class UserDialogs;
class WhatItTakesPanel;

// "Individual Student Information": one student's marks at a time, on the
// pages "Overall" (assignment by assignment, with the grades table's average
// and grade in the totals row), "Assignment Type" and "Why" (how the average
// and grade came out, step by step, and what it would take for a letter).
// Print prints the table of the page on show; E-mail writes the Overall
// table and the explanation as a spreadsheet file of two sheets and hands it
// to the mail program with the student's address. With the class's history,
// the Why page says when each score last changed, and History lists every
// change of the student's marks. Changes nothing in the class.
class IndividualReportWindow : public QDialog {
    Q_OBJECT
public:
    IndividualReportWindow(ReportInput input, UserDialogs& dialogs, MailLauncher& mail, QWidget* parent = nullptr);
    ~IndividualReportWindow() override;

    QComboBox* studentList() const { return students_; }
    QTabWidget* pages() const { return pages_; }
    QString idText() const;
    const Sheet& overallSheet() const { return overall_; }
    const Sheet& typeSheet() const { return byType_; }
    const Sheet& whySheet() const { return why_; }
    QWidget* whyPage() const { return whyPage_; }
    QPushButton* historyButton() const { return history_; }
    WhatItTakesPanel* whatItTakes() const { return whatItTakes_; }

    // Shows the student at this index of the class.
    void showStudent(int index);
    void printPage();
    void emailReport();
    // The History window, for the student on show.
    void showHistory();

protected:
    // The first showing fits the window to the explanation.
    void showEvent(QShowEvent* event) override;

private:
    ReportInput input_;
    UserDialogs& dialogs_;
    MailLauncher& mail_;
    Sheet overall_;
    Sheet byType_;
    Sheet why_;
    bool explained_ = false;  // why_ explains a grade (the class has assignments)
    QComboBox* students_ = nullptr;
    QLineEdit* id_ = nullptr;
    QTabWidget* pages_ = nullptr;
    SheetView* overallView_ = nullptr;
    SheetView* typeView_ = nullptr;
    SheetView* whyView_ = nullptr;
    QWidget* whyPage_ = nullptr;
    WhatItTakesPanel* whatItTakes_ = nullptr;
    QPushButton* history_ = nullptr;  // only with the class's history
    bool fitted_ = false;             // the window was fitted once shown

    QWidget* makeWhyPage();
    const Sheet& sheetOnShow() const;
    // Grows the window, within the screen, until the Why page shows every
    // column of the explanation and every row with the answer below it.
    void fitTheExplanation();
};

}  // namespace markwell
