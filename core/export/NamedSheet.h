// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>

#include <vector>

namespace markwell {

class Sheet;

// One worksheet of a workbook: the tab's name and the table on it. The table
// is borrowed and must outlive the writing.
struct NamedSheet {
    QString name;
    const Sheet* sheet = nullptr;
};
using NamedSheets = std::vector<NamedSheet>;

// What a one-table workbook names its only worksheet.
QString firstSheetName();

// The name as a worksheet tab can hold it: at most 31 characters, none of
// : \ / ? * [ ] (each becomes "_"), not starting or ending with "'", and
// never empty ("Sheet<n>" for the n-th, counting from 1). Names that come out
// alike (ignoring case, as spreadsheet programs compare them) are told apart
// by a " (2)", " (3)", ... at the end.
std::vector<QString> worksheetNames(const NamedSheets& sheets);

}  // namespace markwell
