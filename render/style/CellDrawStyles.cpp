// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/style/CellDrawStyles.h"

#include "render/style/CellStyle.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace markwell {

struct CellStyleCache::Entry {
    CellFormat format;
    CellDrawStyle style;
    QFontMetricsF metrics;
    QHash<QString, ShapedCellText> shaped;
};

CellStyleCache::CellStyleCache(const QPaintDevice& device) : device_(device) {}

CellStyleCache::~CellStyleCache() = default;

CellStyleCache::Entry& CellStyleCache::entryFor(const CellFormat& format) {
    const std::size_t hash = hashFormat(format);
    for (auto [it, end] = entries_.equal_range(hash); it != end; ++it) {
        if (it->second->format == format) return *it->second;
    }
    const QFont font = toQFont(format.font);
    auto made = std::make_unique<Entry>(Entry{format, {}, QFontMetricsF(font, &device_), {}});
    CellDrawStyle& style = made->style;
    style.font = font;
    style.textColour = toQColor(format.font.color);
    if (format.fill.pattern == FillPattern::Solid) style.fill = toQColor(format.fill.foreground);
    style.alignment = format.alignment;
    style.ascent = made->metrics.ascent();
    style.descent = made->metrics.descent();
    style.lineHeight = made->metrics.height();
    return *entries_.emplace(hash, std::move(made))->second;
}

const CellDrawStyle& CellStyleCache::styleOf(const Entry& entry) const {
    return entry.style;
}

const ShapedCellText& CellStyleCache::shaped(Entry& entry, const QString& text) const {
    const auto found = entry.shaped.constFind(text);
    if (found != entry.shaped.constEnd()) return *found;
    // Laid out as drawText would, on the same device: the same fonts, the
    // same fallbacks for characters the font lacks.
    QTextLayout layout(text, entry.style.font, const_cast<QPaintDevice*>(&device_));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedCellText result;
    if (line.isValid()) {
        result.glyphs = line.glyphRuns();
        result.width = line.naturalTextWidth();
        result.ascent = line.ascent();
    }
    return *entry.shaped.insert(text, result);
}

CellDrawStyles::CellDrawStyles(const Sheet& sheet, const QPaintDevice& device)
    : sheet_(sheet), own_(std::make_unique<CellStyleCache>(device)), cache_(*own_) {}

CellDrawStyles::CellDrawStyles(const Sheet& sheet, CellStyleCache& shared) : sheet_(sheet), cache_(shared) {}

CellDrawStyles::~CellDrawStyles() = default;

CellStyleCache::Entry& CellDrawStyles::entry(std::uint32_t formatId) const {
    if (formatId >= entries_.size()) entries_.resize(sheet_.formatCount(), nullptr);
    CellStyleCache::Entry*& slot = entries_[formatId];
    if (!slot) slot = &cache_.entryFor(sheet_.formatById(formatId));
    return *slot;
}

const CellDrawStyle& CellDrawStyles::of(std::uint32_t formatId) const {
    return cache_.styleOf(entry(formatId));
}

const CellDrawStyles::ShapedText& CellDrawStyles::shaped(std::uint32_t formatId, const QString& text) const {
    return cache_.shaped(entry(formatId), text);
}

}  // namespace markwell
