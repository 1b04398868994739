// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/Cp1252.h"

#include <QCoreApplication>

#include <array>

namespace markwell::cp1252 {
namespace {

struct Cp1252 {
    Q_DECLARE_TR_FUNCTIONS(Cp1252)
};

// Unicode code points of the bytes 0x80 to 0x9F; the rest is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t decode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

// The byte for a code point, or -1 when Windows-1252 has none.
int encode(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return ch;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch) return static_cast<int>(0x80 + i);
    }
    return -1;
}

}  // namespace

QString toUnicode(std::string_view bytes) {
    QString text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    QChar* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out[i] = QChar(decode(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

std::string toUtf8(std::string_view bytes) {
    return toUnicode(bytes).toStdString();
}

Result<std::string> fromUnicode(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const int byte = encode(ch.unicode());
        if (byte < 0) {
            return fail(Cp1252::tr("The character \u201c%1\u201d cannot be stored in a class file.")
                            .arg(ch.isSurrogate() ? QStringLiteral("?") : QString(ch)));
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

bool canEncode(const QString& text) {
    for (QChar ch : text) {
        if (encode(ch.unicode()) < 0) return false;
    }
    return true;
}

}  // namespace markwell::cp1252
