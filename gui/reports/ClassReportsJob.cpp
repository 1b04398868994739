// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/ClassReportsJob.h"

#include "gui/printing/PrintJob.h"
#include "gui/shared/UserDialogs.h"
#include "render/paging/PdfFile.h"
#include "render/paging/PrintProgress.h"
#include "render/reports/ClassReportsPrintout.h"

#include <QCoreApplication>
#include <QPrinter>

#include <memory>

namespace markwell {
namespace {

struct ClassReportsJob {
    Q_DECLARE_TR_FUNCTIONS(ClassReportsJob)
};

// The progress of a job of many reports: the preparing of each report in one
// progress window, then its pages in another, which takes its place. A
// Cancel while preparing stops the job before anything is opened.
class ReportJobProgress : public PrintProgress {
public:
    ReportJobProgress(QWidget* parent, UserDialogs& dialogs, ClassReportsPrintout& printout)
        : parent_(parent), dialogs_(dialogs), printout_(printout),
          preparing_(dialogs.showProgress(parent, ClassReportsJob::tr("Preparing report %1 of %2..."))) {
        printout_.setLayoutProgress(preparing_.get());
    }
    ~ReportJobProgress() override { printout_.setLayoutProgress(nullptr); }
    ReportJobProgress(const ReportJobProgress&) = delete;
    ReportJobProgress& operator=(const ReportJobProgress&) = delete;

    bool pageStarting(int page, int count) override {
        if (printout_.layoutStopped()) return false;
        if (!printing_) {
            printout_.setLayoutProgress(nullptr);
            preparing_.reset();
            printing_ = dialogs_.showProgress(parent_, ClassReportsJob::tr("Printing page %1 of %2..."));
        }
        return printing_->pageStarting(page, count);
    }

private:
    QWidget* parent_;
    UserDialogs& dialogs_;
    ClassReportsPrintout& printout_;
    std::unique_ptr<PrintProgress> preparing_;
    std::unique_ptr<PrintProgress> printing_;
};

}  // namespace

Result<PrintOutcome> printClassReports(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                       const std::vector<int>& students) {
    ClassReportsPrintout printout(reports, students);
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, printout);
    if (!dialogs.choosePrinter(parent, printer)) return PrintOutcome::Cancelled;
    if (!printer.isValid()) {
        return fail(ClassReportsJob::tr("The printer \"%1\" cannot be used.").arg(printer.printerName()));
    }
    ReportJobProgress progress(parent, dialogs, printout);
    return printOn(printer, printout, &progress);
}

Result<std::optional<int>> saveClassReportsPdf(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                               const std::vector<int>& students, const QString& path) {
    ClassReportsPrintout printout(reports, students);
    ReportJobProgress progress(parent, dialogs, printout);
    const Result<PrintOutcome> written = writePdf(printout, path, &progress);
    if (!written) return written.error();
    if (*written == PrintOutcome::Cancelled) return std::optional<int>();
    return std::optional<int>(printout.firstPages().back());
}

Result<ReportFolder> saveReportFolder(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                      const std::vector<int>& students, const QString& folder) {
    const std::unique_ptr<PrintProgress> progress =
        dialogs.showProgress(parent, ClassReportsJob::tr("Writing report %1 of %2..."));
    return writeReportFolder(reports, students, folder, progress.get());
}

Result<void> previewClassReports(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                 const std::vector<int>& students) {
    ClassReportsPrintout printout(reports, students);
    return previewPrintout(parent, dialogs, printout);
}

}  // namespace markwell
