// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// The dialogs and report windows the main window's menus open, each as a way
// to open it over a class: the one list the tests that walk every dialog
// share. A new menu item that opens a dialog joins it here.

#include "gui/main/MainActions.h"
#include "gui/main/MainWindow.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/ModalDialogs.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

namespace markwell::testing {

using DialogOpener = std::function<void(MainWindow&)>;

// Triggers the action of the main window on the page given.
inline DialogOpener menuCommand(QAction* MainActions::*member, Page page = Page::Grades) {
    return [member, page](MainWindow& w) {
        w.showPage(page);
        (w.actions().*member)->trigger();
    };
}

// Opens the Class Reports window, then Send by E-mail... over it.
inline void openSendReports(MainWindow& w) {
    menuCommand (&MainActions::classReports)(w);
    auto* reports = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (auto* send = reports ? reports->findChild<QPushButton*>(QStringLiteral("sendByMailButton")) : nullptr) {
        send->click();
    }
}

// Every dialog the menus open, by a short name.
inline std::vector<std::pair<const char*, DialogOpener>> menuDialogs() {
    return {
        {"student list", menuCommand(&MainActions::studentList)},
        {"assignment list", menuCommand(&MainActions::assignmentList)},
        {"edit grades", menuCommand(&MainActions::editGrades)},
        {"grade scale", menuCommand(&MainActions::gradeScale)},
        {"weights", menuCommand(&MainActions::weightedGrades)},
        {"drop rule", menuCommand(&MainActions::dropLowest)},
        {"options", menuCommand(&MainActions::options)},
        {"seat", menuCommand(&MainActions::addSeat, Page::Seating)},
        {"merge setup", menuCommand(&MainActions::merge)},
        {"individual report", menuCommand(&MainActions::individualReport)},
        {"grade information", menuCommand(&MainActions::gradeInformation)},
        {"curve", menuCommand(&MainActions::curve)},
        {"my classes", menuCommand(&MainActions::myClasses)},
        {"class reports", menuCommand(&MainActions::classReports)},
        {"send reports", openSendReports},
        {"graph", menuCommand(&MainActions::graph)},
        {"attendance analysis", menuCommand(&MainActions::attendanceAnalysis, Page::Attendance)},
        {"earlier versions", menuCommand(&MainActions::earlierVersions)},
        {"history", menuCommand(&MainActions::gradeHistory)},
        {"about", menuCommand(&MainActions::about)},
    };
}

// Opens the dialog over a saved class with marks this month and an earlier
// version, and hands it to `look` as it shows; then closes it. What `look`
// found, or "(no dialog showed)".
inline QStringList lookAtMenuDialog(const DialogOpener& open, const std::function<QStringList(QDialog&)>& look) {
    WindowHarness h;
    const QDate today = QDate::currentDate();
    h.open(writeClass(h.folder.path(), QStringLiteral("period 2.grs"), smallClass(),
                      {attendanceRecord("Ann Lee", today.month(), today.year(), "TUE")}));
    h.window->saveClass();  // an earlier version to show
    QStringList found;
    bool shown = false;
    whenModalShows<QDialog>(
        [&found, &look](QDialog* dialog) {
            found = look(*dialog);
            dialog->reject();
        },
        &shown);
    open(*h.window);
    if (!QTest::qWaitFor([&shown] { return shown; }, kWaitLimitMs)) return {QStringLiteral("(no dialog showed)")};
    return found;
}

}  // namespace markwell::testing
