// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Document.h"

#include <QObject>

#include <memory>
#include <optional>

namespace markwell {

class ClassLock;
struct CommandContext;
class GradeHistory;
struct EarlierVersion;

// The document commands of the main window: New, Open, Save, Save As (with
// the spreadsheet exports) and the question asked before the class is put
// aside. They work on the window's open class and say what happened
// through signals. Whether the class has unsaved changes is the class
// history's clean state: a save marks it, and another class starts it anew.
//
// Nothing is lost silently: the save question has Cancel, a save clears the
// modified mark only once every file is written, a failure is shown with its reason,
// and opening reads every file of the new class before the old one goes.
//
// Before a save replaces a class, the class on disk is kept as an earlier
// version (as many as the settings say; one that cannot be kept is said on
// the status line and the save goes on). While a class is open here, this
// window holds its open lock, so that another window opening it warns.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // Exported: a spreadsheet name was chosen in the save dialog; the grades
    // table was written there, and the class is not saved.
    enum class Outcome { Done, Exported, Cancelled, Failed };

    // Exports write the grades table as the window shows it.
    explicit DocumentCommands(const CommandContext& context);
    ~DocumentCommands() override;

    // A new, empty, untitled class with the default settings and scale.
    Outcome newClass();
    // Asks for a grade file and starts a new, untitled class set up as it
    // is (see newClassRecordFrom), after the save question. The class
    // chosen stays as it is on disk; the new one has changes to save.
    Outcome newClassFrom();
    // Asks for a grade file and opens it.
    Outcome open();
    // Opens the file, after the save question when `askFirst` and the class
    // is dirty. A class open in another window is opened only when the
    // teacher says so.
    Outcome openFile(const QString& path, bool askFirst = true);
    // Opens an earlier version of the class as a new untitled class (after
    // the save question); the class on disk stays as it is.
    Outcome openEarlierVersion(const EarlierVersion& version);
    // Saves under the class's name, asking for one while it is untitled.
    Outcome save();
    // Asks for a name: a .grs name saves the class there; a spreadsheet name
    // (.xls, .xlsx, .csv) writes the grades table and changes nothing else.
    Outcome saveAs();
    // The save question when the class is dirty: Yes saves, No lets the
    // changes go, Cancel (or a save that does not happen, an export in its
    // place included) keeps the class. True when the class may be put aside.
    bool maySetAside();

    // The reset of New without its question: default settings and scale.
    void resetToNewClass();

    // Takes a class recovered after a crash as the document, its changes unsaved.
    void takeRecoveredClass(Document recovered);

    // When the window is back in use: if another program changed the class's
    // files meanwhile, a class without unsaved changes may be reloaded; one
    // with changes keeps them, and the next save asks before overwriting.
    // Each change on disk is reported once.
    void reviewChangesOnDisk();

    // This computer's grade history, opened when first needed; why it had
    // to start afresh or is off is shown once.
    GradeHistory& gradeHistory();
    // Has the history record what changed in the open class since it last
    // looked (another program's saves, another computer's); a failure is
    // said on the status line.
    void recordChangesOutside();

signals:
    // Another class (or a new one) is now the document: every page is rebuilt.
    void documentReplaced();
    // The grade file's path; empty while untitled.
    void fileNameChanged(const QString& path);
    // The class was saved (the damaged sibling files it kept may have changed).
    void saved();
    // A passing word for the status line: an export, a file kept as it was.
    void notice(const QString& text);

private:
    // "Do you wish to save changes?", naming the class's file once it has one.
    QString saveQuestion() const;
    enum class Asker { Menu, SaveQuestion };
    Outcome saveFor(Asker asker);
    Outcome saveAsFor(Asker asker);
    Outcome saveTo(const QString& path, Asker asker);
    // Whether the class at `path` may be opened here: at once unless another
    // window has it open, then as the teacher answers. `lock` receives the
    // class's open lock when it was free.
    bool mayOpen(const QString& path, std::unique_ptr<ClassLock>& lock);
    // Before a save over a grade file whose reader skipped bytes after the
    // end of the class: whether the teacher agrees to lose them (No unless
    // told otherwise).
    bool mayDropSkippedBytes();
    // Holds the open lock of the class just saved under a new name, when free.
    void lockSavedClass();
    Outcome exportTable(const QString& path, Asker asker);
    // Takes `next` as the document and says what changed.
    void replaceDocument(Document next);
    // Before a save writes over the class's own files: if another program
    // changed them since they were read or written here, asks whether to
    // overwrite them. Cancelled or Exported when the teacher chose otherwise.
    std::optional<Outcome> refuseOverwritingOthersChanges(Asker asker);
    const Document& document() const;
    // The grade file's name, as the questions name the class.
    QString className() const;

    const CommandContext& context_;
    std::unique_ptr<GradeHistory> gradeHistory_;
    // An earlier version open unsaved: its number and the class it is of,
    // whose history its first save continues.
    struct RestoredVersion {
        int number = 0;
        QString classPath;
    };
    std::optional<RestoredVersion> restored_;
};

}  // namespace markwell
