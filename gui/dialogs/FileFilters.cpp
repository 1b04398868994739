#include "dialogs/FileFilters.h"

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

}  // namespace markwell
