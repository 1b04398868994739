// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/reports/StudentReportPages.h"

#include "render/paging/PageFrame.h"
#include "render/paging/PageSetup.h"
#include "render/style/CellDrawStyles.h"
#include "render/style/CellStyle.h"
#include "render/table/CellPainter.h"
#include "render/table/SheetPageLayout.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <iterator>
#include <limits>

namespace markwell {
namespace {

QFont textFont(double points, bool bold = false) {
    CellFont font;
    font.size = points;
    font.bold = bold;
    return toQFont(font);
}

// A report's tables are narrow; one that is not is shrunk to the page's
// width rather than cut.
constexpr int kSmallestTablePercent = 50;

// A part longer than this share of a page may start low on a page and go on
// over the next; a shorter one is kept whole.
constexpr double kMostOfAPage = 0.8;

PrintoutOptions tableOptions() {
    PrintoutOptions options;
    options.repeatRows = 1;
    options.repeatCols = 1;  // a table too wide even shrunk goes on below, its names again
    return options;
}

}  // namespace

struct StudentReportPages::Paragraph {
    QTextLayout layout;
};

// A table measured for the page's width, all its rows on one endless page:
// the flow decides where its pages break.
struct StudentReportPages::Table {
    Table(const Sheet& table, CellStyleCache& cache, const QPaintDevice& device, double width)
        : sheet(table), styles(table, cache),
          layout(table, tableOptions(), styles, device, QSizeF(width, std::numeric_limits<double>::max())) {
        for (int band = 0; band < bandCount(); ++band) bandRows.push_back(rowsOfBand(band));
    }

    double rowHeight(int row) const { return layout.rowHeight(row) * layout.scale(); }
    // The parts of a table too wide for the page, one under the other:
    // each holds some of its columns, and the rows that have something there.
    int bandCount() const { return static_cast<int>(layout.pages().size()); }
    double height() const {
        double height = 0;
        for (const std::vector<int>& rows : bandRows) {
            for (int row : rows) height += rowHeight(row);
        }
        return height;
    }

    const Sheet& sheet;
    CellDrawStyles styles;
    SheetPageLayout layout;
    std::vector<std::vector<int>> bandRows;

private:
    bool hasTextIn(int row, const std::vector<int>& cols) const {
        return std::any_of(cols.begin(), cols.end(), [&](int col) { return !sheet.text(row, col).isEmpty(); });
    }
    // The first band has every row. A later one leaves out the rows empty in
    // its own columns (the names again beside nothing), and blank rows but
    // those between two it keeps, so that a table whose blocks differ in
    // width (Why under weights) does not go on with a list of bare names.
    std::vector<int> rowsOfBand(int band) const {
        const std::vector<int> cols = layout.colsOn(layout.pages()[static_cast<std::size_t>(band)]);
        std::vector<int> own;
        std::copy_if(cols.begin(), cols.end(), std::back_inserter(own),
                     [&](int col) { return band == 0 || col > tableOptions().repeatCols; });
        std::vector<int> rows;
        int pendingBlank = 0;
        for (int row = 1; row <= sheet.maxRow(); ++row) {
            if (band == 0 || hasTextIn(row, own)) {
                if (pendingBlank > 0 && !rows.empty()) rows.push_back(pendingBlank);
                pendingBlank = 0;
                rows.push_back(row);
            } else if (!hasTextIn(row, cols)) {
                pendingBlank = row;
            }
        }
        return rows;
    }
};

// A line of a paragraph, or a row of a table, where it goes on its page.
struct StudentReportPages::Placed {
    double y = 0;
    int paragraph = -1;
    int line = 0;
    int table = -1;
    int row = 0;
    int band = 0;
};

// Places things one under the other down the pages' room.
class StudentReportPages::Flow {
public:
    Flow(std::vector<std::vector<Placed>>& pages, double room) : pages_(pages), room_(room) { pages_.emplace_back(); }

    // Whether something this high fits on the page (anything does at its top).
    bool fits(double height) const { return atPageTop() || y_ + height <= room_; }
    void breakPage() {
        pages_.emplace_back();
        y_ = 0;
    }
    // Starts a new page first when the thing does not fit on this one.
    void place(Placed placed, double height) {
        if (!fits(height)) breakPage();
        placed.y = y_;
        pages_.back().push_back(placed);
        y_ += height;
    }
    // Room between blocks; none at the top of a page.
    void gap(double height) {
        if (!atPageTop()) y_ = std::min(y_ + height, room_);
    }
    bool atPageTop() const { return y_ == 0; }
    // Whether something this high is short enough to move to the next page
    // whole: a longer part would leave most of this page empty.
    bool shortOfAPage(double height) const { return height <= room_ * kMostOfAPage; }

private:
    std::vector<std::vector<Placed>>& pages_;
    double room_;
    double y_ = 0;
};

StudentReportPages::StudentReportPages(StudentReport report, const QPaintDevice& device, const QSizeF& area,
                                       CellStyleCache& styles, const QString& dateText)
    : report_(std::move(report)), device_(device), area_(area), styles_(styles),
      frame_(std::make_unique<PageFrame>(report_.printHeader, dateText, device)) {
    frame_->numberEveryPage();
    const double room = std::max(area.height() - frame_->headerHeight() - frame_->footerHeight(), area.height() / 4);
    Flow flow(pages_, room);
    layOut(flow);
}

StudentReportPages::~StudentReportPages() = default;

int StudentReportPages::addParagraph(const QString& text, const QFont& font) {
    auto paragraph = std::make_unique<Paragraph>();
    QTextLayout& layout = paragraph->layout;
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(shown);
    layout.setFont(QFont(font, &device_));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area_.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    paragraphs_.push_back(std::move(paragraph));
    return static_cast<int>(paragraphs_.size()) - 1;
}

int StudentReportPages::addTable(Sheet& sheet) {
    sheet.print().fitToPageWidth = true;
    sheet.print().minimumScalePercent = kSmallestTablePercent;
    tables_.push_back(std::make_unique<Table>(sheet, styles_, device_, area_.width()));
    return static_cast<int>(tables_.size()) - 1;
}

void StudentReportPages::placeParagraph(Flow& flow, int paragraph) {
    const QTextLayout& layout = paragraphs_[static_cast<std::size_t>(paragraph)]->layout;
    for (int line = 0; line < layout.lineCount(); ++line) {
        flow.place({0, paragraph, line, -1, 0}, layout.lineAt(line).height());
    }
}

void StudentReportPages::placeTable(Flow& flow, int table, double bandGap) {
    const Table& t = *tables_[static_cast<std::size_t>(table)];
    for (int band = 0; band < t.bandCount(); ++band) {
        const std::vector<int>& rows = t.bandRows[static_cast<std::size_t>(band)];
        if (rows.empty()) continue;
        if (band > 0) flow.gap(bandGap);
        const bool hasHeading = rows.front() == 1;
        for (const int row : rows) {
            const double height = t.rowHeight(row);
            // A table going on over a new page shows its heading row there again.
            if (row != rows.front() && !flow.fits(height)) {
                flow.breakPage();
                if (hasHeading) flow.place({0, -1, 0, table, 1, band}, t.rowHeight(1));
            }
            flow.place({0, -1, 0, table, row, band}, height);
        }
    }
}

// What should share a page with a part's heading: the whole part when it
// is short (a table of a few months is never split), else the
// table's heading row and first row, or the first line of its text.
double StudentReportPages::keptWithHeading(const Flow& flow, int table, int paragraph) const {
    double whole = 0;
    double first = 0;
    if (table >= 0) {
        const Table& t = *tables_[static_cast<std::size_t>(table)];
        whole += t.height();
        first = t.rowHeight(1) + (t.sheet.maxRow() > 1 ? t.rowHeight(2) : 0);
    }
    if (paragraph >= 0) {
        const QTextLayout& layout = paragraphs_[static_cast<std::size_t>(paragraph)]->layout;
        whole += layout.boundingRect().height();
        if (table < 0 && layout.lineCount() > 0) first = layout.lineAt(0).height();
    }
    return flow.shortOfAPage(whole) ? whole : first;
}

void StudentReportPages::layOut(Flow& flow) {
    const QFont body = textFont(10);
    const double lineGap = QFontMetricsF(body, &device_).height();
    placeParagraph(flow, addParagraph(report_.name, textFont(14, true)));
    placeParagraph(flow, addParagraph(report_.summary, body));
    if (!report_.note.isEmpty()) {
        flow.gap(lineGap);
        placeParagraph(flow, addParagraph(report_.note, body));
    }
    for (ReportSection& section : report_.sections) {
        const int heading = addParagraph(section.title, textFont(11, true));
        const int table = section.table ? addTable(*section.table) : -1;
        const int text = section.text.isEmpty() ? -1 : addParagraph(section.text, body);
        flow.gap(lineGap);
        const double headingHeight = paragraphs_[static_cast<std::size_t>(heading)]->layout.boundingRect().height();
        if (!flow.fits(headingHeight + lineGap / 3 + keptWithHeading(flow, table, text))) flow.breakPage();
        placeParagraph(flow, heading);
        flow.gap(lineGap / 3);
        if (table >= 0) placeTable(flow, table, lineGap / 2);
        if (text >= 0) {
            if (table >= 0) flow.gap(lineGap / 2);
            placeParagraph(flow, text);
        }
    }
}

void StudentReportPages::drawLine(QPainter& painter, const Placed& placed) const {
    const QTextLine line = paragraphs_[static_cast<std::size_t>(placed.paragraph)]->layout.lineAt(placed.line);
    painter.setPen(Qt::black);
    line.draw(&painter, QPointF(0, placed.y - line.y()));
}

void StudentReportPages::drawRow(QPainter& painter, const Placed& placed) const {
    const Table& t = *tables_[static_cast<std::size_t>(placed.table)];
    const SheetPageLayout& layout = t.layout;
    painter.save();
    painter.translate(0, placed.y);
    painter.scale(layout.scale(), layout.scale());
    CellPainter cells(painter, t.sheet, t.styles, layout.padding());
    double x = 0;
    for (int col : layout.colsOn(layout.pages()[static_cast<std::size_t>(placed.band)])) {
        cells.draw(placed.row, col, QRectF(x, 0, layout.colWidth(col), layout.rowHeight(placed.row)));
        x += layout.colWidth(col);
    }
    painter.restore();
}

void StudentReportPages::drawPage(QPainter& painter, int index) const {
    if (index < 0 || index >= pageCount()) return;
    frame_->draw(painter, area_, index + 1, pageCount());
    painter.translate(0, frame_->headerHeight());
    for (const Placed& placed : pages_[static_cast<std::size_t>(index)]) {
        if (placed.table >= 0) drawRow(painter, placed);
        else drawLine(painter, placed);
    }
}

ReportPicture studentReportPicture(StudentReport report, int dotsPerInch, const QString& dateText) {
    const QPageLayout paper = standardPageLayout();
    const QRect full = paper.fullRectPixels(dotsPerInch);
    const QRect paintable = paper.paintRectPixels(dotsPerInch);
    QImage image(full.size(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    CellStyleCache styles(image);
    const StudentReportPages pages(std::move(report), image, QSizeF(paintable.size()), styles, dateText);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(paintable.topLeft());
    pages.drawPage(painter, 0);
    painter.end();
    return {image, pages.pageCount()};
}

}  // namespace markwell
