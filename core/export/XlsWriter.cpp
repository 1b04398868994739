// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

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

#include <memory>
#include <vector>

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

// The workbook globals: settings, styles, an entry for each worksheet and the
// shared strings. Returns where each worksheet's stream position is to be
// filled in.
std::vector<qsizetype> writeGlobals(RecordWriter& out, const Styles& styles, const SharedStrings& strings,
                                    const std::vector<QString>& names) {
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

    std::vector<qsizetype> positionsAt;
    for (const QString& name : names) {
        out.begin(rec::kBoundSheet);
        positionsAt.push_back(out.position());
        out.u32(0);  // the worksheet's BOF, filled in later
        out.u8(0);   // visible
        out.u8(0);   // a worksheet
        out.shortString(name);
        out.end();
    }

    writeU16Record(out, rec::kCountry, {1, 1});
    strings.write(out);
    out.begin(rec::kEof);
    out.end();
    return positionsAt;
}

Result<void> checkSheetsFit(const NamedSheets& sheets) {
    if (sheets.empty()) return fail(XlsWriter::tr("the workbook has no table to write"));
    for (const NamedSheet& named : sheets) {
        if (Result<void> fits = checkSheetFits(*named.sheet, kXlsMaxRows, kXlsMaxCols, QStringLiteral(".xls")); !fits) {
            return fits;
        }
    }
    return {};
}

NamedSheets onlySheet(const Sheet& sheet) {
    return {{firstSheetName(), &sheet}};
}

}  // namespace

Result<QByteArray> xlsWorkbookStream(const NamedSheets& sheets) {
    if (Result<void> fits = checkSheetsFit(sheets); !fits) return fits.error();
    // Every worksheet draws on the one table of formats and of texts.
    Styles styles(sheets.front().sheet->defaultFormat());
    SharedStrings strings;
    std::vector<std::unique_ptr<WorksheetWriter>> worksheets;
    for (const NamedSheet& named : sheets) {
        const bool selected = worksheets.empty();  // the workbook opens on the first
        worksheets.push_back(std::make_unique<WorksheetWriter>(*named.sheet, styles, strings, selected));
    }
    if (styles.formatCount() > kXlsMaxCellFormats) {
        return fail(XlsWriter::tr("the table uses %1 different cell formats; a .xls file holds at most %2. "
                                  "Save it as .xlsx or .csv instead.")
                        .arg(styles.formatCount())
                        .arg(kXlsMaxCellFormats));
    }

    RecordWriter globals(64 * 1024);
    const std::vector<qsizetype> positionsAt = writeGlobals(globals, styles, strings, worksheetNames(sheets));
    std::vector<QByteArray> heads;
    auto sheetAt = static_cast<std::uint32_t>(globals.position());
    for (std::size_t i = 0; i < worksheets.size(); ++i) {
        globals.patchU32(positionsAt[i], sheetAt);
        heads.push_back(worksheets[i]->head(sheetAt));
        sheetAt += static_cast<std::uint32_t>(heads.back().size() + worksheets[i]->body().size());
    }
    QByteArray stream = globals.bytes();
    for (std::size_t i = 0; i < worksheets.size(); ++i) stream += heads[i] + worksheets[i]->body();
    return stream;
}

Result<QByteArray> xlsWorkbookStream(const Sheet& sheet) {
    return xlsWorkbookStream(onlySheet(sheet));
}

Result<QByteArray> xlsFileBytes(const NamedSheets& sheets) {
    Result<QByteArray> stream = xlsWorkbookStream(sheets);
    if (!stream) return stream.error();
    return xlsCompoundFile(*stream, sheets.front().sheet->print().title);
}

Result<QByteArray> xlsFileBytes(const Sheet& sheet) {
    return xlsFileBytes(onlySheet(sheet));
}

Result<void> writeXlsFile(const NamedSheets& sheets, const QString& path) {
    Result<QByteArray> bytes = xlsFileBytes(sheets);
    if (!bytes) return fail(unableToCreate(path, bytes.message()));
    return writeFileAtomically(path, *bytes);
}

Result<void> writeXlsFile(const Sheet& sheet, const QString& path) {
    return writeXlsFile(onlySheet(sheet), path);
}

}  // namespace markwell
