// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/FileFilters.h"

#include <QCoreApplication>

namespace markwell {

QString fileFilter(FileType type) {
    return QCoreApplication::translate("FileTypes", fileTypeInfo(type).filter);
}

QStringList allFileFilters() {
    QStringList filters;
    for (const FileTypeInfo& info : kFileTypes) filters << fileFilter(info.type);
    return filters;
}

QStringList spreadsheetFilters() {
    QStringList filters;
    for (const FileTypeInfo& info : kFileTypes) {
        if (isSpreadsheet(info.type)) filters << fileFilter(info.type);
    }
    return filters;
}

UserDialogs::FileRequest gradeFileRequest(const QString& title, const QString& folder) {
    UserDialogs::FileRequest request;
    request.title = title;
    request.filters = {fileFilter(FileType::Grades)};
    request.defaultSuffix = QLatin1String(fileTypeInfo(FileType::Grades).suffix);
    request.folder = folder;
    return request;
}

}  // namespace markwell
