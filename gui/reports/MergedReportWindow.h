// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/MergedReport.h"
#include "gui/shared/TableActions.h"

#include <QDialog>

class QAction;
class QToolBar;
class QToolButton;

namespace markwell {

class ScaleStore;
class SheetView;
class UserDialogs;

// "Merged Files": the merged report of two grade files, with its tool bar:
// save as a spreadsheet, print with names or IDs, copy, grid lines, font,
// sort and another grade scale. Every command changes the report alone;
// neither file nor the open class is touched.
class MergedReportWindow : public QDialog {
    Q_OBJECT
public:
    MergedReportWindow(MergedReport report, ScaleStore& scales, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MergedReportWindow() override;

    const MergedReport& report() const { return report_; }
    SheetView* view() const { return view_; }
    QToolBar* toolBar() const { return tools_; }
    QToolButton* printButton() const { return printButton_; }

    // The table's own actions, as the main window has them, and the report's.
    struct Actions : TableActions {
        QAction* save = nullptr;
        QAction* printWithNames = nullptr;
        QAction* printWithIds = nullptr;
        QAction* gradeScale = nullptr;
    };
    const Actions& actions() const { return actions_; }

public slots:
    void saveReport();
    void printWithNames();
    void printWithIds();
    void copySelection();
    void toggleGridLines();
    void chooseFont();
    void sortAscending();
    void sortDescending();
    void chooseGradeScale();

private:
    void createActions();
    void createToolBar();
    void printReport(bool withIds);
    void sortReport(bool descending);
    void showReport();

    MergedReport report_;
    ScaleStore& scales_;
    UserDialogs& dialogs_;
    Actions actions_;
    QToolBar* tools_;
    QToolButton* printButton_ = nullptr;
    SheetView* view_;
};

}  // namespace markwell
