// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/PrintHeader.h"

#include <QFont>
#include <QSizeF>

class QPaintDevice;
class QPainter;

namespace markwell {

// What every page carries around its content: the header line at the top,
// with its left, centre and right sections (see sheet/PrintHeader.h), and
// "Page n of m" at the foot when there is more than one page. Measured once
// for the device it is drawn on.
class PageFrame {
public:
    // `header` in the codes of a print header; `dateText` is what "&D" prints.
    PageFrame(const QString& header, const QString& dateText, const QPaintDevice& device);

    // Room at the top (the header line and a line's gap below it; none
    // without a header) and at the foot, in device pixels.
    double headerHeight() const { return headerHeight_; }
    double footerHeight() const { return footerHeight_; }

    // Draws the header and, when `count` > 1 (or always, see below), the
    // page number, on a page whose paintable area is `area`.
    void draw(QPainter& painter, const QSizeF& area, int number, int count) const;

    // "Page 1 of 1" too: the pages of a student's report in a class's set
    // say where each report ends.
    void numberEveryPage() { everyPage_ = true; }

private:
    double width(const std::vector<HeaderRun>& runs) const;
    void drawRuns(QPainter& painter, const std::vector<HeaderRun>& runs, double x, double baseline) const;

    const QPaintDevice& device_;
    PrintHeaderParts parts_;
    QFont font_;
    double headerHeight_ = 0;
    double footerHeight_ = 0;
    bool everyPage_ = false;
};

}  // namespace markwell
