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

// The draw styles of a sheet's formats on a device, each made the first time
// a cell of its format is drawn or measured: a table of thousands of cells
// has a handful of formats, and fonts and metrics are dear to make. Shaped
// texts are kept too, as tables repeat their points, averages and letters:
// shaping a text costs more than drawing it.
class CellDrawStyles {
public:
    CellDrawStyles(const Sheet& sheet, const QPaintDevice& device);
    ~CellDrawStyles();
    CellDrawStyles(const CellDrawStyles&) = delete;
    CellDrawStyles& operator=(const CellDrawStyles&) = delete;

    const CellDrawStyle& of(std::uint32_t formatId) const;
    const CellDrawStyle& at(int row, int col) const { return of(sheet_.formatId(row, col)); }
    // `text` shaped in the style of format `formatId`, ready to draw: its
    // glyphs (placed from the top left of its line), its advance and the
    // height of its line above the baseline.
    struct ShapedText {
        QList<QGlyphRun> glyphs;
        double width = 0;
        double ascent = 0;
    };
    const ShapedText& shaped(std::uint32_t formatId, const QString& text) const;

private:
    struct Entry;
    Entry& entry(std::uint32_t formatId) const;

    const Sheet& sheet_;
    const QPaintDevice& device_;
    mutable std::vector<std::unique_ptr<Entry>> entries_;  // by format id
};

}  // namespace markwell
