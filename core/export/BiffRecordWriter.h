// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>

namespace markwell::biff {

// Record types of the workbook stream that the .xls writer emits.
namespace rec {
inline constexpr std::uint16_t kBof = 0x0809;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kCodepage = 0x0042;
inline constexpr std::uint16_t kWindow1 = 0x003D;
inline constexpr std::uint16_t kWindowProtect = 0x0019;
inline constexpr std::uint16_t kProtect = 0x0012;
inline constexpr std::uint16_t kPassword = 0x0013;
inline constexpr std::uint16_t kBackup = 0x0040;
inline constexpr std::uint16_t kHideObj = 0x008D;
inline constexpr std::uint16_t kDateMode = 0x0022;
inline constexpr std::uint16_t kPrecision = 0x000E;
inline constexpr std::uint16_t kBookBool = 0x00DA;
inline constexpr std::uint16_t kFont = 0x0031;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kXf = 0x00E0;
inline constexpr std::uint16_t kStyle = 0x0293;
inline constexpr std::uint16_t kPalette = 0x0092;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kCountry = 0x008C;
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kExtSst = 0x00FF;
inline constexpr std::uint16_t kIndex = 0x020B;
inline constexpr std::uint16_t kCalcMode = 0x000D;
inline constexpr std::uint16_t kCalcCount = 0x000C;
inline constexpr std::uint16_t kRefMode = 0x000F;
inline constexpr std::uint16_t kIteration = 0x0011;
inline constexpr std::uint16_t kDelta = 0x0010;
inline constexpr std::uint16_t kSaveRecalc = 0x005F;
inline constexpr std::uint16_t kPrintHeaders = 0x002A;
inline constexpr std::uint16_t kPrintGridLines = 0x002B;
inline constexpr std::uint16_t kGridSet = 0x0082;
inline constexpr std::uint16_t kGuts = 0x0080;
inline constexpr std::uint16_t kDefaultRowHeight = 0x0225;
inline constexpr std::uint16_t kWsBool = 0x0081;
inline constexpr std::uint16_t kHeader = 0x0014;
inline constexpr std::uint16_t kFooter = 0x0015;
inline constexpr std::uint16_t kHCenter = 0x0083;
inline constexpr std::uint16_t kVCenter = 0x0084;
inline constexpr std::uint16_t kDefColWidth = 0x0055;
inline constexpr std::uint16_t kColInfo = 0x007D;
inline constexpr std::uint16_t kDimensions = 0x0200;
inline constexpr std::uint16_t kRow = 0x0208;
inline constexpr std::uint16_t kDbCell = 0x00D7;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kBlank = 0x0201;
inline constexpr std::uint16_t kMulBlank = 0x00BE;
inline constexpr std::uint16_t kWindow2 = 0x023E;
inline constexpr std::uint16_t kPane = 0x0041;
inline constexpr std::uint16_t kSelection = 0x001D;
}  // namespace rec

// The most data one record may carry; longer content goes on in CONTINUE
// records.
inline constexpr int kMaxRecordData = 8224;
inline constexpr int kRecordHeaderSize = 4;

// Appends little-endian BIFF records to a byte buffer. A record is opened with
// begin() and closed with end(), which fills in its length; positions are
// offsets into the buffer.
class RecordWriter {
public:
    explicit RecordWriter(qsizetype reserve = 0) { bytes_.reserve(reserve); }

    void begin(std::uint16_t type);
    void end();
    // Closes the open record and opens a CONTINUE record.
    void continueRecord();
    // Room left in the open record.
    int room() const;

    void u8(std::uint8_t v) { bytes_.append(static_cast<char>(v)); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void f64(double v);
    void zeros(int count) { bytes_.append(count, '\0'); }
    void append(const QByteArray& bytes) { bytes_.append(bytes); }

    // The characters of a text as stored: one byte each when every character
    // fits in Latin-1 ("compressed"), else UTF-16LE.
    void chars(const QString& text, qsizetype from, qsizetype count, bool compressed);
    // Unicode strings with an 8-bit and a 16-bit character count (no
    // formatting runs); they must fit in the open record.
    void shortString(const QString& text);
    void longString(const QString& text);

    void patchU16(qsizetype at, std::uint16_t v);
    void patchU32(qsizetype at, std::uint32_t v);

    qsizetype position() const { return bytes_.size(); }
    qsizetype recordStart() const { return recordStart_; }
    const QByteArray& bytes() const { return bytes_; }
    void clear() {
        bytes_.clear();
        recordStart_ = -1;
    }

private:
    QByteArray bytes_;
    qsizetype recordStart_ = -1;
};

// Whether every character of the text fits in one byte (Latin-1), so that it
// can be stored compressed.
bool isLatin1(const QString& text);

// The BOF record that opens a substream: the workbook globals or a worksheet.
inline constexpr std::uint16_t kGlobalsSubstream = 0x0005;
inline constexpr std::uint16_t kWorksheetSubstream = 0x0010;
void writeBof(RecordWriter& out, std::uint16_t substream);

// A record with a fixed body of 16-bit values, the most common shape.
void writeU16Record(RecordWriter& out, std::uint16_t type, std::initializer_list<std::uint16_t> values);

}  // namespace markwell::biff
