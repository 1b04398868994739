// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Document.h"
#include "core/document/DiskStamps.h"
#include "core/document/DocumentFiles.h"
#include "core/grading/GradesTable.h"
#include "core/grading/StudentRowUpdate.h"
#include "core/seating/SeatingEditor.h"
#include "gui/document/ChangeScope.h"

#include <QObject>

#include <memory>
#include <optional>

namespace markwell {

class Change;
class ClassHistory;
class ClassLock;
class RecoveryKeeper;

// The class open in a window, and all that goes with it: the document, its
// history of changes, the grades table worked out from it, the stamps of its
// files as last read or written here, its open lock and its recovery copy.
// Every change goes through apply (or the history), and `changed` says what
// it touched, so that the window redraws that part alone; another class
// comes in through replace, a save through save.
class OpenClass : public QObject {
    Q_OBJECT
public:
    explicit OpenClass(QObject* parent = nullptr);
    ~OpenClass() override;

    const Document& document() const { return document_; }
    ClassHistory& history() const { return *history_; }
    RecoveryKeeper& recoveryKeeper() const { return *recovery_; }

    // The grades table as last worked out. The window's view keeps its
    // selection in it, hence not const.
    GradesTable& grades() { return grades_; }
    const GradesTable& grades() const { return grades_; }
    // Works the whole grades table out anew from the class.
    void workOutGrades();
    // Redoes the student row `row` of the grades table in place; nothing
    // when it cannot be, and the whole table was worked out anew instead.
    std::optional<RowUpdate> workOutGradesRow(int row);

    // An editor of the seats that reads them here and changes them only
    // through `door`, which the caller points at apply.
    std::unique_ptr<SeatingEditor> seatingEditor(SeatingEditor::Door door);

    // Makes the change through the history (see ClassHistory::apply).
    Result<void> apply(const Change& change, const ChangeScope& scope = ChangeScope::everything());

    // Another class is now the one open (new, opened, recovered, reloaded):
    // nothing of the one before can be undone into it, its files' stamps
    // are taken anew and the recovery copy follows it. The open lock is the
    // caller's to keep or let go.
    void replace(Document next);
    // Saves the class under `path` (see saveClass). Once every file is
    // written the class is clean, its stamps are taken and its recovery copy goes.
    Result<ClassWritten> save(const QString& path, const SaveOptions& options);

    // Whether the class's files differ from what was last read or written here.
    bool filesChangedOnDisk() const;
    // Whether they changed again since that was last asked: each change on
    // disk is told once.
    bool takeNewChangeOnDisk();

    // The open lock of the class, when this window holds it.
    const ClassLock* openLock() const { return openLock_.get(); }
    void holdOpenLock(std::unique_ptr<ClassLock> lock);

signals:
    // A change, an undo or a redo touched `scope` of the class.
    void changed(const ChangeScope& scope);

private:
    void stampFiles();

    Document document_;
    GradesTable grades_;
    std::unique_ptr<ClassHistory> history_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    // The class's files as this window last read or wrote them.
    ClassFileStamps diskStamps_;
    // The files as they were when a change on disk was last told.
    ClassFileStamps reportedStamps_;
    std::unique_ptr<ClassLock> openLock_;
};

}  // namespace markwell
