// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/ReadableColours.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace markwell {
namespace {

double linearChannel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(channel(from.redF(), to.redF())),
                            static_cast<float>(channel(from.greenF(), to.greenF())),
                            static_cast<float>(channel(from.blueF(), to.blueF())));
}

// The first step from `text` towards `end` that reads on `background`.
std::optional<QColor> firstReadableTowards(const QColor& text, const QColor& end, const QColor& background) {
    constexpr int kSteps = 20;
    for (int step = 1; step <= kSteps; ++step) {
        const QColor candidate = mixed(text, end, static_cast<double>(step) / kSteps);
        if (contrastRatio(candidate, background) >= kReadableContrast) return candidate;
    }
    return std::nullopt;
}

}  // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background) {
    if (contrastRatio(text, background) >= kReadableContrast) return text;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    // Away from the background first: lighter on a dark one, darker on a light one.
    const bool darkBackground = contrastRatio(white, background) >= contrastRatio(black, background);
    const QColor away = darkBackground ? white : black;
    if (const auto found = firstReadableTowards(text, away, background)) return *found;
    const QColor other = darkBackground ? black : white;
    if (const auto found = firstReadableTowards(text, other, background)) return *found;
    return away;
}

}  // namespace markwell
