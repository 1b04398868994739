#pragma once

#include "common/Result.h"
#include "data/Records.h"
#include "dialogs/UserDialogs.h"

namespace markwell {

// A table's font as the font dialog offers it, and the dialog's answer kept
// as the class files keep a font (the grades table and the merged report).
UserDialogs::FontChoice fontChoiceOf(const GridProperties& props);

// Stores the chosen face, size, colour and style into `props`. A face that a
// class file cannot hold (too long, or letters outside Windows-1252) is
// refused with a message and changes nothing.
Result<void> storeFontChoice(GridProperties& props, const UserDialogs::FontChoice& choice);

}  // namespace markwell
