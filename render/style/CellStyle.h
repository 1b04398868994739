// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/CellFormat.h"
#include "core/sheet/Sheet.h"

#include <QColor>
#include <QFont>

#include <vector>

class QPaintDevice;

namespace markwell {

// How a cell format of the core looks on this desktop: shared by the sheet
// view and the printout so that both show the same table.

QColor toQColor(PlatformColour colour);
PlatformColour toPlatformColour(const QColor& colour);

// The family to draw a face with. Class files name the faces of the desktop
// they were made on ("MS Sans Serif", "Arial", "Courier New"); a face this
// desktop lacks is drawn with its sans-serif, serif or fixed-pitch family.
QString availableFamily(const QString& face);

QFont toQFont(const CellFont& font);

// Pixels of one width unit of a column (the width of "0" in 10-point type
// of the face) on the device, or on the screen when device is null.
double characterUnitWidth(const QString& face, const QPaintDevice* device = nullptr);

// The face a sheet's widths are measured in: that of its body (row 2), as
// the widths of its columns were fitted to the body's text.
QString bodyFace(const Sheet& sheet);

// The widths of all columns on the device (pixels, by column - 1): each
// column's width in units, widened where its longest texts need more room in
// their own fonts plus `padding` (the room left and right of a text).
// Numbers are written in digits, which the unit is made of, so only texts
// are measured, and only the few longest of each column.
std::vector<double> columnWidthsOn(const Sheet& sheet, double padding, const QPaintDevice* device = nullptr);
// The same for some columns only, in the order given.
std::vector<double> columnWidthsOn(const Sheet& sheet, double padding, const QPaintDevice* device,
                                   const std::vector<int>& cols);

// "General" alignment puts numbers right and text left, as spreadsheets do.
Qt::Alignment toQtAlignment(const CellAlignment& alignment, CellKind kind);

}  // namespace markwell
