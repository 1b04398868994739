// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/ImportAssignmentsDialog.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"

#include <QTreeWidget>

namespace markwell {

ImportAssignmentsDialog::ImportAssignmentsDialog(UserDialogs& dialogs, const QString& classPath, QWidget* parent)
    : ClassImportDialog(dialogs, classPath, new QTreeWidget, tr("&Assignments (Ctrl+A selects them all)"), parent),
      list_(static_cast<QTreeWidget*>(listView())) {
    setWindowTitle(tr("Import Assignments"));
    setObjectName(QStringLiteral("importAssignmentsDialog"));
    setHelpTopic(this, HelpTopic::Assignments);
    list_->setColumnCount(3);
    list_->setHeaderLabels({tr("Name"), tr("Type"), tr("Description")});
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setMinimumWidth(480);
}

void ImportAssignmentsDialog::showClass(const ClassRecord& cls) {
    assignments_ = cls.assignments;
    list_->clear();
    for (const AssignmentInfo& a : assignments_) {
        // A description shows on one line in its row.
        const int type = assignmentTypeIndex(a.assign_type);
        const QString typeShown = type >= 0 ? assignmentTypeLabel(type) : cp1252::toUnicode(a.assign_type);
        list_->addTopLevelItem(new QTreeWidgetItem(
            {cp1252::toUnicode(a.title), typeShown, cp1252::toUnicode(a.description).simplified()}));
    }
    for (int col = 0; col < 2; ++col) list_->resizeColumnToContents(col);
    listShown();
}

std::vector<AssignmentInfo> ImportAssignmentsDialog::selectedAssignments() const {
    std::vector<AssignmentInfo> chosen;
    for (int row : selectedRows()) chosen.push_back(assignments_[static_cast<std::size_t>(row)]);
    return chosen;
}

}  // namespace markwell
