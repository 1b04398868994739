// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/grading/GradesTable.h"
#include "gui/document/ChangeScope.h"
#include "gui/document/OpenClass.h"
#include "gui/document/RecoveryOffer.h"
#include "gui/main/CommandContext.h"
#include "gui/main/CommandRules.h"
#include "gui/main/DocumentCommands.h"
#include "gui/main/MainActions.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;

namespace markwell {

class AttendancePage;
class ClassHistory;
class EditingCommands;
class GradingRulesCommands;
class ReportCommands;
class TableCommands;
class GradesPage;
class HelpCenter;
class MailPasswords;
class PasswordProtection;
class RecoveryKeeper;
class ScaleStore;
class ScoreCommands;
class SeatingCommands;
class AttendanceCommands;
class SeatingPage;
class SettingsStore;
class UserDialogs;

// The main window: one class at a time, shown on three pages (Grades,
// Attendance, Seating) with the document commands, printing and help. The
// class is the window's OpenClass (`openClass()`), changed only through its
// history; the window redraws what each change touched (showChange). The
// window builds the pages, menus and tool bars; the commands live in command
// objects (DocumentCommands, TableCommands, EditingCommands, ...), each
// given the same CommandContext.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(UserDialogs& dialogs, SettingsStore& settings, ScaleStore& scales, PasswordProtection& passwords,
               HelpCenter* help = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    OpenClass& openClass() const { return *open_; }
    const Document& document() const { return open_->document(); }
    DocumentCommands& documentCommands() const { return *commands_; }
    ClassHistory& history() const { return open_->history(); }
    TableCommands& tableCommands() const { return *table_; }
    EditingCommands& editingCommands() const { return *editing_; }
    GradingRulesCommands& gradingRulesCommands() const { return *rules_; }
    ReportCommands& reportCommands() const { return *reports_; }
    const GradesTable& gradesTable() const { return open_->grades(); }
    Page currentPage() const { return page_; }
    GradesPage* gradesPage() const { return gradesPage_; }
    AttendancePage* attendancePage() const { return attendancePage_; }
    SeatingPage* seatingPage() const { return seatingPage_; }
    SeatingCommands& seatingCommands() const { return *seatingCommands_; }
    QTabWidget* pages() const { return pages_; }
    const MainActions& actions() const { return actions_; }
    QString statusText() const;
    SettingsStore& settings() const { return settings_; }
    // Where the mail server's password is kept: the desktop's keyring unless
    // a test puts a store of its own in its place.
    MailPasswords& mailPasswords() const { return *mailPasswords_; }
    void setMailPasswords(std::unique_ptr<MailPasswords> passwords);

    // Opens a class named on the command line; a file that is refused is
    // reported and the new class stays.
    void openAtStart(const QString& path);

    // Offers the recovery copies of classes left unsaved when Markwell last
    // ended without closing them; a recovered class replaces the one shown.
    // `answer`, when given, answers without asking.
    void offerRecovery(std::optional<RecoveryAnswer> answer = std::nullopt);
    RecoveryKeeper& recoveryKeeper() const { return open_->recoveryKeeper(); }

    // Default settings of a new class, then a rebuild.
    void resetToNewClass();
    void applyCommandStates();
    void updateStatusBar();
    void updateToolBar();

    // Switches pages as clicking a tab does; refused (false) while the class
    // is untitled or has no students.
    bool showPage(Page page);

public slots:
    void newClass();
    // A new untitled class set up as a class the teacher chooses, without its students.
    void newClassFrom();
    void openClass();
    void saveClass();
    void saveClassAs();
    // The earlier versions kept of the class; the one chosen opens as a new
    // untitled class.
    void showEarlierVersions();
    void showGradeHistory();
    // Prints what the page shown holds: the grades with names, the attendance
    // month or the seating chart.
    void printPage();
    void printAttendance();
    void previewPrint();
    void showNextPage();
    void showPreviousPage();
    void showHelp();
    void showAbout();

protected:
    void showEvent(QShowEvent* event) override;
    // Back in the window: the class's files may have been changed meanwhile.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    // Redraws what a change, an undo or a redo touched. The seating chart and
    // the attendance page show their own part (ClassHistory::documentChanged).
    void showChange(const ChangeScope& scope);
    // Rebuilds the grades table from the class, then the pages that show it.
    void rebuildGrades();
    // The same, the grades table staying at the cell (row, col).
    void rebuildGradesKeepingPlace(int row, int col);
    // After points were typed into (row, col): the student's row is redone in
    // place when it can be, as a rebuild would make it.
    void showTypedPoints(int row, int col);
    // The document commands' news: another class, a save, a notice.
    void followDocumentCommands();
    // The first activation: the default scale, a new class, today's month.
    void activate();
    void connectActions();
    void createMenus();
    void createToolBars();
    QToolBar* addToolGroup(const QString& title, const QString& name, const QList<QAction*>& actions);
    void createGradesContextMenu();
    // File > Open Recent, added to `fileMenu`, and the list it shows kept.
    void addRecentFilesMenu(QMenu* fileMenu);
    void acceptGradeFileDrops();
    // Opens the class at `path` as File > Open would, asking to save first.
    void openNamedClass(const QString& path);
    // The command objects, each connected to the actions it serves.
    void createCommands();
    // What every command object works with.
    void createCommandContext();
    // The window follows its class's history: what shows the class, the modified mark.
    void followHistory();
    CommandStates commandStatesOn(Page page) const;
    void pageChanged(int index);
    // Shows the next open page in `direction` (+1 or -1), round the end.
    void stepPage(int direction);
    void refreshAttendanceClass();
    void updateWindowTitle();
    // The attendance as it prints: the page's sheet with its printout header.
    Sheet attendanceCopy() const;
    // Ends the typing of a value into the grades table, storing (or refusing) it.
    void finishTyping();
    void restoreWindowPlace();
    void rememberWindowPlace() const;

    UserDialogs& dialogs_;
    SettingsStore& settings_;
    ScaleStore& scales_;
    PasswordProtection& passwords_;
    HelpCenter* help_;
    std::unique_ptr<MailPasswords> mailPasswords_;
    // Before the context and the commands that work on it.
    std::unique_ptr<OpenClass> open_;
    MainActions actions_;
    std::unique_ptr<CommandContext> context_;
    std::unique_ptr<DocumentCommands> commands_;
    std::unique_ptr<TableCommands> table_;
    std::unique_ptr<EditingCommands> editing_;
    std::unique_ptr<GradingRulesCommands> rules_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<SeatingCommands> seatingCommands_;
    std::unique_ptr<AttendanceCommands> attendanceCommands_;
    std::unique_ptr<ScoreCommands> scoreCommands_;
    bool activated_ = false;
    // Whether the Attendance page was shown since the class was opened: the
    // first showing starts at today's month, later ones keep the month the
    // teacher left it on.
    bool attendanceShown_ = false;
    // The title of an untitled class that came from somewhere (an earlier version); empty for a new one.
    QString untitledName_;
    Page page_ = Page::Grades;

    QTabWidget* pages_ = nullptr;
    GradesPage* gradesPage_ = nullptr;
    AttendancePage* attendancePage_ = nullptr;
    SeatingPage* seatingPage_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QMenu* gradesMenu_ = nullptr;
    QMenu* listsMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* sortMenu_ = nullptr;
    QMenu* seatingChartMenu_ = nullptr;
    QToolBar* listsTools_ = nullptr;
    QToolBar* tableTools_ = nullptr;
    QToolBar* seatTools_ = nullptr;
};

}  // namespace markwell
