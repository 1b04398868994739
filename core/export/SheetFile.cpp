#include "export/SheetFile.h"

#include "export/CsvWriter.h"
#include "export/XlsWriter.h"
#include "export/XlsxWriter.h"
#include "files/AtomicFile.h"

#include <QFileInfo>

namespace markwell {

std::optional<SheetFileType> sheetFileTypeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xls")) return SheetFileType::Xls;
    if (suffix == QLatin1String("xlsx")) return SheetFileType::Xlsx;
    if (suffix == QLatin1String("csv")) return SheetFileType::Csv;
    return std::nullopt;
}

QString supportedSheetFileTypes() { return QStringLiteral(".xls, .xlsx or .csv"); }

Result<void> writeSheetFile(const Sheet& sheet, const QString& path) {
    const std::optional<SheetFileType> type = sheetFileTypeOf(path);
    if (!type) {
        const QString suffix = QFileInfo(path).suffix();
        const QString what = suffix.isEmpty() ? QStringLiteral("the file name has no extension")
                                              : QStringLiteral("\".%1\" is not a spreadsheet type Markwell writes").arg(suffix);
        return fail(unableToCreate(path, what + QStringLiteral("; use ") + supportedSheetFileTypes() + QLatin1Char('.')));
    }
    switch (*type) {
    case SheetFileType::Xls: return writeXlsFile(sheet, path);
    case SheetFileType::Xlsx: return writeXlsxFile(sheet, path);
    case SheetFileType::Csv: return writeCsvFile(sheet, path);
    }
    return {};
}

}  // namespace markwell
