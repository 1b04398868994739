// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/gui/support/ClassFixtures.h"

#include "core/data/PointEntry.h"
#include "core/editing/ClassChanges.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "gui/document/ClassHistory.h"
#include "gui/main/TableCommands.h"
#include "gui/pages/GradesPage.h"
#include "gui/sheetview/SheetView.h"
#include "tests/support/DocumentBytes.h"
#include "tests/support/TestFiles.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace markwell::testing {
namespace {

StudentInfo student(const char* name, const char* id) {
    StudentInfo s;
    s.name = name;
    s.id = id;
    s.student_email = std::string(id) + "@school.example";
    return s;
}

AssignmentInfo assignment(const char* title, const char* type, double total,
                          std::initializer_list<std::pair<const char*, const char*>> points) {
    AssignmentInfo a;
    a.title = title;
    a.assign_type = type;
    a.total = total;
    for (const auto& [name, value] : points) a.namegrade.push_back(makePointEntry(name, value));
    return a;
}

}  // namespace

ClassRecord smallClass() {
    ClassRecord cls = newClassRecord(CurrentGradeScale{});
    cls.gradeScale.name = "<Default>";
    cls.gradeScale.scale_type = static_cast<std::uint8_t>(ScaleKind::Standard);
    cls.gradeScale.num_values = "90,100,80,89.9,70,79.9,60,69.9,0,59.9";
    cls.students = {student("Ann Lee", "A-1"), student("Bob Stone", "B-2"), student("Cleo Park", "C-3")};
    for (const StudentInfo& s : cls.students) cls.comments.push_back(CommentInfo{s.name, ""});
    cls.assignments = {
        assignment("Quiz 1", "Quiz", 10, {{"Ann Lee", "8"}, {"Bob Stone", "6"}, {"Cleo Park", "-"}}),
        assignment("Test 1", "Test", 100, {{"Ann Lee", "90"}, {"Bob Stone", "70"}, {"Cleo Park", "80"}}),
    };
    SeatingInfo seat;
    seat.name = "Ann Lee";
    seat.left = 40;
    seat.Top = 50;
    cls.Seats = {seat};
    return cls;
}

QString writeClass(const QString& folder, const QString& fileName, const ClassRecord& cls,
                   const std::vector<AttendanceInfo>& attendance) {
    QString path = folder + QLatin1Char('/') + fileName;
    if (!writeGradeFile(path, cls).ok()) return {};
    SeatingChart chart;
    chart.seats = cls.Seats;
    chart.teacher = cls.teacherSeat;
    if (!writeSeatingFile(seatingPathFor(path), chart).ok()) return {};
    if (!attendance.empty() && !writeAttendanceFile(attendancePathFor(path), attendance).ok()) return {};
    return path;
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) return {};
    return path;
}

QByteArray classFiles(const QString& gradePath) {
    return fileContents(gradePath) + '|' + fileContents(attendancePathFor(gradePath)) + '|' +
           fileContents(seatingPathFor(gradePath));
}

QByteArray documentFiles(const Document& document) {
    const std::array<QByteArray, 3> files = test::documentBytes(document);
    return files[0] + "\n--\n" + files[1] + "\n--\n" + files[2];
}

QStringList filesHolding(const QString& folder, const QByteArray& text) {
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text)) found << file.fileName();
    }
    return found;
}

AttendanceInfo attendanceRecord(const char* name, int month, int year, const char* days) {
    AttendanceInfo record;
    record.Month = month;
    record.Year = year;
    record.name = name;
    for (std::size_t i = 0; days[i] != '\0' && i < record.entry.size(); ++i) record.entry[i] = days[i];
    return record;
}

WindowHarness::WindowHarness() {
    settings = std::make_unique<QSettingsStore>(folder.filePath(QStringLiteral("settings.ini")));
    scales = std::make_unique<ScaleStore>(*settings);
    passwords = std::make_unique<PasswordProtection>(*settings);
    window = std::make_unique<MainWindow>(dialogs, *settings, *scales, *passwords, &help);
}

WindowHarness::WindowHarness(const ClassRecord& opened) : WindowHarness() {
    open(writeClass(folder.path(), QStringLiteral("class.grs"), opened));
}

void WindowHarness::open(const QString& gradePath) {
    dialogs.openWith(gradePath);
    window->openClass();
}

void changeClassTo(MainWindow& window, const ClassRecord& cls) {
    const Result<void> changed = window.history().apply(editedClassChange(QStringLiteral("Edit Students"), cls));
    Q_ASSERT(changed.ok());
}

QLineEdit* cellEditor(const SheetView& view) {
    if (!view.isEditing()) return nullptr;
    for (QLineEdit* editor : view.viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible()) return editor;
    }
    return nullptr;
}

void typeIntoCell(SheetView& view, const QString& text, Qt::Key end, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&view, text.at(0).toLatin1());
    QLineEdit* editor = cellEditor(view);
    if (!editor) return;
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, end, modifiers);
    QCoreApplication::processEvents();  // Enter commits through a queued call
}

void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) plain->selectAll();
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n')) QTest::keyClick(box, Qt::Key_Return);
        else if (ch.unicode() < 0x80) QTest::keyClicks(box, QString(ch));
        else QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void typeIntoGrades(MainWindow& window, int row, int col, const QString& text, Qt::Key end,
                    Qt::KeyboardModifiers modifiers) {
    SheetView* view = window.gradesPage()->view();
    view->selectRange(CellRange::cell(row, col));
    view->setFocus();
    typeIntoCell(*view, text, end, modifiers);
}

void makeUnsavedChange(MainWindow& window) {
    window.tableCommands().toggleGridLines();
}

}  // namespace markwell::testing
