// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Builds file images byte by byte for golden tests, independently of the
// writers under test: integers are spelled out little-endian here and doubles
// are given as their IEEE bit patterns, worked out by hand.

#include <QByteArray>

#include <cstdint>
#include <string_view>

namespace markwell::test {

class ByteBuilder {
public:
    ByteBuilder& i32(std::int32_t value) { return u32(static_cast<std::uint32_t>(value)); }
    ByteBuilder& u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        return *this;
    }
    // A double by its bit pattern, e.g. 0x4000000000000000 for 2.0.
    ByteBuilder& f64bits(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) bytes_.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        return *this;
    }
    ByteBuilder& byte(std::uint8_t v) {
        bytes_.append(static_cast<char>(v));
        return *this;
    }
    ByteBuilder& zeros(int count) {
        bytes_.append(count, '\0');
        return *this;
    }
    ByteBuilder& raw(std::string_view text) {
        bytes_.append(text.data(), static_cast<qsizetype>(text.size()));
        return *this;
    }
    // Text in a zero-filled field of `size` bytes.
    ByteBuilder& field(std::string_view text, int size) {
        raw(text);
        return zeros(size - static_cast<int>(text.size()));
    }
    ByteBuilder& append(const QByteArray& more) {
        bytes_.append(more);
        return *this;
    }

    const QByteArray& bytes() const { return bytes_; }
    qsizetype size() const { return bytes_.size(); }

private:
    QByteArray bytes_;
};

// Bit patterns of the doubles the tests use.
inline constexpr std::uint64_t kDouble0 = 0x0000000000000000;
inline constexpr std::uint64_t kDouble1 = 0x3FF0000000000000;
inline constexpr std::uint64_t kDouble1_5 = 0x3FF8000000000000;
inline constexpr std::uint64_t kDouble2 = 0x4000000000000000;
inline constexpr std::uint64_t kDouble2_5 = 0x4004000000000000;
inline constexpr std::uint64_t kDouble20 = 0x4034000000000000;
inline constexpr std::uint64_t kDouble100 = 0x4059000000000000;

}  // namespace markwell::test
