// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QCoreApplication>
#include <QString>

class QAction;
class QDialog;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;
class QWidget;

namespace markwell {

class Sheet;
class SheetView;
class UserDialogs;

// Pieces every report window is made of.
class ReportWindowParts {
    Q_DECLARE_TR_FUNCTIONS(ReportWindowParts)

public:
    // A table the teacher can select and copy from but not type into.
    static SheetView* readOnlyView(const QString& objectName);
    // Shows a sheet that was (re)built, from its top left cell.
    static void show(SheetView* view, Sheet* sheet);

    // "&Print" and "&Close" at the foot of the window; Close (also Esc)
    // closes it, Ctrl+P prints as Print does.
    static QDialogButtonBox* closeAndPrintButtons(QDialog* window, QPushButton** print);

    // Ctrl+Tab and Ctrl+PgDn show the next page, Ctrl+Shift+Tab and
    // Ctrl+PgUp the one before, wherever the focus is in the window.
    static void addPageKeys(QDialog* window, QTabWidget* pages);

    // Prints a report table after the print dialog; a failure is shown.
    static void print(QWidget* window, UserDialogs& dialogs, const Sheet& sheet);
};

}  // namespace markwell
