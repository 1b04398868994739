// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/Icons.h"

#include <QAction>

namespace markwell {
namespace {

struct IconNames {
    const char* theme;    // freedesktop name, or null when the theme has none for it
    const char* shipped;  // under :/icons/
};

IconNames namesOf(ToolIcon which) {
    switch (which) {
    case ToolIcon::New: return {"document-new", "new"};
    case ToolIcon::Open: return {"document-open", "open"};
    case ToolIcon::Save: return {"document-save", "save"};
    case ToolIcon::Print: return {"document-print", "print"};
    case ToolIcon::Merge: return {nullptr, "merge"};
    case ToolIcon::Mail: return {"mail-send", "mail"};
    case ToolIcon::AttendanceAnalysis: return {nullptr, "attendance-analysis"};
    case ToolIcon::StudentList: return {nullptr, "student-list"};
    case ToolIcon::AssignmentList: return {nullptr, "assignment-list"};
    case ToolIcon::EditGrades: return {nullptr, "edit-grades"};
    case ToolIcon::GradeScale: return {nullptr, "grade-scale"};
    case ToolIcon::Copy: return {"edit-copy", "copy"};
    case ToolIcon::GridLines: return {nullptr, "grid-lines"};
    case ToolIcon::Font: return {"preferences-desktop-font", "font"};
    case ToolIcon::SortAscending: return {"view-sort-ascending", "sort-ascending"};
    case ToolIcon::SortDescending: return {"view-sort-descending", "sort-descending"};
    case ToolIcon::Graph: return {nullptr, "graph"};
    case ToolIcon::AddSeat: return {nullptr, "add-seat"};
    case ToolIcon::EditSeat: return {nullptr, "edit-seat"};
    case ToolIcon::DeleteSeat: return {nullptr, "delete-seat"};
    case ToolIcon::Undo: return {"edit-undo", "undo"};
    case ToolIcon::Redo: return {"edit-redo", "redo"};
    }
    return {nullptr, "new"};
}

QString shippedPath(const char* name) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}

}  // namespace

QIcon shippedIcon(ToolIcon which) {
    return QIcon(shippedPath(namesOf(which).shipped));
}

QIcon toolIcon(ToolIcon which) {
    const IconNames names = namesOf(which);
    const QIcon shipped(shippedPath(names.shipped));
    if (!names.theme) return shipped;
    return QIcon::fromTheme(QLatin1String(names.theme), shipped);
}

QIcon applicationIcon() {
    return QIcon::fromTheme(QStringLiteral("markwell"), QIcon(QStringLiteral(":/icons/markwell.svg")));
}

QAction* makeToolAction(QObject* owner, const QString& text, ToolIcon icon, const QString& hint,
                        const QKeySequence& key) {
    auto* action = new QAction(text, owner);
    if (!key.isEmpty()) action->setShortcut(key);
    action->setIcon(toolIcon(icon));
    action->setToolTip(key.isEmpty() ? hint
                                     : QStringLiteral("%1 (%2)").arg(hint, key.toString(QKeySequence::NativeText)));
    action->setStatusTip(hint);
    return action;
}

}  // namespace markwell
