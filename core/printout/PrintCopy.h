// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/DateText.h"
#include "core/data/Records.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <initializer_list>
#include <vector>

namespace markwell {

// What a printout of a page's table is made from: a copy of the table as it
// stands (the page's own table is never changed by printing), with the
// header "&L" + file path + "&R&D" (the path at the left, the date at the
// right), the path as the print job's title, and its widths fitted.

// The header that prints `path` at the left, `centre` (when given) in the
// middle and the date at the right. An "&" in the texts is doubled so that
// it prints as itself.
QString printHeaderFor(const QString& path, const QString& centre = {});
// The same with `title` in the centre as a heading: bold, underlined, 12
// point; a title that starts with a digit keeps its digits (the point size
// comes before the bold and underline switches, so "2nd period" is not read
// as a size of 122).
QString printHeaderWithTitle(const QString& path, const QString& title);

// The grades table as printed: with grid lines as the page shows them, and,
// when `withIds` is set, "Student ID's" at the top of the first column and
// each student row's name replaced by the ID of the first student of that
// name, "(no ID)" when that student has none (a row whose name belongs to no
// student keeps it). The separator and
// the Total row print with the last students, never alone on a page.
Sheet gradesPrintCopy(const Sheet& grades, const std::vector<StudentInfo>& students, const QString& path, bool withIds);

// Puts "Student ID's" at the top of column 1 and, in rows 2 to `lastRow`,
// each name's ID in its place: the ID of the first student of that name in
// the first roster that has one; "(no ID)" when that student has none. A
// name no roster has stays.
void putIdsInPlaceOfNames(Sheet& copy, int lastRow, std::initializer_list<const std::vector<StudentInfo>*> rosters);

// The attendance table of a month as printed: always with grid lines, the
// month and year as `locale` writes them ("December 2026") in the middle of
// the header, on a page turned on its side and shrunk to fit the month's
// days across it.
Sheet attendancePrintCopy(const Sheet& attendance, const QString& attendPath, int month, int year,
                          const QLocale& locale = englishLocale());

}  // namespace markwell
