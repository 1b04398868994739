// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/FamilyAddresses.h"

#include "core/common/Cp1252.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace markwell {
namespace {

// The longest address a mail server must take (a path of 256 with its brackets).
constexpr int kLongestAddress = 254;

bool sendableCharacter(QChar ch) {
    const char16_t c = ch.unicode();
    if (c <= 0x20 || c >= 0x7F) return false;
    return !QStringView(u"<>()[]\\,;:\"").contains(ch);
}

}  // namespace

std::optional<AddressChoice> addressChoiceFromText(const QString& text) {
    AddressChoice choice{false, false, false};
    for (const QString& word : text.split(QLatin1Char(','))) {
        const QString w = word.trimmed();
        if (w == QLatin1String("student")) {
            choice.student = true;
        } else if (w == QLatin1String("mother")) {
            choice.mother = true;
        } else if (w == QLatin1String("father")) {
            choice.father = true;
        } else {
            return std::nullopt;
        }
    }
    return choice;
}

bool isSendableAddress(const QString& address) {
    if (address.size() > kLongestAddress) return false;
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at == address.size() - 1 || address.indexOf(QLatin1Char('@'), at + 1) >= 0) return false;
    if (!std::all_of(address.begin(), address.end(), sendableCharacter)) return false;
    const QStringView domain = QStringView(address).mid(at + 1);
    return !domain.startsWith(u'.') && !domain.endsWith(u'.') && !domain.contains(u"..");
}

QStringList FamilyAddresses::addresses() const {
    QStringList list;
    for (const FamilyRecipient& r : recipients) list << r.address;
    return list;
}

FamilyAddresses familyAddresses(const StudentInfo& student, const AddressChoice& choice) {
    struct Field {
        bool chosen;
        const std::string& name;
        const std::string& addresses;
    };
    const Field fields[] = {{choice.student, student.name, student.student_email},
                            {choice.mother, student.mom_name, student.mom_email},
                            {choice.father, student.dad_name, student.dad_email}};
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    FamilyAddresses family;
    QSet<QString> seen;
    for (const Field& field : fields) {
        if (!field.chosen) continue;
        const QString name = cp1252::toUnicode(field.name).trimmed();
        for (const QString& part : cp1252::toUnicode(field.addresses).split(separators)) {
            const QString address = part.trimmed();
            if (address.isEmpty() || seen.contains(address.toLower())) continue;
            seen.insert(address.toLower());
            if (isSendableAddress(address)) {
                family.recipients.push_back({name, address});
            } else {
                family.unusable << address;
            }
        }
    }
    return family;
}

}  // namespace markwell
