// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"
#include "gui/shared/UserDialogs.h"

#include <optional>
#include <string>

namespace markwell {

// A font as the class files keep it (the face's bytes, points, colour and
// style bits) and as the font dialog shows it.
struct StoredFont {
    std::string face;
    std::int32_t pointSize = 8;
    PlatformColour colour = colour::kBlack;
    std::uint8_t style = 0;  // fontstyle bits
};

UserDialogs::FontChoice fontChoiceOf(const StoredFont& font);

// The font of a table's grid properties (the grades table, the merged
// report), and the grid properties with another font.
StoredFont gridFontOf(const GridProperties& props);
void setGridFont(GridProperties& props, const StoredFont& font);

// The chosen font as the files keep it; none when its face cannot be kept in
// a field of `faceCapacity` bytes (too long, or a character Windows-1252
// does not have): such a face is refused, never cut.
std::optional<StoredFont> storedFontOf(const UserDialogs::FontChoice& choice, int faceCapacity);

// Asks for a font, starting from `current`. None when the dialog is
// cancelled, or when the face chosen cannot be kept: that is said in a
// warning, `refusal` with "%1" for the face.
std::optional<StoredFont> askStoredFont(UserDialogs& dialogs, QWidget* parent, const StoredFont& current,
                                        int faceCapacity, const QString& refusal);

}  // namespace markwell
