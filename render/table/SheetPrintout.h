// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/sheet/Sheet.h"
#include "render/paging/Printout.h"
#include "render/table/SheetPageLayout.h"

#include <QSizeF>

#include <memory>
#include <vector>

class QPaintDevice;

namespace markwell {

class PrintProgress;

// A sheet printed on pages: the column widths and fonts of the sheet, its
// fills and alignment, grid lines when its print settings ask for them, the
// header with its left, centre and right sections, and "Page n of m" at the
// foot. Long tables continue down the pages with the heading row repeated,
// wide ones across with the frozen columns repeated. The printer, the print
// preview and PDF files all draw through this.
class SheetPrintout : public Printout {
public:
    explicit SheetPrintout(const Sheet& sheet, PrintoutOptions options = {});
    ~SheetPrintout() override;

    // The sheet's print title (the class file's path).
    QString title() const override;
    // The orientation the sheet's print settings ask for; when they leave it
    // open, on its side when the table is wider than the upright page.
    QPageLayout::Orientation orientationFor(const QPageLayout& layout) const override;
    int layOut(const QPaintDevice& device) override;
    void drawPage(QPainter& painter, int index) const override;

    // The pages and the table's scale of the last layout.
    const std::vector<SheetPage>& pages() const;
    double scale() const;

    // The pages for a paintable area of the device (device pixels).
    std::vector<SheetPage> paginate(const QPaintDevice& device, const QSizeF& area);

private:
    struct Laid;
    void layOut(const QPaintDevice& device, const QSizeF& area);
    void drawTable(QPainter& painter, const SheetPage& page) const;

    const Sheet& sheet_;
    PrintoutOptions options_;
    std::unique_ptr<Laid> laid_;
};

// The sheet's printout as a PDF file (see writePdf).
Result<PrintOutcome> writeSheetPdf(const Sheet& sheet, const QString& path, const PrintoutOptions& options = {},
                                   PrintProgress* progress = nullptr);

}  // namespace markwell
