#include "help/HelpTopics.h"

#include <QVariant>
#include <QWidget>

#include <array>

namespace markwell {
namespace {

constexpr const char* kTopicProperty = "markwellHelpTopic";

constexpr std::array kPages = {
    HelpPage{HelpTopic::Contents, "index.html", "Welcome to Markwell"},
    HelpPage{HelpTopic::Grades, "grades.html", "The Grades page"},
    HelpPage{HelpTopic::Attendance, "attendance.html", "The Attendance page"},
    HelpPage{HelpTopic::Seating, "seating.html", "The Seating page"},
    HelpPage{HelpTopic::Printing, "printing.html", "Printing and PDF"},
    HelpPage{HelpTopic::Font, "font.html", "Choosing the table's font"},
    HelpPage{HelpTopic::StudentList, "student-list.html", "The student list"},
    HelpPage{HelpTopic::Assignments, "assignments.html", "The assignment list"},
    HelpPage{HelpTopic::EditGrades, "edit-grades.html", "Entering grades"},
    HelpPage{HelpTopic::GradeScale, "grade-scale.html", "Grade scales"},
    HelpPage{HelpTopic::Weights, "weights.html", "Weighted grades"},
    HelpPage{HelpTopic::DropLowest, "drop-lowest.html", "Dropping the lowest scores"},
    HelpPage{HelpTopic::IndividualReport, "individual.html", "Individual student reports"},
    HelpPage{HelpTopic::Statistics, "statistics.html", "Grade information"},
    HelpPage{HelpTopic::AttendanceAnalysis, "attendance-analysis.html", "Attendance analysis"},
    HelpPage{HelpTopic::Graph, "graph.html", "Graphs"},
    HelpPage{HelpTopic::Merge, "merge.html", "Merging two classes"},
    HelpPage{HelpTopic::Email, "email.html", "Sending grades by e-mail"},
    HelpPage{HelpTopic::Options, "options.html", "Options"},
    HelpPage{HelpTopic::Password, "password.html", "The password"},
    HelpPage{HelpTopic::SeatDialog, "seat.html", "Adding and changing seats"},
    HelpPage{HelpTopic::About, "about.html", "About Markwell"},
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
