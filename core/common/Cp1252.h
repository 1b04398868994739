// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

#include <string>
#include <string_view>

namespace markwell {

// Text fields of the class files are 8-bit Windows-1252 bytes. The core keeps
// them as raw bytes (std::string) so files round-trip byte for byte; text is
// converted to and from Unicode only where a person sees or types it.
//
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 control characters of the same value, so the conversion is a
// bijection and no byte is ever lost.
namespace cp1252 {

QString toUnicode(std::string_view bytes);
std::string toUtf8(std::string_view bytes);

// Fails, naming the first character, when the text holds a character that has
// no Windows-1252 byte.
Result<std::string> fromUnicode(const QString& text);

// Whether every character of the text can be stored.
bool canEncode(const QString& text);

}  // namespace cp1252
}  // namespace markwell
