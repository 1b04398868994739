// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/sheetview/ShownColours.h"

#include <QHeaderView>

namespace markwell {

// The column headings of a sheet view. Where the sheet keeps its heading row
// in view, the headings are that row, drawn as its cells are (fill, font,
// colour, alignment); otherwise they are the grid's own letters.
class SheetHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit SheetHeader(QWidget* parent = nullptr);

    // The colours a heading of the sheet's heading row is drawn in.
    ShownColours shownColours(int logicalIndex) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace markwell
