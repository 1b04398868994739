// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QPageLayout>

namespace markwell {

class Printout;

// The paper every printout starts from, on a printer as in a PDF file, so
// that both give the same pages: A4 (Letter where the locale measures in
// inches) with 15 mm margins.
constexpr double kStandardMarginMm = 15;
// No printout goes nearer the edge of the paper than this, whatever a
// dialog was set to: printers cannot reach the very edge.
constexpr double kMinimumMarginMm = 10;
// Dots per inch of PDF files, written by markwell-cli and by the print
// dialog's "Print to File" alike.
constexpr int kPdfResolution = 600;

QPageLayout standardPageLayout();

// The layout with every margin at least kMinimumMarginMm.
QPageLayout withMinimumMargins(const QPageLayout& layout);

// The standard page turned the way the printout asks.
QPageLayout pageLayoutFor(const Printout& printout);

}  // namespace markwell
