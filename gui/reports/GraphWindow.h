// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/BarGraph.h"
#include "gui/reports/ReportInput.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace markwell {

class UserDialogs;

// "Graph": a bar chart of the grades as the grades table shows them, either
// one student's marks on every assignment ("Students") or every student's
// marks on one assignment or their course result ("Assignments", the last
// item "Overall"), in points or in percent. Opens on the first student in
// points. Resizable; Print prints the chart on its side after the print
// dialog. Changes nothing in the class.
class GraphWindow : public QDialog {
    Q_OBJECT
public:
    GraphWindow(ReportInput input, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~GraphWindow() override;

    QAction* byStudentAction() const { return byStudent_; }
    QAction* byAssignmentAction() const { return byAssignment_; }
    QAction* pointsAction() const { return points_; }
    QAction* percentageAction() const { return percentage_; }
    QAction* printAction() const { return print_; }
    QComboBox* choice() const { return choice_; }
    QLabel* choiceLabel() const { return choiceLabel_; }
    QChart* chart() const;
    // What the chart shows now.
    const BarGraph& graph() const { return graph_; }

    void printChart();

private:
    void fillChoice();
    void redraw();
    GraphValues values() const;

    ReportInput input_;
    UserDialogs& dialogs_;
    BarGraph graph_;
    QAction* print_ = nullptr;
    QAction* byStudent_ = nullptr;
    QAction* byAssignment_ = nullptr;
    QAction* points_ = nullptr;
    QAction* percentage_ = nullptr;
    QLabel* choiceLabel_ = nullptr;
    QComboBox* choice_ = nullptr;
    QChartView* view_ = nullptr;
};

}  // namespace markwell
