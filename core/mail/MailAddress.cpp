// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/mail/MailAddress.h"

#include "core/common/Cp1252.h"
#include "core/files/SafeFileNames.h"

#include <QCoreApplication>
#include <QUrl>

namespace markwell {
namespace {

bool keptInMailAddress(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')) return true;
    // "," and ";" separate recipients in a mailto: URL, so they are encoded too.
    return QByteArrayView("-._~!$'()*+:@").contains(static_cast<char>(byte));
}

}  // namespace

QByteArray encodedMailAddress(std::string_view emailField) {
    const QByteArray utf8 = cp1252::toUnicode(emailField).trimmed().toUtf8();
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray encoded;
    encoded.reserve(utf8.size() * 3);
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        if (keptInMailAddress(byte)) {
            encoded.append(ch);
        } else {
            encoded.append('%');
            encoded.append(kHex[byte >> 4]);
            encoded.append(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

QByteArray gradesMailtoUrl(std::string_view emailField) {
    // The subject speaks the window's language; markwell-cli, which installs
    // no translation, prints "Grades" for the scripts that read it.
    const QString subject = QCoreApplication::translate("MailAddress", "Grades", "subject of the grades e-mail");
    return QByteArrayLiteral("mailto:") + encodedMailAddress(emailField) + QByteArrayLiteral("?subject=") +
           QUrl::toPercentEncoding(subject) + QByteArrayLiteral("&body=");
}

QByteArray recipientUrl(std::string_view emailField) {
    const QByteArray address = encodedMailAddress(emailField);
    return address.isEmpty() ? QByteArray() : QByteArrayLiteral("mailto:") + address;
}

QByteArray recipientsUrl(const QStringList& addresses) {
    QByteArrayList encoded;
    for (const QString& address : addresses) {
        // Addresses that can be sent to are plain ASCII, the same in Windows-1252.
        const QByteArray one = encodedMailAddress(address.toLatin1().toStdString());
        if (!one.isEmpty()) encoded << one;
    }
    return encoded.isEmpty() ? QByteArray() : QByteArrayLiteral("mailto:") + encoded.join(',');
}

QString attachmentFileName(const QString& studentName) {
    return safeFileStem(studentName) + QStringLiteral(".xls");
}

}  // namespace markwell
