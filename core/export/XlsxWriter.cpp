// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/XlsxWriter.h"

#include "core/export/ExportSupport.h"
#include "core/files/AtomicFile.h"
#include "core/sheet/Sheet.h"

#include <QCoreApplication>
#include <QFile>

#include <xlsxwriter.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace markwell {
namespace {

struct XlsxWriter {
    Q_DECLARE_TR_FUNCTIONS(XlsxWriter)
};

lxw_color_t lxwColour(PlatformColour colour) {
    const std::uint32_t rgb = rgbOf(colour);
    return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : rgb;  // 0 means "no colour" to the library
}

std::uint8_t horizontal(HAlign a) {
    switch (a) {
    case HAlign::General: return LXW_ALIGN_NONE;
    case HAlign::Left: return LXW_ALIGN_LEFT;
    case HAlign::Center: return LXW_ALIGN_CENTER;
    case HAlign::Right: return LXW_ALIGN_RIGHT;
    }
    return LXW_ALIGN_NONE;
}

std::uint8_t vertical(VAlign a) {
    switch (a) {
    case VAlign::Top: return LXW_ALIGN_VERTICAL_TOP;
    case VAlign::Center: return LXW_ALIGN_VERTICAL_CENTER;
    case VAlign::Bottom: return LXW_ALIGN_VERTICAL_BOTTOM;
    }
    return LXW_ALIGN_VERTICAL_BOTTOM;
}

// The workbook's formats, one per distinct cell format.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* of(const CellFormat& format) {
        if (const auto it = byAddress_.find(&format); it != byAddress_.end()) return it->second;
        lxw_format* made = nullptr;
        for (const auto& [known, lxw] : made_) {
            if (known == format) made = lxw;
        }
        if (!made) {
            made = make(format);
            made_.emplace_back(format, made);
        }
        byAddress_.emplace(&format, made);
        return made;
    }

private:
    lxw_format* make(const CellFormat& f) {
        lxw_format* format = workbook_add_format(workbook_);
        format_set_font_name(format, f.font.name.toUtf8().constData());
        format_set_font_size(format, f.font.size);
        if (f.font.bold) format_set_bold(format);
        if (f.font.italic) format_set_italic(format);
        if (f.font.underline) format_set_underline(format, LXW_UNDERLINE_SINGLE);
        if (f.font.strikeOut) format_set_font_strikeout(format);
        format_set_font_color(format, lxwColour(f.font.color));
        if (f.fill.pattern == FillPattern::Solid) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, lxwColour(f.fill.foreground));
        }
        if (f.alignment.horizontal != HAlign::General) format_set_align(format, horizontal(f.alignment.horizontal));
        if (f.alignment.vertical != VAlign::Bottom) format_set_align(format, vertical(f.alignment.vertical));
        if (f.alignment.wrap) format_set_text_wrap(format);
        if (!f.numberFormat.isEmpty() && f.numberFormat.compare(QLatin1String("General"), Qt::CaseInsensitive) != 0) {
            format_set_num_format(format, f.numberFormat.toUtf8().constData());
        }
        return format;
    }

    lxw_workbook* workbook_;
    std::unordered_map<const CellFormat*, lxw_format*> byAddress_;
    std::vector<std::pair<CellFormat, lxw_format*>> made_;
};

Result<void> check(lxw_error error) {
    if (error == LXW_NO_ERROR) return {};
    return fail(QString::fromUtf8(lxw_strerror(error)));
}

Result<void> writeCells(const Sheet& sheet, lxw_worksheet* worksheet, Formats& formats) {
    const CellFormat& plain = sheet.defaultFormat();
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        for (int col = 1; col <= sheet.maxCol(); ++col) {
            const CellKind kind = sheet.kind(row, col);
            const CellFormat& format = sheet.format(row, col);
            if (kind == CellKind::Empty && (&format == &plain || format == plain)) continue;
            lxw_format* lxw = formats.of(format);
            const auto r = static_cast<lxw_row_t>(row - 1);
            const auto c = static_cast<lxw_col_t>(col - 1);
            lxw_error error = LXW_NO_ERROR;
            if (kind == CellKind::Number && std::isfinite(sheet.number(row, col))) {
                error = worksheet_write_number(worksheet, r, c, sheet.number(row, col), lxw);
            } else if (kind != CellKind::Empty) {
                error =
                    worksheet_write_string(worksheet, r, c, exportedText(sheet, row, col).toUtf8().constData(), lxw);
            } else {
                error = worksheet_write_blank(worksheet, r, c, lxw);
            }
            if (Result<void> ok = check(error); !ok) {
                return fail(XlsxWriter::tr("cell %1: %2").arg(cellName(row, col), ok.message()));
            }
        }
    }
    return {};
}

Result<void> writeLayout(const Sheet& sheet, lxw_worksheet* worksheet) {
    for (const ColumnRun& run : columnWidthRuns(sheet)) {
        lxw_row_col_options hidden{};
        hidden.hidden = 1;
        const lxw_error error = worksheet_set_column_opt(
            worksheet, static_cast<lxw_col_t>(run.first - 1), static_cast<lxw_col_t>(run.last - 1),
            run.width <= 0 ? 0 : std::min(run.width, 255.0), nullptr, run.width <= 0 ? &hidden : nullptr);
        if (Result<void> ok = check(error); !ok) return ok;
    }
    if (sheet.fixedCols() > 0 && sheet.fixedCols() < kXlsxMaxCols) {
        worksheet_freeze_panes(worksheet, 0, static_cast<lxw_col_t>(sheet.fixedCols()));
    }
    const PrintSettings& print = sheet.print();
    // The library only switches grid lines on after hiding them all.
    worksheet_gridlines(worksheet, LXW_HIDE_ALL_GRIDLINES);
    const int gridLines =
        (sheet.showGridLines() ? LXW_SHOW_SCREEN_GRIDLINES : 0) | (print.gridLines ? LXW_SHOW_PRINT_GRIDLINES : 0);
    if (gridLines != 0) worksheet_gridlines(worksheet, static_cast<std::uint8_t>(gridLines));
    if (print.centerHorizontally) worksheet_center_horizontally(worksheet);
    const QString header = storableHeader(print.header);
    if (!header.isEmpty()) {
        if (Result<void> ok = check(worksheet_set_header(worksheet, header.toUtf8().constData())); !ok) {
            return fail(XlsxWriter::tr("print header: %1").arg(ok.message()));
        }
    }
    return {};
}

Result<void> writeWorksheets(const NamedSheets& sheets, lxw_workbook* workbook) {
    Formats formats(workbook);
    const std::vector<QString> names = worksheetNames(sheets);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const QByteArray name = names[i].toUtf8();
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, name.constData());
        if (!worksheet) return fail(XlsxWriter::tr("the worksheet could not be added"));
        if (Result<void> written = writeCells(*sheets[i].sheet, worksheet, formats); !written) return written;
        if (Result<void> written = writeLayout(*sheets[i].sheet, worksheet); !written) return written;
    }
    return {};
}

Result<void> writeWorkbook(const NamedSheets& sheets, const QString& tempPath) {
    lxw_workbook_options options{};
    lxw_workbook* workbook = workbook_new_opt(QFile::encodeName(tempPath).constData(), &options);
    if (!workbook) return fail(XlsxWriter::tr("the workbook could not be started"));

    Result<void> written = writeWorksheets(sheets, workbook);
    const QByteArray title = sheets.front().sheet->print().title.toUtf8();
    lxw_doc_properties properties{};
    if (written && !title.isEmpty()) {
        properties.title = const_cast<char*>(title.constData());
        written = check(workbook_set_properties(workbook, &properties));
    }
    // Closing also frees the workbook, so it happens on every path.
    errno = 0;
    const lxw_error closed = workbook_close(workbook);
    const int systemError = errno;
    if (!written) return written;
    if (closed != LXW_NO_ERROR && systemError != 0) {
        return fail(QString::fromUtf8(lxw_strerror(closed)) + QLatin1Char(' ') +
                    QString::fromLocal8Bit(std::strerror(systemError)) + QLatin1Char('.'));
    }
    return check(closed);
}

}  // namespace

Result<void> writeXlsxFile(const NamedSheets& sheets, const QString& path) {
    if (sheets.empty()) return fail(unableToCreate(path, XlsxWriter::tr("the workbook has no table to write")));
    for (const NamedSheet& named : sheets) {
        if (Result<void> fits = checkSheetFits(*named.sheet, kXlsxMaxRows, kXlsxMaxCols, QStringLiteral(".xlsx"));
            !fits) {
            return fail(unableToCreate(path, fits.message()));
        }
    }
    return writeFileAtomicallyVia(path, [&](const QString& tempPath) { return writeWorkbook(sheets, tempPath); });
}

Result<void> writeXlsxFile(const Sheet& sheet, const QString& path) {
    return writeXlsxFile(NamedSheets{{firstSheetName(), &sheet}}, path);
}

}  // namespace markwell
