// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/files/FileTypes.h"
#include "gui/shared/UserDialogs.h"

#include <QString>
#include <QStringList>

namespace markwell {

// The file dialogs' filters, in the language of the program.
QString fileFilter(FileType type);
// Every type a class can be saved or exported as, the grade file first.
QStringList allFileFilters();
// The spreadsheet types alone (.xls first): what a report is saved as.
QStringList spreadsheetFilters();
// Asking for a grade file to open, starting in `folder` (empty: the current one).
UserDialogs::FileRequest gradeFileRequest(const QString& title, const QString& folder);

}  // namespace markwell
