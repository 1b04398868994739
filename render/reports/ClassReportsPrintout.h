// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/StudentReport.h"
#include "render/paging/Printout.h"

#include <QDate>

#include <memory>
#include <vector>

namespace markwell {

class CellStyleCache;
class PrintProgress;
class StudentReportPages;

// The reports of the chosen students one after the other, each from a new
// page and numbered on its own ("Page 1 of 2" of that student): one print
// job or one PDF file for the whole class.
//
// Laying out goes through every report to count its pages, and keeps only
// the count: a class of thousands is never held in memory at once. Drawing
// builds each report again when its first page comes (pages are drawn in
// order), so a long job costs the time of its reports, not their memory.
class ClassReportsPrintout : public Printout {
public:
    // `reports` must outlive the printout; `students` index its class.
    ClassReportsPrintout(const ClassReports& reports, std::vector<int> students, QDate date = QDate::currentDate());
    ~ClassReportsPrintout() override;

    QString title() const override;
    QPageLayout::Orientation orientationFor(const QPageLayout& layout) const override;
    int layOut(const QPaintDevice& device) override;
    void drawPage(QPainter& painter, int index) const override;

    // Told of each student before their report is laid out ("student n of
    // m"), and asked whether to go on: laying out a large class takes a
    // while before the first page. A stop leaves no pages to draw.
    void setLayoutProgress(PrintProgress* progress) { layoutProgress_ = progress; }
    bool layoutStopped() const { return layoutStopped_; }

    // The first page (from 0) of each student's report after layOut, and
    // one past the last page at the end.
    const std::vector<int>& firstPages() const { return firstPages_; }

private:
    const StudentReportPages& pagesOf(std::size_t nth) const;

    const ClassReports& reports_;
    std::vector<int> students_;
    QString dateText_;
    const QPaintDevice* device_ = nullptr;
    std::unique_ptr<CellStyleCache> styles_;
    std::vector<int> firstPages_;
    PrintProgress* layoutProgress_ = nullptr;
    bool layoutStopped_ = false;
    // The report being drawn.
    mutable std::size_t drawn_ = 0;
    mutable std::unique_ptr<StudentReportPages> drawnPages_;
};

// The reports as one PDF file, written as writePdf writes (nothing is left
// behind when it fails or is cancelled). `progress` is asked page by page.
Result<PrintOutcome> writeClassReportsPdf(const ClassReports& reports, const std::vector<int>& students,
                                          const QString& path, PrintProgress* progress = nullptr);

// One student's report as the bytes of a PDF file: what goes into a folder
// of reports, or into a message to the family.
Result<QByteArray> studentReportPdf(const ClassReports& reports, int student, QDate date = QDate::currentDate());

}  // namespace markwell
