// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/reports/ReportFolder.h"

#include "core/common/Cp1252.h"
#include "core/document/DocumentFiles.h"
#include "core/files/AtomicFile.h"
#include "core/files/SafeFileNames.h"
#include "render/paging/PrintProgress.h"
#include "render/reports/ClassReportsPrintout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace markwell {
namespace {

struct ReportFolderText {
    Q_DECLARE_TR_FUNCTIONS(ReportFolder)
};

}  // namespace

QStringList studentReportFileNames(const ClassRecord& cls, const std::vector<int>& students) {
    QStringList names;
    names.reserve(static_cast<qsizetype>(students.size()));
    for (int student : students) names << cp1252::toUnicode(cls.students.at(static_cast<std::size_t>(student)).name);
    return distinctFileNames(names, QStringLiteral(".pdf"));
}

namespace {

Result<ReportFolder> writeInto(const QString& folder, const ClassReports& reports, const std::vector<int>& students,
                               PrintProgress* progress) {
    ReportFolder result;
    const QDir dir(folder);
    for (const QString& name : studentReportFileNames(reports.classRecord(), students)) {
        result.paths << dir.filePath(name);
    }
    // A file of the folder that is (a link to) one of the class's own would be written over.
    if (!reports.classPath().isEmpty()) {
        for (const QString& path : result.paths) {
            if (Result<void> spared = checkOutputSparesInputs(path, classFilePathsFor(reports.classPath())); !spared) {
                return spared.error();
            }
        }
    }
    Result<FileSetWriter> set = FileSetWriter::begin(result.paths);
    if (!set) return set.error();
    const int count = static_cast<int>(students.size());
    for (int i = 0; i < count; ++i) {
        if (progress && !progress->pageStarting(i + 1, count)) return ReportFolder{PrintOutcome::Cancelled, {}};
        const Result<QByteArray> pdf = studentReportPdf(reports, students[static_cast<std::size_t>(i)]);
        if (!pdf) return fail(unableToCreate(result.paths.at(i), pdf.message()));
        if (Result<void> written = set->write(static_cast<std::size_t>(i), *pdf); !written) return written.error();
    }
    if (Result<void> committed = set->commit(); !committed) return committed.error();
    return result;
}

}  // namespace

Result<ReportFolder> writeReportFolder(const ClassReports& reports, const std::vector<int>& students,
                                       const QString& folder, PrintProgress* progress) {
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) return fail(unableToCreate(folder, ReportFolderText::tr("it is not a folder")));
    const bool made = !info.exists();
    if (made && !QDir().mkpath(folder)) {
        return fail(unableToCreate(folder, ReportFolderText::tr("the folder cannot be made")));
    }
    Result<ReportFolder> written = writeInto(folder, reports, students, progress);
    // A folder made for reports that were never written goes again.
    if (made && (!written || written->outcome == PrintOutcome::Cancelled)) QDir().rmdir(folder);
    return written;
}

}  // namespace markwell
