// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

namespace markwell {

// Where the mail server's password is kept: the desktop's keyring, never a
// file of Markwell's. Tests put a store of their own in its place.
class MailPasswords {
public:
    enum class Status {
        Found,
        NotFound,   // the keyring answers but keeps none for this account
        NoKeyring,  // no keyring answers: the password is asked for each time
    };
    struct Lookup {
        Status status = Status::NoKeyring;
        QString password;
        QString problem;  // what the keyring said, when it did not answer
    };

    virtual ~MailPasswords() = default;

    virtual Lookup read(const QString& account) = 0;
    // Keeps the password, or says why the keyring could not.
    virtual Result<void> store(const QString& account, const QString& password) = 0;
    virtual Result<void> forget(const QString& account) = 0;
};

// The account a password is kept under: "user@host:port".
QString mailPasswordAccount(const QString& user, const QString& host, int port);

}  // namespace markwell
