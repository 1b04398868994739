// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/TableActions.h"

#include "gui/shared/Icons.h"

#include <QAction>

namespace markwell {

TableActions TableActions::create(QObject* owner) {
    TableActions a;
    a.copy = makeToolAction(owner, tr("&Copy"), ToolIcon::Copy, tr("Copy"), QKeySequence::Copy);
    a.gridLines = makeToolAction(owner, tr("&Grid Lines"), ToolIcon::GridLines, tr("Toggle Grid Lines"));
    a.gridLines->setCheckable(true);
    a.font = makeToolAction(owner, tr("&Font..."), ToolIcon::Font, tr("Font"));
    a.sortAscending = makeToolAction(owner, tr("&Ascending"), ToolIcon::SortAscending, tr("Sort Ascending"));
    a.sortDescending = makeToolAction(owner, tr("&Descending"), ToolIcon::SortDescending, tr("Sort Descending"));
    return a;
}

}  // namespace markwell
