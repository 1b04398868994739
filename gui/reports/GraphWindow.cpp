// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/GraphWindow.h"

#include "core/common/Cp1252.h"
#include "core/reports/ReportCells.h"
#include "gui/printing/PrintJob.h"
#include "gui/reports/BarChart.h"
#include "gui/reports/ChartPrintout.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/Icons.h"
#include "gui/shared/UserDialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

namespace markwell {
namespace {

// A button of the tool panel; Alt and the letter press it, as the tip says.
QAction* toggle(QActionGroup* group, const QString& text, Qt::Key letter) {
    auto* action = new QAction(text, group);
    action->setCheckable(true);
    action->setShortcut(QKeySequence(Qt::ALT | letter));
    action->setToolTip(QStringLiteral("%1 (%2)").arg(text, action->shortcut().toString(QKeySequence::NativeText)));
    return action;
}

}  // namespace

GraphWindow::GraphWindow(ReportInput input, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), input_(std::move(input)), dialogs_(dialogs) {
    setWindowTitle(tr("Graph"));
    setObjectName(QStringLiteral("graphWindow"));
    setHelpTopic(this, HelpTopic::Graph);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    auto* tools = new QToolBar;
    tools->setObjectName(QStringLiteral("graphTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    print_ = tools->addAction(toolIcon(ToolIcon::Print), tr("Print"));
    print_->setShortcut(QKeySequence::Print);
    print_->setToolTip(tr("Print (%1)").arg(print_->shortcut().toString(QKeySequence::NativeText)));
    tools->addSeparator();
    auto* mode = new QActionGroup(this);
    byStudent_ = toggle(mode, tr("Students"), Qt::Key_S);
    byAssignment_ = toggle(mode, tr("Assignments"), Qt::Key_A);
    tools->addActions(mode->actions());
    tools->addSeparator();
    auto* unit = new QActionGroup(this);
    points_ = toggle(unit, tr("Points"), Qt::Key_O);
    percentage_ = toggle(unit, tr("Percentage"), Qt::Key_E);
    tools->addActions(unit->actions());
    byStudent_->setChecked(true);
    points_->setChecked(true);

    choiceLabel_ = new QLabel;
    choiceLabel_->setObjectName(QStringLiteral("choiceLabel"));
    choice_ = new QComboBox;
    choice_->setObjectName(QStringLiteral("graphChoice"));
    choice_->setEditable(false);
    choice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    choice_->setMinimumContentsLength(16);
    choiceLabel_->setBuddy(choice_);
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tools->addWidget(spacer);
    tools->addWidget(choiceLabel_);
    tools->addWidget(choice_);

    auto* chart = new QChart;
    chart->setBackgroundBrush(Qt::white);
    view_ = new QChartView(chart);
    view_->setObjectName(QStringLiteral("chartView"));
    view_->setAccessibleName(tr("Graph"));
    view_->viewport()->setAccessibleName(tr("Graph"));
    view_->setRenderHint(QPainter::Antialiasing);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(view_, 1);
    resize(760, 520);

    connect(print_, &QAction::triggered, this, &GraphWindow::printChart);
    connect(mode, &QActionGroup::triggered, this, &GraphWindow::fillChoice);
    connect(unit, &QActionGroup::triggered, this, &GraphWindow::redraw);
    connect(choice_, &QComboBox::currentIndexChanged, this, &GraphWindow::redraw);
    fillChoice();
}

GraphWindow::~GraphWindow() = default;

QChart* GraphWindow::chart() const {
    return view_->chart();
}

GraphValues GraphWindow::values() const {
    return points_->isChecked() ? GraphValues::Points : GraphValues::Percentage;
}

void GraphWindow::fillChoice() {
    {
        const QSignalBlocker quiet(choice_);
        choice_->clear();
        if (byStudent_->isChecked()) {
            choiceLabel_->setText(tr("Students"));
            for (const StudentInfo& s : input_.cls.students) choice_->addItem(cp1252::toUnicode(s.name));
        } else {
            choiceLabel_->setText(tr("Assignments"));
            for (const AssignmentInfo& a : input_.cls.assignments) choice_->addItem(cp1252::toUnicode(a.title));
            choice_->addItem(tr("Overall"));
        }
        choice_->setCurrentIndex(0);
    }
    redraw();
}

void GraphWindow::redraw() {
    const int item = choice_->currentIndex();
    const int assignments = static_cast<int>(input_.cls.assignments.size());
    if (byStudent_->isChecked()) {
        const std::optional<int> row = item >= 0 ? gradesRowOf(input_.grades, choice_->currentText()) : std::nullopt;
        graph_ = studentGraph(input_.grades, row.value_or(0), values());
        graph_.title = choice_->currentText();
    } else if (item >= 0 && item < assignments) {
        graph_ = assignmentGraph(input_.grades, item, values());
    } else {
        // The last item, "Overall", whatever the assignments are called.
        graph_ = overallGraph(input_.grades, values());
    }
    showBarGraph(*view_->chart(), graph_, values());
}

void GraphWindow::printChart() {
    ChartPrintout printout(graph_, values(), input_.gradeFilePath);
    const Result<PrintOutcome> printed = printPrintout(this, dialogs_, printout);
    if (!printed) dialogs_.warn(this, tr("The graph could not be printed: ") + printed.message());
}

}  // namespace markwell
