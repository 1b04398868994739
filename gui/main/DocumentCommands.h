#pragma once

#include "data/ClassRecord.h"
#include "document/ClassFiles.h"
#include "sheet/Sheet.h"

#include <functional>
#include <optional>

class QWidget;

namespace markwell {

class ScaleStore;
class UserDialogs;

// The document commands of the main window: New, Open, Save, Save As (with
// the spreadsheet exports) and the question asked before the class is put
// aside. They work on the main window's Document value; the pages tell them
// what they hold through the hooks.
//
// Nothing is lost silently: the save question has Cancel, a save clears
// Dirty only once every file is written, a failure is shown with its reason,
// and opening reads every file of the new class before the old one goes.
class DocumentCommands {
public:
    enum class Outcome { Done, Cancelled, Failed };

    struct Hooks {
        // The month on the attendance page, to save with the class.
        std::function<std::optional<AttendanceMonth>()> attendanceMonth;
        // The month on display has been written with the class.
        std::function<void()> attendanceSaved;
        // The grades table as shown, for the spreadsheet exports.
        std::function<const Sheet&()> gradesTable;
        // Another class (or a new one) is now the document: rebuild every page.
        std::function<void()> documentReplaced;
        // The class was saved or renamed: the status line follows.
        std::function<void()> documentSaved;
        // The grades table was written to a spreadsheet file.
        std::function<void(const QString& path)> tableExported;
    };

    DocumentCommands(Document& document, UserDialogs& dialogs, ScaleStore& scales, QWidget* parent, Hooks hooks);

    static constexpr const char* kSaveQuestion = "Do you wish to save changes?";

    // A new, empty, untitled class with the default settings and scale.
    Outcome newClass();
    // Asks for a grade file and opens it.
    Outcome open();
    // Opens the file, after the save question when `askFirst` and the class is dirty.
    Outcome openFile(const QString& path, bool askFirst = true);
    // Saves under the class's name, asking for one while it is untitled.
    Outcome save();
    // Asks for a name: a .grs name saves the class there; a spreadsheet name
    // (.xls, .xlsx, .csv) writes the grades table and changes nothing else.
    Outcome saveAs();
    // The save question when the class is dirty: Yes saves, No lets the
    // changes go, Cancel (or a save that does not happen) keeps the class.
    // True when the class may be put aside.
    bool maySetAside();

    // The reset of New without its question: default settings and scale.
    void resetToNewClass();

private:
    Outcome saveTo(const QString& path);
    Outcome exportTable(const QString& path);

    Document& document_;
    UserDialogs& dialogs_;
    ScaleStore& scales_;
    QWidget* parent_;
    Hooks hooks_;
};

}  // namespace markwell
