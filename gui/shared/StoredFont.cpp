// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/StoredFont.h"

#include "core/common/Cp1252.h"
#include "render/style/CellStyle.h"

namespace markwell {

UserDialogs::FontChoice fontChoiceOf(const StoredFont& font) {
    UserDialogs::FontChoice choice;
    choice.family = cp1252::toUnicode(font.face);
    choice.pointSize = font.pointSize;
    choice.colour = toQColor(font.colour);
    choice.bold = font.style & fontstyle::kBold;
    choice.italic = font.style & fontstyle::kItalic;
    choice.underline = font.style & fontstyle::kUnderline;
    choice.strikeOut = font.style & fontstyle::kStrikeOut;
    return choice;
}

StoredFont gridFontOf(const GridProperties& props) {
    return {props.font_name, props.font_size, props.font_color, props.font_style};
}

void setGridFont(GridProperties& props, const StoredFont& font) {
    props.font_name = font.face;
    props.font_size = font.pointSize;
    props.font_color = font.colour;
    props.font_style = font.style;
}

std::optional<StoredFont> storedFontOf(const UserDialogs::FontChoice& choice, int faceCapacity) {
    const Result<std::string> face = cp1252::fromUnicode(choice.family);
    if (!face || !fitsField(*face, faceCapacity)) return std::nullopt;
    StoredFont font;
    font.face = *face;
    font.pointSize = choice.pointSize;
    font.colour = toPlatformColour(choice.colour);
    font.style = static_cast<std::uint8_t>(
        (choice.bold ? fontstyle::kBold : 0) | (choice.italic ? fontstyle::kItalic : 0) |
        (choice.underline ? fontstyle::kUnderline : 0) | (choice.strikeOut ? fontstyle::kStrikeOut : 0));
    return font;
}

std::optional<StoredFont> askStoredFont(UserDialogs& dialogs, QWidget* parent, const StoredFont& current,
                                        int faceCapacity, const QString& refusal) {
    const std::optional<UserDialogs::FontChoice> chosen = dialogs.chooseFont(parent, fontChoiceOf(current));
    if (!chosen) return std::nullopt;
    std::optional<StoredFont> font = storedFontOf(*chosen, faceCapacity);
    if (!font) dialogs.warn(parent, refusal.arg(chosen->family));
    return font;
}

}  // namespace markwell
