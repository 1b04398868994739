// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "gui/shared/HelpTopics.h"

#include <QDialog>
#include <QList>

class QAbstractItemView;
class QPushButton;

namespace markwell {

class GradeFileChooser;
class UserDialogs;

// What the two import dialogs share: the "File" row, a multi-select list of
// what the chosen file holds, and OK, possible once something is selected.
class ClassImportDialog : public QDialog {
    Q_OBJECT
public:
    GradeFileChooser* fileChooser() const { return chooser_; }

protected:
    ClassImportDialog(UserDialogs& dialogs, const QString& classPath, QAbstractItemView* list, const QString& listLabel,
                      QWidget* parent);

    QAbstractItemView* listView() const { return list_; }
    // Fills the list from the file just read.
    virtual void showClass(const ClassRecord& cls) = 0;
    // The rows selected, in list order.
    QList<int> selectedRows() const;
    // After the list is filled: the focus goes to it and OK is the default.
    void listShown();

private:
    void updateOk();

    GradeFileChooser* chooser_;
    QAbstractItemView* list_;
    QPushButton* ok_;
};

}  // namespace markwell
