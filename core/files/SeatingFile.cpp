// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/SeatingFile.h"

#include "core/files/AtomicFile.h"
#include "core/files/FileBytes.h"
#include "core/files/FixedFields.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct SeatingFile {
    Q_DECLARE_TR_FUNCTIONS(SeatingFile)
};

SeatingInfo readSeat(FieldReader& in) {
    SeatingInfo seat;
    seat.name = in.text(capacity::kSeatName);
    seat.font_style = in.byte();
    in.skip(3);
    seat.font_color = in.int32();
    seat.font_size = in.int32();
    seat.font_name = in.text(capacity::kSeatFontName);
    seat.color = in.int32();
    seat.width = in.int32();
    seat.height = in.int32();
    seat.left = in.int32();
    seat.Top = in.int32();
    return seat;
}

void writeSeat(FieldWriter& out, const SeatingInfo& seat, std::string_view name) {
    out.text(name, capacity::kSeatName);
    out.byte(seat.font_style);
    out.zeros(3);
    out.int32(seat.font_color);
    out.int32(seat.font_size);
    out.text(seat.font_name, capacity::kSeatFontName);
    out.int32(seat.color);
    out.int32(seat.width);
    out.int32(seat.height);
    out.int32(seat.left);
    out.int32(seat.Top);
}

QString seatProblem(const SeatingInfo& seat, const QString& which) {
    if (QString problem = textFieldProblem(seat.name, capacity::kSeatName); !problem.isEmpty()) {
        return SeatingFile::tr("the caption of %1 %2").arg(which, problem);
    }
    if (QString problem = textFieldProblem(seat.font_name, capacity::kSeatFontName); !problem.isEmpty()) {
        return SeatingFile::tr("the font name of %1 %2").arg(which, problem);
    }
    return {};
}

}  // namespace

SeatingChart parseSeatingFile(QByteArrayView bytes) {
    SeatingChart chart;
    FieldReader in(bytes);
    while (in.has(kSeatingRecordSize)) {
        SeatingInfo seat = readSeat(in);
        if (seat.name == kTeacherSeatName) {
            chart.teacher = std::move(seat);
        } else {
            chart.seats.push_back(std::move(seat));
        }
    }
    chart.trailingPartialRecord = in.remaining() > 0;
    return chart;
}

Result<QByteArray> serializeSeatingFile(const SeatingChart& chart) {
    QString problem;
    for (std::size_t i = 0; i < chart.seats.size() && problem.isEmpty(); ++i) {
        problem = seatProblem(chart.seats[i], SeatingFile::tr("seat %1").arg(i + 1));
    }
    if (problem.isEmpty()) problem = seatProblem(chart.teacher, SeatingFile::tr("the teacher's box"));
    if (!problem.isEmpty()) return fail(SeatingFile::tr("The seating chart cannot be saved: %1.").arg(problem));

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(chart.seats.size() + 1) * kSeatingRecordSize);
    FieldWriter out(bytes);
    for (const SeatingInfo& seat : chart.seats) writeSeat(out, seat, seat.name);
    writeSeat(out, chart.teacher, kTeacherSeatName);  // always found again as the teacher's box
    return bytes;
}

QString seatingFileDamage(const SeatingChart& chart) {
    const auto unended = [](const SeatingInfo& seat, const QString& which) -> QString {
        if (!fitsField(seat.name, capacity::kSeatName)) {
            return SeatingFile::tr("the caption of %1 does not end within its %2 bytes")
                .arg(which, QString::number(capacity::kSeatName));
        }
        if (!fitsField(seat.font_name, capacity::kSeatFontName)) {
            return SeatingFile::tr("the font name of %1 does not end within its %2 bytes")
                .arg(which, QString::number(capacity::kSeatFontName));
        }
        return {};
    };
    for (std::size_t i = 0; i < chart.seats.size(); ++i) {
        QString damage = unended(chart.seats[i], SeatingFile::tr("seat %1").arg(i + 1));
        if (!damage.isEmpty()) return damage;
    }
    return unended(chart.teacher, SeatingFile::tr("the teacher's box"));
}

Result<SeatingChart> readSeatingFile(const QString& path) {
    const Result<QByteArray> bytes = readFileBytesIfAny(path);
    if (!bytes) return bytes.error();
    SeatingChart chart = parseSeatingFile(bytes.value());
    QString damage = seatingFileDamage(chart);
    // A stray note or the like: read as empty, the next save would replace it.
    if (!bytes->isEmpty() && bytes->size() < kSeatingRecordSize) {
        damage = SeatingFile::tr("it is shorter than one record of %1 bytes").arg(kSeatingRecordSize);
    }
    if (!damage.isEmpty()) {
        return fail(SeatingFile::tr("The file %1 is damaged or is not a seating file: %2.").arg(path, damage));
    }
    return chart;
}

Result<void> writeSeatingFile(const QString& path, const SeatingChart& chart) {
    const Result<QByteArray> bytes = serializeSeatingFile(chart);
    if (!bytes) return bytes.error();
    return writeFileAtomically(path, bytes.value());
}

}  // namespace markwell
