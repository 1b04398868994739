// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>

namespace markwell::testing {

// The text of a PDF file as pdftotext gives it (layout kept), or a null
// string when pdftotext is not installed; tests then skip their text checks.
QString pdfText(const QString& path);
bool havePdfToText();
// Number of pages, from pdfinfo; 0 when it cannot tell.
int pdfPageCount(const QString& path);
// The size of the first page as pdfinfo says it ("842 x 595 pts (A4)").
QString pdfPageSize(const QString& path);

}  // namespace markwell::testing
