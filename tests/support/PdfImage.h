// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QImage>
#include <QString>

namespace markwell::testing {

// Page `page` (from 1) of a PDF file as an image of `dpi` dots per inch,
// from pdftoppm; a null image when pdftoppm is not installed or fails.
QImage pdfPageImage(const QString& path, int page = 1, int dpi = 72);
bool havePdfToPpm();

}  // namespace markwell::testing
