// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/HelpTopics.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

#include <array>

namespace markwell {
namespace {

constexpr const char* kTopicProperty = "markwellHelpTopic";

constexpr std::array kPages = {
    HelpPage{HelpTopic::Contents, "index.html", QT_TRANSLATE_NOOP("HelpPages", "Welcome to Markwell")},
    HelpPage{HelpTopic::Grades, "grades.html", QT_TRANSLATE_NOOP("HelpPages", "The Grades page")},
    HelpPage{HelpTopic::Attendance, "attendance.html", QT_TRANSLATE_NOOP("HelpPages", "The Attendance page")},
    HelpPage{HelpTopic::Seating, "seating.html", QT_TRANSLATE_NOOP("HelpPages", "The Seating page")},
    HelpPage{HelpTopic::Printing, "printing.html", QT_TRANSLATE_NOOP("HelpPages", "Printing and PDF")},
    HelpPage{HelpTopic::Font, "font.html", QT_TRANSLATE_NOOP("HelpPages", "Choosing the table's font")},
    HelpPage{HelpTopic::StudentList, "student-list.html", QT_TRANSLATE_NOOP("HelpPages", "The student list")},
    HelpPage{HelpTopic::Assignments, "assignments.html", QT_TRANSLATE_NOOP("HelpPages", "The assignment list")},
    HelpPage{HelpTopic::EditGrades, "edit-grades.html", QT_TRANSLATE_NOOP("HelpPages", "Entering grades")},
    HelpPage{HelpTopic::GradeScale, "grade-scale.html", QT_TRANSLATE_NOOP("HelpPages", "Grade scales")},
    HelpPage{HelpTopic::Weights, "weights.html", QT_TRANSLATE_NOOP("HelpPages", "Weighted grades")},
    HelpPage{HelpTopic::DropLowest, "drop-lowest.html", QT_TRANSLATE_NOOP("HelpPages", "Dropping the lowest scores")},
    HelpPage{HelpTopic::IndividualReport, "individual.html",
             QT_TRANSLATE_NOOP("HelpPages", "Individual student reports")},
    HelpPage{HelpTopic::ClassReports, "class-reports.html",
             QT_TRANSLATE_NOOP("HelpPages", "Class reports at the term's end")},
    HelpPage{HelpTopic::Statistics, "statistics.html", QT_TRANSLATE_NOOP("HelpPages", "Grade information")},
    HelpPage{HelpTopic::Curve, "curve.html", QT_TRANSLATE_NOOP("HelpPages", "Curving an assignment")},
    HelpPage{HelpTopic::MyClasses, "my-classes.html", QT_TRANSLATE_NOOP("HelpPages", "All your classes at once")},
    HelpPage{HelpTopic::AttendanceAnalysis, "attendance-analysis.html",
             QT_TRANSLATE_NOOP("HelpPages", "Attendance analysis")},
    HelpPage{HelpTopic::Graph, "graph.html", QT_TRANSLATE_NOOP("HelpPages", "Graphs")},
    HelpPage{HelpTopic::Merge, "merge.html", QT_TRANSLATE_NOOP("HelpPages", "Merging two classes")},
    HelpPage{HelpTopic::EarlierVersions, "earlier-versions.html", QT_TRANSLATE_NOOP("HelpPages", "Earlier versions")},
    HelpPage{HelpTopic::History, "history.html", QT_TRANSLATE_NOOP("HelpPages", "The grade history")},
    HelpPage{HelpTopic::ImportScores, "import-scores.html",
             QT_TRANSLATE_NOOP("HelpPages", "Scores from the school's systems")},
    HelpPage{HelpTopic::Email, "email.html", QT_TRANSLATE_NOOP("HelpPages", "Sending grades by e-mail")},
    HelpPage{HelpTopic::SendReports, "send-reports.html",
             QT_TRANSLATE_NOOP("HelpPages", "E-mailing every family its report")},
    HelpPage{HelpTopic::Options, "options.html", QT_TRANSLATE_NOOP("HelpPages", "Options")},
    HelpPage{HelpTopic::Password, "password.html", QT_TRANSLATE_NOOP("HelpPages", "The password")},
    HelpPage{HelpTopic::SeatDialog, "seat.html", QT_TRANSLATE_NOOP("HelpPages", "Adding and changing seats")},
    HelpPage{HelpTopic::About, "about.html", QT_TRANSLATE_NOOP("HelpPages", "About Markwell")},
};

}  // namespace

std::span<const HelpPage> helpPages() {
    return kPages;
}

const HelpPage& helpPage(HelpTopic topic) {
    for (const HelpPage& page : kPages) {
        if (page.topic == topic) return page;
    }
    return kPages.front();
}

QString helpPageTitle(HelpTopic topic) {
    return QCoreApplication::translate("HelpPages", helpPage(topic).title);
}

void setHelpTopic(QWidget* window, HelpTopic topic) {
    if (window) window->setProperty(kTopicProperty, static_cast<int>(topic));
}

HelpTopic helpTopicFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant value = w->property(kTopicProperty);
        if (value.isValid()) return static_cast<HelpTopic>(value.toInt());
    }
    return HelpTopic::Contents;
}

}  // namespace markwell
