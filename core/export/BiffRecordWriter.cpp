// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/BiffRecordWriter.h"

#include "core/common/LittleEndian.h"

#include <QtEndian>

#include <cassert>
#include <cstring>

namespace markwell::biff {

void RecordWriter::begin(std::uint16_t type) {
    assert(recordStart_ < 0);
    recordStart_ = bytes_.size();
    u16(type);
    u16(0);  // length, set by end()
}

void RecordWriter::end() {
    assert(recordStart_ >= 0);
    const qsizetype length = bytes_.size() - recordStart_ - kRecordHeaderSize;
    assert(length <= kMaxRecordData);
    patchU16(recordStart_ + 2, static_cast<std::uint16_t>(length));
    recordStart_ = -1;
}

void RecordWriter::continueRecord() {
    end();
    begin(rec::kContinue);
}

int RecordWriter::room() const {
    return kMaxRecordData - static_cast<int>(bytes_.size() - recordStart_ - kRecordHeaderSize);
}

void RecordWriter::u16(std::uint16_t v) {
    appendLittleEndian(bytes_, v);
}

void RecordWriter::u32(std::uint32_t v) {
    appendLittleEndian(bytes_, v);
}

void RecordWriter::f64(double v) {
    appendLittleEndian(bytes_, v);
}

void RecordWriter::chars(const QString& text, qsizetype from, qsizetype count, bool compressed) {
    const ushort* data = text.utf16() + from;
    if (compressed) {
        const qsizetype at = bytes_.size();
        bytes_.resize(at + count);
        char* dest = bytes_.data() + at;
        for (qsizetype i = 0; i < count; ++i) dest[i] = static_cast<char>(data[i]);
        return;
    }
    for (qsizetype i = 0; i < count; ++i) u16(data[i]);
}

void RecordWriter::shortString(const QString& text) {
    const bool compressed = isLatin1(text);
    u8(static_cast<std::uint8_t>(text.size()));
    u8(compressed ? 0 : 1);
    chars(text, 0, text.size(), compressed);
}

void RecordWriter::longString(const QString& text) {
    const bool compressed = isLatin1(text);
    u16(static_cast<std::uint16_t>(text.size()));
    u8(compressed ? 0 : 1);
    chars(text, 0, text.size(), compressed);
}

void RecordWriter::patchU16(qsizetype at, std::uint16_t v) {
    qToLittleEndian(v, bytes_.data() + at);
}

void RecordWriter::patchU32(qsizetype at, std::uint32_t v) {
    qToLittleEndian(v, bytes_.data() + at);
}

bool isLatin1(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) return false;
    }
    return true;
}

void writeBof(RecordWriter& out, std::uint16_t substream) {
    out.begin(rec::kBof);
    out.u16(0x0600);  // BIFF8
    out.u16(substream);
    out.u16(0x0DBB);  // build and year of the format's first version
    out.u16(0x07CC);
    out.u32(0);     // no file history
    out.u32(0x06);  // lowest version that reads it: BIFF8
    out.end();
}

void writeU16Record(RecordWriter& out, std::uint16_t type, std::initializer_list<std::uint16_t> values) {
    out.begin(type);
    for (const std::uint16_t v : values) out.u16(v);
    out.end();
}

}  // namespace markwell::biff
