// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/ClassOverview.h"
#include "core/scales/ScaleSnapshot.h"
#include "core/sheet/Sheet.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace markwell {

class ClassOverviewReader;
class SheetView;
class UserDialogs;

// "My Classes": every class of a folder, or of the recent-files list, in one
// table (see overviewSheet), with the letter counts and how many students
// are at or below a chosen letter. The classes are read in the background
// with progress and Cancel; a file that cannot be read is a row with its
// reason. The folder, the choice of source and the letter are remembered.
// Double-click (or Open) chooses a class for the main window to open.
class MyClassesWindow : public QDialog {
    Q_OBJECT
public:
    // `classFolder`: where to look when no folder was chosen before (the
    // open class's folder, or none).
    MyClassesWindow(const ScaleStore& scales, UserDialogs& dialogs, const QString& classFolder,
                    QWidget* parent = nullptr);
    ~MyClassesWindow() override;

    // The class chosen to open; empty unless the window ended that way.
    const QString& chosenClass() const { return chosen_; }

    // Reads the classes of the source chosen, anew.
    void readClasses();
    bool isReading() const;
    const Sheet& sheet() const { return sheet_; }
    const std::vector<ClassSummary>& classes() const { return classes_; }
    QString statusText() const;

    QRadioButton* folderButton() const { return folder_; }
    QRadioButton* recentButton() const { return recent_; }
    QLineEdit* folderBox() const { return folderPath_; }
    QComboBox* letterChoice() const { return letters_; }
    SheetView* table() const { return view_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* openButton() const { return open_; }

    // Opens the class of the table's row `row` (from 2), as a double-click does.
    void openRow(int row);

private:
    QWidget* makeSourceChoice();
    void chooseFolder();
    void showProgress(int done, int count);
    void showClasses(const std::vector<ClassSummary>& classes, bool cancelled);
    void showTable();
    // The letters of the classes read, each once, best first.
    void offerLetters();
    void printTable();
    void remember() const;

    ScaleSnapshot scales_;
    UserDialogs& dialogs_;
    ClassOverviewReader* reader_;
    std::vector<ClassSummary> classes_;
    Sheet sheet_;
    QString chosen_;
    QRadioButton* folder_ = nullptr;
    QRadioButton* recent_ = nullptr;
    QLineEdit* folderPath_ = nullptr;
    QComboBox* letters_ = nullptr;
    SheetView* view_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* open_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace markwell
