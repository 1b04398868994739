// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QtEndian>

#include <bit>
#include <cstdint>

namespace markwell {

// Appends an integer or an IEEE double in little-endian byte order, as the
// class files and the spreadsheet files store them.
template <class T>
void appendLittleEndian(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

inline void appendLittleEndian(QByteArray& out, double value) {
    appendLittleEndian(out, std::bit_cast<std::uint64_t>(value));
}

}  // namespace markwell
