// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace markwell {

// How the cells of one format are drawn on a device: the font with its
// metrics, the colours and the alignment.
struct CellDrawStyle {
    QFont font;
    QColor textColour;
    std::optional<QColor> fill;
    CellAlignment alignment;
    double ascent = 0;
    double descent = 0;
    double lineHeight = 0;
};

// A text shaped in a cell format's font, ready to draw: its glyphs (placed
// from the top left of its line), its advance and the height of its line
// above the baseline.
struct ShapedCellText {
    QList<QGlyphRun> glyphs;
    double width = 0;
    double ascent = 0;
};

// The draw styles of cell formats on one device, by the formats themselves,
// each made the first time it is asked for: fonts and metrics are dear to
// make, and shaping a text costs more than drawing it. A printout of many
// tables of one look (every student's report of a class) shares one, so
// that their headings, titles, percentages and letters are shaped once.
class CellStyleCache {
public:
    explicit CellStyleCache(const QPaintDevice& device);
    ~CellStyleCache();
    CellStyleCache(const CellStyleCache&) = delete;
    CellStyleCache& operator=(const CellStyleCache&) = delete;

    struct Entry;
    Entry& entryFor(const CellFormat& format);
    const CellDrawStyle& styleOf(const Entry& entry) const;
    const ShapedCellText& shaped(Entry& entry, const QString& text) const;

private:
    const QPaintDevice& device_;
    std::unordered_multimap<std::size_t, std::unique_ptr<Entry>> entries_;  // by hashFormat
};

// The draw styles of a sheet's formats on a device (see CellStyleCache), by
// the sheet's format numbers: a table of thousands of cells has a handful
// of formats. Shaped texts are kept too, as tables repeat their points,
// averages and letters.
class CellDrawStyles {
public:
    // Styles of their own.
    CellDrawStyles(const Sheet& sheet, const QPaintDevice& device);
    // Styles taken from (and kept in) `shared`, which must outlive these.
    CellDrawStyles(const Sheet& sheet, CellStyleCache& shared);
    ~CellDrawStyles();
    CellDrawStyles(const CellDrawStyles&) = delete;
    CellDrawStyles& operator=(const CellDrawStyles&) = delete;

    const CellDrawStyle& of(std::uint32_t formatId) const;
    const CellDrawStyle& at(int row, int col) const { return of(sheet_.formatId(row, col)); }
    using ShapedText = ShapedCellText;
    const ShapedText& shaped(std::uint32_t formatId, const QString& text) const;

private:
    CellStyleCache::Entry& entry(std::uint32_t formatId) const;

    const Sheet& sheet_;
    std::unique_ptr<CellStyleCache> own_;
    CellStyleCache& cache_;
    mutable std::vector<CellStyleCache::Entry*> entries_;  // by format id
};

}  // namespace markwell
