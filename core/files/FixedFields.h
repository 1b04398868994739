// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace markwell {

// Little-endian fixed-layout fields as the class files store them: 32-bit
// integers, IEEE doubles, single bytes and zero-terminated 8-bit text in
// arrays of a fixed size.

// Reads fields one after the other. The caller asks `has()` before each
// record so that it can say what is missing; a read past the end anyway reads
// nothing, gives zeros and sets `overrun()`.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return bytes_.size() - pos_; }
    bool has(qsizetype count) const { return count >= 0 && count <= remaining(); }

    bool overrun() const { return overrun_; }

    std::int32_t int32();
    std::uint32_t uint32();
    double float64();
    std::uint8_t byte();
    bool boolean() { return byte() != 0; }
    // The text up to the first zero byte of a field of `size` bytes; bytes
    // after the terminator carry no meaning and are skipped.
    std::string text(qsizetype size) { return std::string(textView(size)); }
    // The same text as a view into the bytes read, for a caller that only
    // looks at it (a point list is split into its entries without a copy).
    std::string_view textView(qsizetype size);
    // `size` bytes as they are.
    QByteArrayView raw(qsizetype size);
    void skip(qsizetype size);

private:
    bool take(qsizetype size);

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    bool overrun_ = false;
};

// Why a text cannot be stored in a zero-terminated field of `size` bytes
// ("is 120 characters long; at most 99 fit"), or an empty string when it can.
QString textFieldProblem(std::string_view text, qsizetype size);

// Appends fields to a byte array. Text must already be known to fit its field
// (see fitsField); the rest of the field is filled with zeros.
class FieldWriter {
public:
    explicit FieldWriter(QByteArray& out) : out_(out) {}

    void int32(std::int32_t value);
    void uint32(std::uint32_t value);
    void float64(double value);
    void byte(std::uint8_t value) { out_.append(static_cast<char>(value)); }
    void boolean(bool value) { byte(value ? 1 : 0); }
    void text(std::string_view value, qsizetype size);
    void raw(std::string_view value) { out_.append(value.data(), static_cast<qsizetype>(value.size())); }
    void zeros(qsizetype count) { out_.append(count, '\0'); }

private:
    QByteArray& out_;
};

}  // namespace markwell
