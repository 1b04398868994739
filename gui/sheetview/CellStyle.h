#pragma once

#include "sheet/CellFormat.h"
#include "sheet/Sheet.h"

#include <QColor>
#include <QFont>

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

// Pixels of one width unit of a column (the width of "0" in 10-point type)
// on the device, or on the screen when device is null.
double characterUnitWidth(const QPaintDevice* device = nullptr);

// A column width in units as pixels on the device, with the cell padding.
int columnPixels(double units, const QPaintDevice* device = nullptr);

// "General" alignment puts numbers right and text left, as spreadsheets do.
Qt::Alignment toQtAlignment(const CellAlignment& alignment, CellKind kind);

}  // namespace markwell
