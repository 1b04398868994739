// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/FileTypes.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace markwell {
namespace {

struct FileTypes {
    Q_DECLARE_TR_FUNCTIONS(FileTypes)
};

}  // namespace

const std::array<FileTypeInfo, 4> kFileTypes = {{
    {FileType::Grades, "grs", QT_TRANSLATE_NOOP("FileTypes", "Markwell File (*.grs)")},
    {FileType::Xls, "xls", QT_TRANSLATE_NOOP("FileTypes", "Excel File (*.xls)")},
    {FileType::Xlsx, "xlsx", QT_TRANSLATE_NOOP("FileTypes", "Excel Workbook (*.xlsx)")},
    {FileType::Csv, "csv", QT_TRANSLATE_NOOP("FileTypes", "CSV File (*.csv)")},
}};

std::optional<FileType> fileTypeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const FileTypeInfo& info : kFileTypes) {
        if (suffix.compare(QLatin1String(info.suffix), Qt::CaseInsensitive) == 0) return info.type;
    }
    return std::nullopt;
}

const FileTypeInfo& fileTypeInfo(FileType type) {
    for (const FileTypeInfo& info : kFileTypes) {
        if (info.type == type) return info;
    }
    return kFileTypes.front();
}

QString spreadsheetSuffixes() {
    QStringList suffixes;
    for (const FileTypeInfo& info : kFileTypes) {
        if (isSpreadsheet(info.type)) suffixes << QLatin1Char('.') + QLatin1String(info.suffix);
    }
    const QString last = suffixes.takeLast();
    return FileTypes::tr("%1 or %2").arg(suffixes.join(QStringLiteral(", ")), last);
}

}  // namespace markwell
