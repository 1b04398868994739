// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/style/CellDrawStyles.h"

#include "render/style/CellStyle.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace markwell {

struct CellDrawStyles::Entry {
    CellDrawStyle style;
    QFontMetricsF metrics;
    QHash<QString, ShapedText> shaped;
};

CellDrawStyles::CellDrawStyles(const Sheet& sheet, const QPaintDevice& device) : sheet_(sheet), device_(device) {}

CellDrawStyles::~CellDrawStyles() = default;

CellDrawStyles::Entry& CellDrawStyles::entry(std::uint32_t formatId) const {
    if (formatId >= entries_.size()) entries_.resize(sheet_.formatCount());
    std::unique_ptr<Entry>& slot = entries_[formatId];
    if (slot) return *slot;

    const CellFormat& format = sheet_.formatById(formatId);
    const QFont font = toQFont(format.font);
    slot = std::make_unique<Entry>(Entry{{}, QFontMetricsF(font, &device_), {}});
    CellDrawStyle& style = slot->style;
    style.font = font;
    style.textColour = toQColor(format.font.color);
    if (format.fill.pattern == FillPattern::Solid) style.fill = toQColor(format.fill.foreground);
    style.alignment = format.alignment;
    style.ascent = slot->metrics.ascent();
    style.descent = slot->metrics.descent();
    style.lineHeight = slot->metrics.height();
    return *slot;
}

const CellDrawStyle& CellDrawStyles::of(std::uint32_t formatId) const {
    return entry(formatId).style;
}

const CellDrawStyles::ShapedText& CellDrawStyles::shaped(std::uint32_t formatId, const QString& text) const {
    Entry& e = entry(formatId);
    const auto found = e.shaped.constFind(text);
    if (found != e.shaped.constEnd()) return *found;
    // Laid out as drawText would, on the same device: the same fonts, the
    // same fallbacks for characters the font lacks.
    QTextLayout layout(text, e.style.font, const_cast<QPaintDevice*>(&device_));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedText result;
    if (line.isValid()) {
        result.glyphs = line.glyphRuns();
        result.width = line.naturalTextWidth();
        result.ascent = line.ascent();
    }
    return *e.shaped.insert(text, result);
}

}  // namespace markwell
