// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QCoreApplication>

class QAction;
class QObject;

namespace markwell {

// The actions of a table of grades, made alike wherever such a table is
// shown (the main window, the merged report): Copy, Grid Lines (checkable),
// Font and the two sorts, with their texts, keys and icons.
struct TableActions {
    Q_DECLARE_TR_FUNCTIONS(TableActions)

public:
    QAction* copy = nullptr;
    QAction* gridLines = nullptr;
    QAction* font = nullptr;
    QAction* sortAscending = nullptr;
    QAction* sortDescending = nullptr;

    // Makes every action, owned by `owner`.
    static TableActions create(QObject* owner);
};

}  // namespace markwell
