// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/PasswordProtection.h"
#include "core/settings/QSettingsStore.h"
#include "gui/document/ClassHistory.h"
#include "gui/help/HelpCenter.h"
#include "gui/main/MainWindow.h"
#include "gui/main/ReportCommands.h"
#include "gui/main/TableCommands.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ScriptedDialogs.h"
#include "tests/gui/support/WaitLimit.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace markwell::testing {

// A small class worked out by hand:
//
//   Names       Quiz 1 (10)   Test 1 (100)   Total
//   Ann Lee          8             90          98
//   Bob Stone        6             70          76
//   Cleo Park        -             80          80
//
// IDs A-1, B-2, C-3; one seat for Ann beside the teacher's.
ClassRecord smallClass();

// Writes the class's grade file (and its seating file) into the folder and,
// when given, its attendance records; returns the grade file's path.
QString writeClass(const QString& folder, const QString& fileName, const ClassRecord& cls,
                   const std::vector<AttendanceInfo>& attendance = {});

// Writes the bytes as the whole of the file; the path, or none when it
// cannot be written.
QString writeFile(const QString& path, const QByteArray& bytes);
// The bytes of the class's grade, attendance and seating files, "|" between
// them: what a test compares to tell that none of the three changed.
QByteArray classFiles(const QString& gradePath);
// The three files a save of the document would write (grade, attendance,
// seating), one after the other.
QByteArray documentFiles(const Document& document);
// Every file under `folder` whose bytes hold `text` (a secret kept in no file).
QStringList filesHolding(const QString& folder, const QByteArray& text);

// One student's attendance record of a month: `days` holds "T", "U" or "E"
// codes from day 1 on (spaces for nothing).
AttendanceInfo attendanceRecord(const char* name, int month, int year, const char* days);

// Makes `cls` the window's class as OK in an editing dialog does: one step
// of its history (none when nothing differs).
void changeClassTo(MainWindow& window, const ClassRecord& cls);
// A change of the class that its grade file keeps (the Grid Lines switch),
// made as the teacher makes it.
void makeUnsavedChange(MainWindow& window);

// The editor of the cell being typed into (closed editors linger hidden
// until deleted); none when no cell is being typed into.
QLineEdit* cellEditor(const SheetView& view);
// Types into the table's active cell as a teacher does and ends with the
// given key. The table must be shown.
void typeIntoCell(SheetView& view, const QString& text, Qt::Key end = Qt::Key_Return,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types into a box as the teacher does: what was there is replaced, Enter
// ends a line, and letters beyond ASCII come as text with no key code.
void typeInto(QWidget* box, const QString& text);
// Types into a cell of the grades table as a teacher does and ends with the
// given key (Enter unless told otherwise). The window must be shown.
void typeIntoGrades(MainWindow& window, int row, int col, const QString& text, Qt::Key end = Qt::Key_Return,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Triggers the command and returns the window of type T it opened, once
// shown; none when it opened none.
template <class T>
T* openedBy(MainWindow& window, QAction* command) {
    command->trigger();
    auto* opened = window.findChild<T*>();
    return opened && QTest::qWaitForWindowExposed(opened, kWaitLimitMs) ? opened : nullptr;
}

// A main window with answered dialogs and a settings store of its own.
struct WindowHarness {
    QTemporaryDir folder;
    std::unique_ptr<QSettingsStore> settings;
    std::unique_ptr<ScaleStore> scales;
    std::unique_ptr<PasswordProtection> passwords;
    ScriptedDialogs dialogs;
    HelpCenter help;
    std::unique_ptr<MainWindow> window;

    WindowHarness();
    // The window with the class opened from its files ("class.grs").
    explicit WindowHarness(const ClassRecord& opened);
    QString path(const QString& name) const { return folder.filePath(name); }
    // Writes a class's files into the folder as writeClass does; the grade file's path.
    QString write(const QString& fileName, const ClassRecord& cls = smallClass(),
                  const std::vector<AttendanceInfo>& attendance = {}) const {
        return writeClass(folder.path(), fileName, cls, attendance);
    }
    // Opens a class through File > Open as the teacher does.
    void open(const QString& gradePath);
    // The class in the window.
    const ClassRecord& cls() const { return window->document().classRecord; }
};

}  // namespace markwell::testing
