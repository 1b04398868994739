// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QColor>

namespace markwell {

// Colours chosen for paper and for the light window they were made on may be
// hard to read on another screen (a dark theme, a theme's own selection
// colour). Text is readable at a contrast ratio of 4.5:1 or more, measured
// on relative luminance as the web's accessibility guidelines measure it.
inline constexpr double kReadableContrast = 4.5;

// 0 for black to 1 for white, as the eye weighs red, green and blue.
double relativeLuminance(const QColor& colour);
// From 1 (the same luminance) to 21 (black on white); the order does not matter.
double contrastRatio(const QColor& first, const QColor& second);

// `text` itself when it reads well on `background`; otherwise the same hue
// made lighter or darker just enough, or black or white, whichever reads better.
QColor readableOn(const QColor& text, const QColor& background);

}  // namespace markwell
