// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// seats FILE: the seating chart of a class, one line per seat.

#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"

#include "core/common/Cp1252.h"
#include "core/data/ClassRecord.h"
#include "core/files/FileBytes.h"
#include "core/files/SeatingFile.h"

#include <QFileInfo>

namespace markwell::cli {
namespace {

QString hexColour(PlatformColour colour) {
    return QStringLiteral("#%1").arg(rgbOf(colour), 6, 16, QLatin1Char('0'));
}

QString styleLetters(std::uint8_t style) {
    QString letters;
    if (style & fontstyle::kBold) letters += QLatin1Char('B');
    if (style & fontstyle::kItalic) letters += QLatin1Char('I');
    if (style & fontstyle::kUnderline) letters += QLatin1Char('U');
    if (style & fontstyle::kStrikeOut) letters += QLatin1Char('S');
    return letters.isEmpty() ? QStringLiteral("-") : letters;
}

// A text as one field of a TAB-separated line.
QString field(const std::string& bytes) {
    QString text = cp1252::toUnicode(bytes);
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
    }
    return text;
}

QString seatLine(const SeatingInfo& seat) {
    return QStringList{field(seat.name),
                       QString::number(seat.left),
                       QString::number(seat.Top),
                       QString::number(seat.width),
                       QString::number(seat.height),
                       hexColour(seat.color),
                       field(seat.font_name),
                       QString::number(seat.font_size),
                       hexColour(seat.font_color),
                       styleLetters(seat.font_style)}
        .join(QLatin1Char('\t'));
}

// The chart of a seating file, or of the one beside a grade file (a class
// without one has the teacher's seat alone). A file that cannot be read, or
// is damaged, is refused.
Result<SeatingChart> chartOf(const QString& path, FileKind kind) {
    if (kind == FileKind::Seating) {
        const Result<QByteArray> bytes = readFileBytes(path);
        if (!bytes) return bytes.error();
        SeatingChart chart = parseSeatingFile(bytes.value());
        if (const QString damage = seatingFileDamage(chart); !damage.isEmpty()) {
            return fail(QStringLiteral("the file is damaged or is not a seating file: %1").arg(damage));
        }
        return chart;
    }
    if (!QFileInfo(path).isFile()) return fail(QStringLiteral("the file does not exist"));
    return readSeatingFile(seatingPathFor(path));
}

// seats FILE: each seat in the file's order, the teacher's last: caption,
// left, top, width, height, fill, font name, size, font colour and style.
int runSeats(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const FileKind kind = fileKindOf(path);
    if (kind != FileKind::Grades && kind != FileKind::Seating) {
        return console.usage(QStringLiteral("seats: %1 is not a .grs or .SEA file").arg(path));
    }
    if (!finishSaveOfClassOf(path, console)) return kExitFailed;
    const Result<SeatingChart> chart = chartOf(path, kind);
    if (!chart) {
        console.error(aboutFile(path, chart.message()));
        return kExitFailed;
    }
    for (const SeatingInfo& seat : chart->seats) console.printLine(seatLine(seat));
    console.printLine(seatLine(chart->teacher));
    return kExitOk;
}

constexpr Command kSeats{.name = "seats",
                         .usage = "seats FILE.(grs|SEA)",
                         .summary = "Print the seating chart, one seat a line, the teacher's last: caption, left, top, "
                                    "width,\n      height, fill, font, size, font color, style (BIUS).",
                         .run = runSeats,
                         .arguments = kOneFile,
                         .place = 70};
const CommandRegistration kSeatsListed{kSeats};

}  // namespace

}  // namespace markwell::cli
