// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/editing/Change.h"
#include "core/scores/ScorePlan.h"
#include "core/sheet/Sheet.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace markwell {

class SettingsStore;
class SheetView;
class UserDialogs;

// "Import Scores": the scores of a gradebook saved as CSV by a learning
// system or a spreadsheet, shown before anything changes. The Students tab
// shows each row of the file and the student it goes to (the teacher may
// choose another, leave it out or add it as a new student); the Columns tab
// what each column is used for (an assignment, a new one, a student's
// detail, or nothing, with the reason); the Changes tab every score that
// would change; the Problems tab what must be settled first, by line and
// column. Import is enabled once nothing is left to settle; the choices are
// remembered for the next file of the same layout.
class ImportScoresDialog : public QDialog {
    Q_OBJECT
public:
    ImportScoresDialog(UserDialogs& dialogs, SettingsStore& settings, const ClassRecord& cls,
                       QWidget* parent = nullptr);
    ~ImportScoresDialog() override;

    // Reads the file and shows what importing it would do; false, after
    // saying why, when the file is refused (the file shown before stays).
    bool openScoreFile(const QString& path);

    // The import as the dialog shows it, once accepted: one change of the
    // class, naming the file the scores came from.
    Change importChange() const;
    const QString& scoreFile() const { return path_; }
    const ScorePlan& plan() const { return plan_; }

    // The entries of the Student column's list of a row and of the Use
    // column's list of a column, in order, as the tables offer them.
    QStringList rowChoices() const;
    QStringList columnChoices() const;

    QTableWidget* studentTable() const { return students_; }
    QTableWidget* columnTable() const { return columns_; }
    SheetView* changesView() const { return changesView_; }
    QListWidget* problemList() const { return problems_; }
    QLabel* countsLabel() const { return counts_; }
    QPushButton* importButton() const { return import_; }
    QComboBox* matchCombo() const { return match_; }
    QCheckBox* missingAsZeroBox() const { return missingAsZero_; }
    QCheckBox* addStudentsBox() const { return addStudents_; }

    // Student table columns, and column table columns.
    enum StudentColumn { LineCol, InFileCol, StudentCol, RowNoteCol };
    enum ColumnColumn { HeadingCol, UseCol, TypeCol, PossibleCol, ColumnNoteCol };

public slots:
    // Remembers the choices for the layout, then closes with Accepted.
    void accept() override;

private:
    void buildOptions(QWidget* box);
    QWidget* buildStudentsPage();
    void buildColumnsPage();
    void buildChangesPage();
    void chooseFile();
    void fillTables();
    void optionsChanged();
    void rowChosen(QTableWidgetItem* item);
    void columnChosen(QTableWidgetItem* item);
    // Works the plan out again from the choices and shows it.
    void replan();
    void showRows();
    void showColumns();
    void showChanges();
    QString rowStudentText(std::size_t row) const;
    QString columnUseText(std::size_t column) const;
    int columnUseIndex(const ColumnUse& use) const;
    ColumnUse columnUseAt(std::size_t column, int choice) const;

    UserDialogs& dialogs_;
    SettingsStore& settings_;
    const ClassRecord& cls_;
    QString path_;
    ScoreTable table_;
    ScoreMapping mapping_;
    ScorePlan plan_;
    Sheet changesSheet_;
    bool showing_ = false;  // while the tables are being filled, their edits are the dialog's own

    QLineEdit* file_;
    QLabel* layout_;
    QComboBox* match_;
    QCheckBox* missingAsZero_;
    QCheckBox* addStudents_;
    QTableWidget* students_;
    QListWidget* notInFile_;
    QTableWidget* columns_;
    SheetView* changesView_;
    QListWidget* problems_;
    QLabel* counts_;
    QPushButton* import_;
};

}  // namespace markwell
