// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/reports/ClassReportsPrintout.h"

#include "render/paging/PageSetup.h"
#include "render/paging/PdfFile.h"
#include "render/paging/PrintProgress.h"
#include "render/reports/StudentReportPages.h"
#include "render/style/CellDrawStyles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPaintDevice>
#include <QPdfWriter>

#include <algorithm>

namespace markwell {
namespace {

struct ClassReportsText {
    Q_DECLARE_TR_FUNCTIONS(ClassReportsPrintout)
};

QString dateTextOf(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

QSizeF areaOf(const QPaintDevice& device) {
    return {static_cast<double>(device.width()), static_cast<double>(device.height())};
}

}  // namespace

ClassReportsPrintout::ClassReportsPrintout(const ClassReports& reports, std::vector<int> students, QDate date)
    : reports_(reports), students_(std::move(students)), dateText_(dateTextOf(date)) {}

ClassReportsPrintout::~ClassReportsPrintout() = default;

QString ClassReportsPrintout::title() const {
    return reports_.classPath();
}

QPageLayout::Orientation ClassReportsPrintout::orientationFor(const QPageLayout&) const {
    return QPageLayout::Portrait;
}

int ClassReportsPrintout::layOut(const QPaintDevice& device) {
    drawnPages_.reset();  // laid out for the device before
    device_ = &device;
    styles_ = std::make_unique<CellStyleCache>(device);
    layoutStopped_ = false;
    firstPages_.assign(1, 0);
    const int count = static_cast<int>(students_.size());
    for (int i = 0; i < count; ++i) {
        if (layoutProgress_ && !layoutProgress_->pageStarting(i + 1, count)) {
            layoutStopped_ = true;
            firstPages_.assign(1, 0);
            return 0;
        }
        const StudentReportPages pages(reports_.reportOf(students_[static_cast<std::size_t>(i)]), device,
                                       areaOf(device), *styles_, dateText_);
        firstPages_.push_back(firstPages_.back() + pages.pageCount());
    }
    return firstPages_.back();
}

const StudentReportPages& ClassReportsPrintout::pagesOf(std::size_t nth) const {
    if (!drawnPages_ || drawn_ != nth) {
        drawnPages_.reset();
        drawnPages_ = std::make_unique<StudentReportPages>(reports_.reportOf(students_[nth]), *device_,
                                                           areaOf(*device_), *styles_, dateText_);
        drawn_ = nth;
    }
    return *drawnPages_;
}

void ClassReportsPrintout::drawPage(QPainter& painter, int index) const {
    if (!device_ || index < 0 || index >= firstPages_.back()) return;
    // The report whose pages run past `index`.
    const auto next = std::upper_bound(firstPages_.begin(), firstPages_.end(), index);
    const auto nth = static_cast<std::size_t>(next - firstPages_.begin() - 1);
    pagesOf(nth).drawPage(painter, index - firstPages_[nth]);
}

Result<PrintOutcome> writeClassReportsPdf(const ClassReports& reports, const std::vector<int>& students,
                                          const QString& path, PrintProgress* progress) {
    ClassReportsPrintout printout(reports, students);
    return writePdf(printout, path, progress);
}

Result<QByteArray> studentReportPdf(const ClassReports& reports, int student, QDate date) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ClassReportsPrintout printout(reports, {student}, date);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(printout.title());
        writer.setCreator(QStringLiteral("Computerized Markwell"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(pageLayoutFor(printout));
        const Result<PrintOutcome> printed = printPages(printout, writer);
        if (!printed) return printed.error();
    }
    if (bytes.isEmpty()) return fail(ClassReportsText::tr("The report could not be drawn."));
    return bytes;
}

}  // namespace markwell
