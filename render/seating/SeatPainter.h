// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QStringList>

class QPainter;

namespace markwell {

// How a seat of the seating chart looks, wherever it is drawn: on the
// Seating page, as the example of the seat dialog, and on paper.
//
// A seat is filled with a horizontal gradient of kSeatGradientSteps bands
// from its fill colour at the left to the end colour at the right, and its
// caption is drawn over it in its font, centred. Sizes are the chart's
// pixels, and caption fonts are sized for them, so a chart keeps its
// proportions on any device.

inline constexpr int kSeatGradientSteps = 255;

enum class CaptionAlignment { Left, Centre, Right };

// Colour `step` (0 to kSeatGradientSteps - 1) of the gradient: the begin
// colour at 0, the end colour exactly at the last step, each part moving
// evenly between them and always within 0..255.
QColor gradientStep(const QColor& begin, const QColor& end, int step);

// Where a student seat's gradient ends: the desktop's tool tip colour.
// The teacher's seat ends in white.
QColor studentSeatEndColour();
inline QColor teacherSeatEndColour() {
    return Qt::white;
}

// The caption's font. A face this desktop lacks is drawn with a stand-in
// (the seat keeps the face it names); points are turned into chart pixels.
QFont seatFont(const SeatingInfo& seat);

// The caption as drawn in a seat of `size`: wrapped at spaces (within a word
// that is wider than the seat alone) into as many lines as the seat's height
// holds, at least one, the last one cut short with "…" when more is left.
// Every line fits the seat's width, less a small margin at each side.
QStringList seatCaptionLines(const QString& caption, const QFont& font, const QSize& size);

// Draws the seat with its top left corner at the painter's origin, its
// width and height as stored (a seat without area draws nothing). The
// caption is laid out as seatCaptionLines says, its lines centred (or aligned)
// one under another in the middle of the seat.
void paintSeat(QPainter& painter, const SeatingInfo& seat, const QColor& endColour,
               CaptionAlignment alignment = CaptionAlignment::Centre);

}  // namespace markwell
