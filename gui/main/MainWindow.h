#pragma once

#include "data/ClassRecord.h"
#include "grading/GradesTable.h"
#include "icons/Icons.h"
#include "main/CommandRules.h"
#include "main/DocumentCommands.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;

namespace markwell {

class AttendancePage;
class GradesPage;
class HelpCenter;
class ScaleStore;
class SeatingPage;
class UserDialogs;

// The main window: one class at a time, shown on three pages (Grades,
// Attendance, Seating) with the document commands, printing and help. The
// class and its file names are a value owned here (`document()`); the grades
// table is rebuilt from it after every change (UpdateMarkwell).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(UserDialogs& dialogs, ScaleStore& scales, HelpCenter* help = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Document& document() const { return document_; }
    DocumentCommands& documentCommands() const { return *commands_; }
    const GradesTable& gradesTable() const { return grades_; }
    Page currentPage() const;
    GradesPage* gradesPage() const { return gradesPage_; }
    AttendancePage* attendancePage() const { return attendancePage_; }
    QTabWidget* pages() const { return pages_; }
    // A menu item or tool button by its name (MNU_Save, TLB_Print, ...).
    QAction* action(const QString& name) const { return actions_.value(name); }
    QString statusText() const;

    // The first activation: the default scale, a new class, today's month.
    void FormActivate();
    bool isActivated() const { return IsActivated; }

    // Opens a class named on the command line; a file that is refused is
    // reported and the new class stays.
    void openAtStart(const QString& path);

    // Default settings of a new class, then a rebuild.
    void InitApp();
    // Rebuilds the grades table from the class, then the pages that show it.
    void UpdateMarkwell();
    void UpdateStatusBar();
    void UpdateToolBar();

    // Replaces the class being worked on, as an editing dialog does on OK:
    // the class becomes dirty and every page is rebuilt.
    void replaceClass(ClassRecord changed);

    // Commands.
    void MNU_NewClick();
    void MNU_OpenClick();
    void MNU_SaveClick();
    void MNU_SaveAsClick();
    void MNU_ExitClick();
    void MNU_PrintNamesClick();
    void MNU_PrintIDClick();
    void MNU_PrintAttendanceClick();
    void MNU_PrintPreviewClick();
    void MNU_CopyClick();
    void MNU_GridLinesClick();
    void MNU_FontClick();
    void MNU_SortAscClick();
    void MNU_SortDescClick();
    void MNU_AboutClick();
    void MNU_MarkwellHelpClick();
    // Switches pages as clicking a tab does; refused (false) while the class
    // is untitled or has no students.
    bool showPage(Page page);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QAction* addAction(const QString& name, const QString& text, const std::function<void()>& run,
                       const QKeySequence& shortcut = {});
    QAction* addToolButton(const QString& name, const QString& hint, ToolIcon icon, const std::function<void()>& run);
    std::function<void()> notAvailableYet(const QString& what);
    void applyCommandStates();
    void PC_MainChange(int index);
    void refreshAttendanceClass();
    bool storeTypedPoints(int row, int col, const QString& text);
    void printGrades(bool withIds);
    void printAttendance();
    void sortClass(bool descending);
    void setDirty();
    // Ends the typing of a value into the grades table, storing (or refusing) it.
    void finishTyping();

    UserDialogs& dialogs_;
    ScaleStore& scales_;
    HelpCenter* help_;
    Document document_;
    GradesTable grades_;
    std::unique_ptr<DocumentCommands> commands_;
    bool IsActivated = false;
    Page page_ = Page::Grades;

    QTabWidget* pages_ = nullptr;
    GradesPage* gradesPage_ = nullptr;
    AttendancePage* attendancePage_ = nullptr;
    SeatingPage* seatingPage_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QHash<QString, QAction*> actions_;
    QHash<QString, std::function<void()>> runs_;
    QHash<QString, QMenu*> menus_;
    std::vector<QAction*> listsGroup_;
    std::vector<QAction*> tableGroup_;
    std::vector<QAction*> seatsGroup_;
};

}  // namespace markwell
