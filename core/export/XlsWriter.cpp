#include "core/export/XlsWriter.h"

#include "core/export/BiffRecordWriter.h"
#include "core/export/BiffSharedStrings.h"
#include "core/export/BiffStyles.h"
#include "core/export/BiffWorksheet.h"
#include "core/export/ExportSupport.h"
#include "core/export/OleCompoundFile.h"
#include "core/files/AtomicFile.h"
#include "core/sheet/Sheet.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct XlsWriter {
    Q_DECLARE_TR_FUNCTIONS(XlsWriter)
};

using namespace biff;

constexpr std::uint16_t kUtf16Codepage = 1200;
// Spreadsheet programs read at most about 4,000 cell formats from an .xls file.
constexpr std::size_t kXlsMaxCellFormats = 4000;

void writeWindow1(RecordWriter& out) {
    out.begin(rec::kWindow1);
    out.u16(0x0000);  // window position and size in twips
    out.u16(0x0000);
    out.u16(0x4000);
    out.u16(0x2000);
    out.u16(0x0038);  // scroll bars and sheet tabs shown
    out.u16(0);       // active sheet
    out.u16(0);       // first tab shown
    out.u16(1);       // selected sheets
    out.u16(600);     // tab bar width ratio
    out.end();
}

// The workbook globals: settings, styles, the sheet's entry and the shared
// strings. Returns where the sheet's stream position is to be filled in.
qsizetype writeGlobals(RecordWriter& out, const Styles& styles, const SharedStrings& strings) {
    writeBof(out, kGlobalsSubstream);
    writeU16Record(out, rec::kCodepage, {kUtf16Codepage});
    writeU16Record(out, rec::kWindowProtect, {0});
    writeU16Record(out, rec::kProtect, {0});
    writeU16Record(out, rec::kPassword, {0});
    writeWindow1(out);
    writeU16Record(out, rec::kBackup, {0});
    writeU16Record(out, rec::kHideObj, {0});
    writeU16Record(out, rec::kDateMode, {0});
    writeU16Record(out, rec::kPrecision, {1});
    writeU16Record(out, rec::kBookBool, {0});
    styles.write(out);

    out.begin(rec::kBoundSheet);
    const qsizetype sheetPositionAt = out.position();
    out.u32(0);  // the worksheet's BOF, filled in later
    out.u8(0);   // visible
    out.u8(0);   // a worksheet
    out.shortString(QStringLiteral("Sheet1"));
    out.end();

    writeU16Record(out, rec::kCountry, {1, 1});
    strings.write(out);
    out.begin(rec::kEof);
    out.end();
    return sheetPositionAt;
}

}  // namespace

Result<QByteArray> xlsWorkbookStream(const Sheet& sheet) {
    if (Result<void> fits = checkSheetFits(sheet, kXlsMaxRows, kXlsMaxCols, QStringLiteral(".xls")); !fits) {
        return fits.error();
    }
    Styles styles(sheet.defaultFormat());
    SharedStrings strings;
    const WorksheetWriter worksheet(sheet, styles, strings);
    if (styles.formatCount() > kXlsMaxCellFormats) {
        return fail(XlsWriter::tr("the table uses %1 different cell formats; a .xls file holds at most %2. "
                                  "Save it as .xlsx or .csv instead.")
                        .arg(styles.formatCount()).arg(kXlsMaxCellFormats));
    }

    RecordWriter globals(64 * 1024);
    const qsizetype sheetPositionAt = writeGlobals(globals, styles, strings);
    const auto sheetAt = static_cast<std::uint32_t>(globals.position());
    globals.patchU32(sheetPositionAt, sheetAt);

    QByteArray stream = globals.bytes();
    stream += worksheet.head(sheetAt);
    stream += worksheet.body();
    return stream;
}

Result<QByteArray> xlsFileBytes(const Sheet& sheet) {
    Result<QByteArray> stream = xlsWorkbookStream(sheet);
    if (!stream) return stream.error();
    return xlsCompoundFile(*stream, sheet.print().title);
}

Result<void> writeXlsFile(const Sheet& sheet, const QString& path) {
    Result<QByteArray> bytes = xlsFileBytes(sheet);
    if (!bytes) return fail(unableToCreate(path, bytes.message()));
    return writeFileAtomically(path, *bytes);
}

}  // namespace markwell
