#pragma once

#include "core/data/ClassRecord.h"
#include "core/grading/GradesTable.h"
#include "gui/main/CommandRules.h"
#include "gui/document/DocumentCommands.h"
#include "gui/main/MainActions.h"
#include "gui/document/RecoveryOffer.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QDialog;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;

namespace markwell {

class AttendanceCommands;
class AttendancePage;
class ClassHistory;
class GradesPage;
class HelpCenter;
class MailLauncher;
struct ReportInput;
class PasswordProtection;
class RecoveryKeeper;
class ScaleStore;
class SeatingCommands;
class SeatingPage;
class SettingsStore;
class UserDialogs;

// The main window: one class at a time, shown on three pages (Grades,
// Attendance, Seating) with the document commands, printing and help. The
// class and its file names are a value owned here (`document()`); the grades
// table is rebuilt from it after every change (rebuildGrades).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(UserDialogs& dialogs, SettingsStore& settings, ScaleStore& scales, PasswordProtection& passwords,
               HelpCenter* help = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Document& document() const { return document_; }
    DocumentCommands& documentCommands() const { return *commands_; }
    const GradesTable& gradesTable() const { return grades_; }
    Page currentPage() const { return page_; }
    GradesPage* gradesPage() const { return gradesPage_; }
    AttendancePage* attendancePage() const { return attendancePage_; }
    SeatingPage* seatingPage() const { return seatingPage_; }
    SeatingCommands& seatingCommands() const { return *seatingCommands_; }
    ClassHistory& history() const { return *history_; }
    QTabWidget* pages() const { return pages_; }
    const MainActions& actions() const { return actions_; }
    QString statusText() const;

    // Opens a class named on the command line; a file that is refused is
    // reported and the new class stays.
    void openAtStart(const QString& path);

    // Offers the recovery copies of classes left unsaved when Markwell last
    // ended without closing them; a recovered class replaces the one shown.
    // `answer`, when given, answers without asking.
    void offerRecovery(std::optional<RecoveryAnswer> answer = std::nullopt);
    RecoveryKeeper& recoveryKeeper() const { return *recovery_; }

    // Default settings of a new class, then a rebuild.
    void resetToNewClass();
    // Rebuilds the grades table from the class, then the pages that show it.
    void rebuildGrades();
    void updateStatusBar();
    void updateToolBar();

    // Replaces the class being worked on, as an editing dialog does on OK:
    // the class becomes dirty and every page is rebuilt.
    void replaceClass(ClassRecord changed);

    // Switches pages as clicking a tab does; refused (false) while the class
    // is untitled or has no students.
    bool showPage(Page page);

    // Where messages with an attachment go (xdg-email unless told otherwise).
    void setMailLauncher(MailLauncher& launcher);

public slots:
    void newClass();
    void openClass();
    void saveClass();
    void saveClassAs();
    // The earlier versions kept of the class; the one chosen opens as a new
    // untitled class.
    void showEarlierVersions();
    // Prints what the page shown holds: the grades with names, the attendance
    // month or the seating chart.
    void printPage();
    void printGradesWithNames();
    void printGradesWithIds();
    void printAttendance();
    void previewPrint();
    void copySelection();
    void toggleGridLines();
    void chooseFont();
    void sortAscending();
    void sortDescending();
    // One student's attendance over a year (Attendance page).
    void analyseAttendance();
    // Merge Setup, and from it the merged report of two grade files.
    void mergeFiles();
    // The editing dialogs: each works on a copy of the class, which replaces
    // the class when the dialog ends with OK and something changed.
    void editStudentList();
    void editAssignmentList();
    void editGrades();
    // The class's grade scale, weights and drop rule; the program's options.
    void editGradeScale();
    void editWeights();
    void editDropRule();
    void editOptions();
    void showNextPage();
    void showPreviousPage();
    void showHelp();
    void showAbout();
    // The report windows, each modal over this one.
    void showIndividualReport();
    void showGradeInformation();
    void showGraph();
    // Opens the mail program on a message to the student whose name is
    // selected in the grades table.
    void sendMail();

protected:
    void showEvent(QShowEvent* event) override;
    // Back in the window: the class's files may have been changed meanwhile.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    // The recovery copy follows the class's changes, saves and replacements.
    void keepRecoveryCopies();
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
    // The command objects of the Seating and Attendance pages.
    void connectPageCommands();
    void applyCommandStates();
    CommandStates commandStatesOn(Page page) const;
    void pageChanged(int index);
    // Shows the next open page in `direction` (+1 or -1), round the end.
    void stepPage(int direction);
    void refreshAttendanceClass();
    void updateWindowTitle();
    bool storeTypedPoints(int row, int col, const QString& text);
    // The tables as they print: the page's sheet with its printout header.
    Sheet gradesCopy(bool withIds) const;
    Sheet attendanceCopy() const;
    void printGrades(bool withIds);
    void sortClass(bool descending);
    void setDirty();
    // Before a merge reads `paths`: a dirty open class among them may be
    // saved first. False stops the merge.
    bool readyToMerge(QWidget* asker, const QStringList& paths);
    // The class as an editing dialog hands it back: replaces the class when it differs.
    void takeEditedClass(const ClassRecord& edited);
    // Makes the change a rules dialog's OK asks for on a copy of the class,
    // which then replaces it; a refused change is shown and the class stays.
    void changeClass(const std::function<Result<void>(ClassRecord&)>& change);
    // Ends the typing of a value into the grades table, storing (or refusing) it.
    void finishTyping();
    void restoreWindowPlace();
    void rememberWindowPlace() const;
    ReportInput reportInput() const;
    void openReport(QDialog* report);

    UserDialogs& dialogs_;
    SettingsStore& settings_;
    ScaleStore& scales_;
    PasswordProtection& passwords_;
    HelpCenter* help_;
    MailLauncher* mail_ = nullptr;
    Document document_;
    GradesTable grades_;
    std::unique_ptr<DocumentCommands> commands_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    ClassHistory* history_ = nullptr;
    std::unique_ptr<SeatingCommands> seatingCommands_;
    std::unique_ptr<AttendanceCommands> attendanceCommands_;
    bool activated_ = false;
    // Whether the Attendance page was shown since the class was opened: the
    // first showing starts at today's month, later ones keep the month the
    // teacher left it on.
    bool attendanceShown_ = false;
    Page page_ = Page::Grades;

    MainActions actions_;
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
