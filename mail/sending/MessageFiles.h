// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "mail/sending/FamilyMail.h"

#include <QString>

#include <functional>
#include <vector>

namespace markwell {

// What saving the messages did for one family: the file written, or none
// for a family without an address.
struct SavedMessage {
    QString student;
    QString path;  // empty: skipped
};

// Saves each family's message, exactly as it would be sent, as one .eml file
// in `folder` (made when missing), named after the student ("Ann Lee.eml";
// names that would come out alike get " (2)", " (3)"...). A family without
// an address is skipped. `progress` is told of each family (index, count)
// and stops the saving when it answers false. The first file that cannot
// be written stops it with the reason; those written stay.
Result<std::vector<SavedMessage>> saveFamilyMessages(const QString& folder, const std::vector<FamilyMail>& families,
                                                     const std::function<bool(int, int)>& progress = {});

}  // namespace markwell
