// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/FixedFields.h"

#include "core/common/LittleEndian.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cassert>
#include <cstring>

namespace markwell {
namespace {

struct FixedFields {
    Q_DECLARE_TR_FUNCTIONS(FixedFields)
};

}  // namespace

bool FieldReader::take(qsizetype size) {
    if (has(size)) return true;
    overrun_ = true;
    pos_ = bytes_.size();
    return false;
}

std::int32_t FieldReader::int32() {
    return static_cast<std::int32_t>(uint32());
}

std::uint32_t FieldReader::uint32() {
    if (!take(4)) return 0;
    const auto value = qFromLittleEndian<std::uint32_t>(bytes_.data() + pos_);
    pos_ += 4;
    return value;
}

double FieldReader::float64() {
    if (!take(8)) return 0;
    const auto bits = qFromLittleEndian<std::uint64_t>(bytes_.data() + pos_);
    pos_ += 8;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint8_t FieldReader::byte() {
    if (!take(1)) return 0;
    return static_cast<std::uint8_t>(bytes_[pos_++]);
}

std::string_view FieldReader::textView(qsizetype size) {
    const QByteArrayView field = raw(size);
    const auto length = static_cast<std::size_t>(field.size());
    if (length == 0) return {};
    const void* end = std::memchr(field.data(), '\0', length);
    return {field.data(), end ? static_cast<std::size_t>(static_cast<const char*>(end) - field.data()) : length};
}

QByteArrayView FieldReader::raw(qsizetype size) {
    if (!take(size)) return {};
    const QByteArrayView field = bytes_.sliced(pos_, size);
    pos_ += size;
    return field;
}

void FieldReader::skip(qsizetype size) {
    if (take(size)) pos_ += size;
}

QString textFieldProblem(std::string_view text, qsizetype size) {
    const auto length = static_cast<qsizetype>(text.size());
    if (length >= size) {
        return FixedFields::tr("is %1 characters long; at most %2 fit").arg(length).arg(size - 1);
    }
    if (text.find('\0') != std::string_view::npos) return FixedFields::tr("holds a zero byte");
    return {};
}

void FieldWriter::int32(std::int32_t value) {
    uint32(static_cast<std::uint32_t>(value));
}

void FieldWriter::uint32(std::uint32_t value) {
    appendLittleEndian(out_, value);
}

void FieldWriter::float64(double value) {
    appendLittleEndian(out_, value);
}

void FieldWriter::text(std::string_view value, qsizetype size) {
    assert(static_cast<qsizetype>(value.size()) < size);
    raw(value);
    zeros(size - static_cast<qsizetype>(value.size()));
}

}  // namespace markwell
