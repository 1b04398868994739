// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace markwell {

// Whose addresses of a student record a family's message goes to.
struct AddressChoice {
    bool student = true;
    bool mother = false;
    bool father = false;

    bool none() const { return !student && !mother && !father; }
    bool operator==(const AddressChoice&) const = default;
};

// "student,mother,father" (any of them, in any order) as markwell-cli takes
// it; nothing for an unknown word or an empty list.
std::optional<AddressChoice> addressChoiceFromText(const QString& text);

// One address of a family's message and the name it is shown with.
struct FamilyRecipient {
    QString name;
    QString address;
};

// The addresses one student's message goes to: every address of each chosen
// field (a field may hold several, separated by ";" or ","), each once
// (letter case aside), in the order student, mother, father. What a field
// holds that is not an address a mail server takes is listed apart, so that
// it is reported rather than lost or sent to.
struct FamilyAddresses {
    std::vector<FamilyRecipient> recipients;
    QStringList unusable;

    QStringList addresses() const;
};

FamilyAddresses familyAddresses(const StudentInfo& student, const AddressChoice& choice);

// Whether `address` is one plain address ("local@domain", printable ASCII
// without spaces, quotes, angle brackets or a second "@"): nothing that
// could add a recipient or a command on the way to the server.
bool isSendableAddress(const QString& address);

}  // namespace markwell
