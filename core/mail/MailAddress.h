// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>

namespace markwell {

// The mail command's addresses and attachment names, which come from the
// class (a student's e-mail field, a student's name) and so must never be
// able to do more than name a recipient or a file.

// A student's e-mail field (Windows-1252 bytes) as the address part of a
// mailto: URL: as UTF-8, blanks around it removed, every byte outside the
// unreserved characters (letters, digits, "-", ".", "_", "~") and
// "!$'()*+:@" percent-encoded, so that "?", "&", "#" and "%" in the field
// stay part of the address instead of ending it or adding headers, and ","
// and ";" cannot add a second recipient.
QByteArray encodedMailAddress(std::string_view emailField);

// The URL File > E-mail... opens: "mailto:" + the encoded address +
// "?subject=Grades&body=" ("mailto:?subject=Grades&body=" without an address).
QByteArray gradesMailtoUrl(std::string_view emailField);

// The recipient handed to the mail program together with an attachment:
// "mailto:" + the encoded address, or empty without an address.
QByteArray recipientUrl(std::string_view emailField);

// The recipients of a message to a family, as one "mailto:" address for the
// mail program: each address encoded as above, separated by ","; empty
// without an address.
QByteArray recipientsUrl(const QStringList& addresses);

// The name of a student's attachment: the name's safe stem (see
// files/SafeFileNames.h: nothing that leaves the folder it is written in)
// and ".xls".
QString attachmentFileName(const QString& studentName);

}  // namespace markwell
