// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/StudentReport.h"

#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QFont;
class QPaintDevice;
class QPainter;

namespace markwell {

class CellStyleCache;
class PageFrame;

// One student's report laid out on pages, top to bottom: the student's name
// and summary, the note to the family, then each part under its heading.
// A table that does not fit goes on over the next page with its heading row
// again, a shorter one starts on a new page rather than being split; a
// heading never ends a page. Every page carries the report's header
// (class file, student, date) and "Page n of m" of this report.
class StudentReportPages {
public:
    // Lays the report out for a paintable area of the device (device
    // pixels). The tables' styles come from `styles`, made for the same
    // device, which must outlive these pages.
    StudentReportPages(StudentReport report, const QPaintDevice& device, const QSizeF& area, CellStyleCache& styles,
                       const QString& dateText);
    ~StudentReportPages();
    StudentReportPages(const StudentReportPages&) = delete;
    StudentReportPages& operator=(const StudentReportPages&) = delete;

    const StudentReport& report() const { return report_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Draws page `index` (from 0); the painter's origin is the top left of
    // the paintable area.
    void drawPage(QPainter& painter, int index) const;

private:
    struct Paragraph;
    struct Table;
    struct Placed;
    class Flow;

    void layOut(Flow& flow);
    void placeTable(Flow& flow, int table, double bandGap);
    void placeParagraph(Flow& flow, int paragraph);
    int addParagraph(const QString& text, const QFont& font);
    int addTable(Sheet& sheet);
    double keptWithHeading(const Flow& flow, int table, int paragraph) const;
    void drawRow(QPainter& painter, const Placed& placed) const;
    void drawLine(QPainter& painter, const Placed& placed) const;

    StudentReport report_;
    const QPaintDevice& device_;
    QSizeF area_;
    CellStyleCache& styles_;
    std::vector<std::unique_ptr<Paragraph>> paragraphs_;
    std::vector<std::unique_ptr<Table>> tables_;
    std::unique_ptr<PageFrame> frame_;
    std::vector<std::vector<Placed>> pages_;
};

// A page of the report as a picture of the standard paper (see
// paging/PageSetup.h) at `dotsPerInch`, for a preview on the screen, with
// the number of pages the report takes.
struct ReportPicture {
    QImage page;
    int pageCount = 0;
};
ReportPicture studentReportPicture(StudentReport report, int dotsPerInch, const QString& dateText);

}  // namespace markwell
